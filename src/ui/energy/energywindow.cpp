#include "energywindow.h"

#include "svgpicture.h"
#include "ui/chartvalueaxis.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>

namespace velmo::ui {

namespace {

// Lets a box take only what its model accepts, key by key and on paste alike.
class ModelValidator : public QValidator {
public:
    ModelValidator(const EnergyWindowModel &model, EnergyControl box, QObject *parent)
        : QValidator(parent), model_(model), box_(box) {}

    State validate(QString &input, int &) const override
    {
        return model_.acceptsText(box_, input) ? Acceptable : Invalid;
    }

private:
    const EnergyWindowModel &model_;
    EnergyControl box_;
};

const char *const kWhiteOnGreen = "background-color: rgb(0, 128, 0); color: white; padding: 2px 6px;";

QLineEdit *makeBox(const QString &name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QLabel *makeLabel(const QString &name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

EnergyWindow::EnergyWindow(EnergyWindowModel &model, QWidget *parent) : QWidget(parent, Qt::Window), model_(model)
{
    setObjectName(model.sex() == Sex::Female ? QStringLiteral("Form_LAF_Femmina") : QStringLiteral("Form_LAF_Uomo"));
    setWindowTitle(model.windowCaption());
    build();

    connect(&model_, &EnergyWindowModel::controlChanged, this, &EnergyWindow::render);
    connect(&model_, &EnergyWindowModel::focusChanged, this, &EnergyWindow::renderFocus);
    connect(&model_, &EnergyWindowModel::text1SelectionPlaced, this, [this] {
        // After the box's own focus handling, which would otherwise place the caret again.
        QTimer::singleShot(0, this, &EnergyWindow::placeText1Selection);
    });

    for (EnergyControl c : {EnergyControl::Text1, EnergyControl::Text3, EnergyControl::Text2, EnergyControl::Label1,
                            EnergyControl::Label2, EnergyControl::Label3, EnergyControl::Label7, EnergyControl::Label8,
                            EnergyControl::Label6, EnergyControl::PrintStatus})
        render(c);
    for (int option : EnergyWindowModel::kOptions)
        renderOption(option);
}

void EnergyWindow::build()
{
    const bool female = model_.sex() == Sex::Female;

    // --- Inputs ---
    auto *frame4 = new QGroupBox(QStringLiteral("Anni"), this);
    frame4->setObjectName(QStringLiteral("Frame4"));
    text1_ = makeBox(QStringLiteral("Text1"), frame4);
    text1_->setValidator(new ModelValidator(model_, EnergyControl::Text1, text1_));
    text1_->setMaxLength(3);  // no age has more digits
    (new QVBoxLayout(frame4))->addWidget(text1_);

    auto *frame1 = new QGroupBox(QStringLiteral("Peso kg"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    text3_ = makeBox(QStringLiteral("Text3"), frame1);
    text3_->setValidator(new ModelValidator(model_, EnergyControl::Text3, text3_));
    text3_->setMaxLength(7);
    text3_->setToolTip(EnergyWindowModel::weightTooltip());
    (new QVBoxLayout(frame1))->addWidget(text3_);

    auto *activityFrame = new QGroupBox(QStringLiteral("Livello di attività"), this);
    activityFrame->setObjectName(QStringLiteral("Frafemmina"));
    auto *activityLayout = new QVBoxLayout(activityFrame);
    auto *recommendedFrame = new QGroupBox(this);
    recommendedFrame->setObjectName(QStringLiteral("FrameFEM"));
    recommendedFrame->setToolTip(EnergyWindowModel::recommendedTooltip());
    auto *recommendedLayout = new QVBoxLayout(recommendedFrame);

    const QHash<int, QColor> colours{{3, QColor(0, 0, 255)}, {4, QColor(190, 150, 0)}, {5, QColor(255, 0, 0)}};
    for (int option : EnergyWindowModel::kOptions) {
        const bool activity = option == 3 || option == 4 || option == 5;
        auto *button = new QRadioButton(EnergyWindowModel::optionCaption(option),
                                        activity ? static_cast<QWidget *>(activityFrame) : recommendedFrame);
        button->setObjectName(QStringLiteral("Option%1").arg(option));
        // The model keeps the groups exclusive and decides whether a click selects.
        button->setAutoExclusive(false);
        if (activity) {
            // The caption's colour only while the button can be chosen: disabled, it greys like
            // any other control, so that it does not look clickable.
            QPalette palette = button->palette();
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
                palette.setColor(group, QPalette::WindowText, colours.value(option));
                palette.setColor(group, QPalette::ButtonText, colours.value(option));
            }
            button->setPalette(palette);
            activityLayout->addWidget(button);
        } else {
            if (female)
                button->setToolTip(EnergyWindowModel::recommendedTooltip());
            recommendedLayout->addWidget(button);
        }
        options_.insert(option, button);
        connect(button, &QRadioButton::clicked, this, [this, option] {
            model_.userClickOption(option);
            for (int o : EnergyWindowModel::kOptions)
                renderOption(o);
        });
    }

    auto *inputs = new QHBoxLayout;
    inputs->addWidget(frame4);
    inputs->addWidget(frame1);
    inputs->addWidget(activityFrame);
    inputs->addWidget(recommendedFrame, 1);

    // --- Results ---
    auto *results = new QGridLayout;
    label1_ = makeLabel(QStringLiteral("Label1"), QString(), this);
    label2_ = makeLabel(QStringLiteral("Label2"), QString(), this);
    label3_ = makeLabel(QStringLiteral("Label3"), QString(), this);
    label3_->hide();  // the working LAF, copied into Label2
    for (QLabel *label : {label1_, label2_}) {
        label->setStyleSheet(QString::fromLatin1(kWhiteOnGreen));
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(90);
    }
    text2_ = makeBox(QStringLiteral("Text2"), this);
    text2_->setValidator(new ModelValidator(model_, EnergyControl::Text2, text2_));
    text2_->setStyleSheet(QString::fromLatin1("QLineEdit { background-color: rgb(0, 128, 0); color: white; }"));
    text2_->setMaxLength(20);

    results->addWidget(makeLabel(QStringLiteral("Label5_2"), QStringLiteral("Metabolismo Basale = "), this), 0, 0,
                       Qt::AlignRight);
    results->addWidget(label1_, 0, 1);
    results->addWidget(makeLabel(QStringLiteral("Label4_0"), QStringLiteral("kcal"), this), 0, 2);
    results->addWidget(makeLabel(QStringLiteral("Label5_0"), QStringLiteral("Livello di Attività Fisica ="), this), 1,
                       0, Qt::AlignRight);
    results->addWidget(label2_, 1, 1);
    results->addWidget(text2_, 2, 1);
    results->addWidget(
        makeLabel(QStringLiteral("Label5_1"), QStringLiteral("kcal                Fabbisogno Energetico"), this), 2, 2);
    results->addWidget(label3_, 3, 0);

    QFont splitFont(model_.splitLabelFont());
    splitFont.setBold(true);
    label7_ = makeLabel(QStringLiteral("Label7"), QString(), this);
    label8_ = makeLabel(QStringLiteral("Label8"), QString(), this);
    for (QLabel *label : {label7_, label8_}) {
        label->setFont(splitFont);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    results->addWidget(label7_, 4, 0, 1, 3);
    results->addWidget(label8_, 5, 0, 1, 3);

    const QString units[3] = {QStringLiteral("g di PROTIDI"), QStringLiteral("g di LIPIDI"),
                              QStringLiteral("g di GLUCIDI")};
    const QString unitNames[3] = {QStringLiteral("Label4_3"), QStringLiteral("Label4_2"), QStringLiteral("Label4_1")};
    for (int i = 0; i < 3; ++i) {
        label6_[i] = makeLabel(QStringLiteral("Label6_%1").arg(i), QStringLiteral("0"), this);
        label6_[i]->setAutoFillBackground(true);
        QPalette palette = label6_[i]->palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        label6_[i]->setPalette(palette);
        label6_[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label6_[i]->setMinimumWidth(90);
        results->addWidget(label6_[i], 6 + i, 1);
        results->addWidget(makeLabel(unitNames[i], units[i], this), 6 + i, 2);
    }
    results->setRowStretch(9, 1);

    // --- Chart ---
    chartSet_ = new QBarSet(QStringLiteral("g di macronutrienti"));
    chartSet_->append({0.0, 0.0, 0.0});
    chartSet_->setColor(QColor(0, 128, 0));
    auto *series = new QBarSeries;
    series->append(chartSet_);
    // The grams are written beside the chart in the user's number form; the bars only draw them.
    series->setLabelsVisible(false);
    auto *chart = new QChart;
    chart->addSeries(series);
    auto *categories = new QBarCategoryAxis;
    categories->append({QStringLiteral("Protidi"), QStringLiteral("Lipidi"), QStringLiteral("Glucidi")});
    auto *values = new QCategoryAxis;
    values->setTitleText(QStringLiteral("g di macronutrienti"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);
    showChartAxis(values, chartAxis(0), QLocale());
    chart->legend()->hide();
    auto *chartView = new QChartView(chart, this);
    chartView->setObjectName(QStringLiteral("MSChart1"));
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumSize(320, 260);
    chartView->setFocusPolicy(Qt::NoFocus);

    auto *middle = new QHBoxLayout;
    middle->addLayout(results, 1);
    middle->addWidget(chartView, 1);

    // --- Commands ---
    command1_ = new QPushButton(this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setIcon(svgIcon(QStringLiteral(":/energy/stampa.svg"), QSize(40, 40)));
    command1_->setIconSize(QSize(40, 40));
    command1_->setToolTip(QStringLiteral("Stampa il riepilogo"));
    command3_ = new QPushButton(this);
    command3_->setObjectName(QStringLiteral("Command3"));
    command3_->setIcon(svgIcon(QStringLiteral(":/energy/indietro.svg"), QSize(40, 40)));
    command3_->setIconSize(QSize(40, 40));
    command3_->setToolTip(QStringLiteral("Torna alla finestra iniziale"));
    status_ = makeLabel(QStringLiteral("lblStampa"), QString(), this);
    connect(command1_, &QPushButton::clicked, this, [this] { model_.userClickPrint(); });
    connect(command3_, &QPushButton::clicked, this, [this] { model_.userClickBack(); });

    auto *commands = new QHBoxLayout;
    commands->addWidget(command1_);
    commands->addWidget(status_, 1);
    commands->addWidget(command3_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addLayout(middle, 1);
    layout->addLayout(commands);

    // The tab order of the controls, as the user meets them.
    track(text1_, EnergyControl::Text1);
    track(text3_, EnergyControl::Text3);
    for (int option : EnergyWindowModel::kOptions)
        track(options_.value(option), EnergyWindowModel::optionControl(option));
    track(text2_, EnergyControl::Text2);
    track(command1_, EnergyControl::Command1);
    track(command3_, EnergyControl::Command3);
    QWidget *previous = text1_;
    for (QWidget *next : std::initializer_list<QWidget *>{text3_, options_.value(3), options_.value(4), options_.value(5),
                                                          options_.value(12), options_.value(11), text2_, command1_,
                                                          command3_}) {
        setTabOrder(previous, next);
        previous = next;
    }

    connect(text1_, &QLineEdit::textEdited, this, [this](const QString &t) { model_.userEdit(EnergyControl::Text1, t); });
    connect(text3_, &QLineEdit::textEdited, this, [this](const QString &t) { model_.userEdit(EnergyControl::Text3, t); });
    connect(text2_, &QLineEdit::textEdited, this, [this](const QString &t) { model_.userEdit(EnergyControl::Text2, t); });
}

void EnergyWindow::track(QWidget *widget, EnergyControl control)
{
    controls_.insert(widget, control);
    widget->installEventFilter(this);
}

bool EnergyWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Window activation and pop-ups (a message box closing) hand the focus back; they are
        // no move of the user's.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const EnergyControl control = controls_.value(watched, EnergyControl::None);
            if (control != EnergyControl::None && model_.focus() != control) {
                model_.userFocus(control);
                if (model_.focus() != control)
                    renderFocus(model_.focus());
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void EnergyWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        model_.opened();
}

void EnergyWindow::closeEvent(QCloseEvent *event)
{
    model_.closed();
    QWidget::closeEvent(event);
}

void EnergyWindow::setTextKeepingCursor(QLineEdit *box, const QString &text)
{
    if (box->text() == text)
        return;
    box->setText(text);
}

void EnergyWindow::render(EnergyControl control)
{
    switch (control) {
    case EnergyControl::Text1: setTextKeepingCursor(text1_, model_.text1()); break;
    case EnergyControl::Text3: setTextKeepingCursor(text3_, model_.text3()); break;
    case EnergyControl::Text2: setTextKeepingCursor(text2_, model_.text2()); break;
    case EnergyControl::Label1: label1_->setText(model_.label1()); break;
    case EnergyControl::Label2: label2_->setText(model_.label2()); break;
    case EnergyControl::Label3: label3_->setText(model_.label3()); break;
    case EnergyControl::Label7:
        label7_->setText(model_.label7());
        label7_->setVisible(model_.label7Visible());
        label7_->adjustSize();
        break;
    case EnergyControl::Label8:
        label8_->setText(model_.label8());
        label8_->setVisible(model_.label8Visible());
        label8_->adjustSize();
        break;
    case EnergyControl::Label6:
        for (int i = 0; i < 3; ++i) {
            label6_[i]->setText(model_.label6(i));
            chartSet_->replace(i, model_.chartValue(i + 1));
        }
        if (auto *view = findChild<QChartView *>(QStringLiteral("MSChart1"))) {
            auto *axis = qobject_cast<QCategoryAxis *>(view->chart()->axes(Qt::Vertical).value(0));
            const double top = std::max({model_.chartValue(1), model_.chartValue(2), model_.chartValue(3)});
            if (axis)
                showChartAxis(axis, chartAxis(top), QLocale());
        }
        break;
    case EnergyControl::PrintStatus:
        status_->setText(model_.printStatus());
        // Printing runs to its end before the next event: show the notice now.
        status_->repaint();
        break;
    case EnergyControl::Option3:
    case EnergyControl::Option4:
    case EnergyControl::Option5:
    case EnergyControl::Option12:
    case EnergyControl::Option11: renderOption(EnergyWindowModel::optionNumber(control)); break;
    default: break;
    }
}

void EnergyWindow::renderOption(int option)
{
    QRadioButton *button = options_.value(option);
    if (!button)
        return;
    button->setEnabled(model_.optionEnabled(option));
    if (button->isChecked() != model_.optionSelected(option)) {
        const QSignalBlocker blocker(button);
        button->setChecked(model_.optionSelected(option));
    }
}

void EnergyWindow::renderFocus(EnergyControl control)
{
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        if (it.value() == control) {
            auto *widget = static_cast<QWidget *>(it.key());
            if (!widget->hasFocus())
                widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void EnergyWindow::placeText1Selection()
{
    if (model_.focus() != EnergyControl::Text1)
        return;
    const int start = model_.text1SelectionStart();
    const int length = model_.text1SelectionLength();
    if (length > 0)
        text1_->setSelection(start, length);
    else
        text1_->setCursorPosition(start);
}

double EnergyWindow::chartValue(int column) const
{
    return chartSet_->at(column - 1);
}

}  // namespace velmo::ui
