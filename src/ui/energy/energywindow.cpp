#include "energywindow.h"

#include "ui/chart/barchart.h"
#include "ui_energywindow.h"

#include <QCategoryAxis>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QShowEvent>
#include <QTimer>
#include <QValidator>

namespace velmo::ui {

namespace {

// Lets a box take only what its model accepts, key by key and on paste alike.
class ModelValidator : public QValidator {
public:
    ModelValidator(const EnergyWindowModel &model, EnergyControl box, QObject *parent)
        : QValidator(parent), model_(model), box_(box)
    {
    }

    State validate(QString &input, int &) const override
    {
        return model_.acceptsText(box_, input) ? Acceptable : Invalid;
    }

private:
    const EnergyWindowModel &model_;
    EnergyControl box_;
};

void setTextKeepingCursor(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

}  // namespace

EnergyWindow::EnergyWindow(EnergyWindowModel &model, QWidget *parent)
    : QWidget(parent, Qt::Window), model_(model), form_(std::make_unique<Ui::EnergyWindowForm>())
{
    setObjectName(model.sex() == Sex::Female ? QStringLiteral("Form_LAF_Femmina") : QStringLiteral("Form_LAF_Uomo"));
    form_->setupUi(this);
    setWindowTitle(model.windowCaption());

    QFont splitFont(model_.splitLabelFont());
    splitFont.setBold(true);
    form_->Label7->setFont(splitFont);
    form_->Label8->setFont(splitFont);

    // The grams are written beside the chart in the user's number form; the bars only draw them.
    chart_ = new BarChart({QStringLiteral("Protidi"), QStringLiteral("Lipidi"), QStringLiteral("Glucidi")},
                          {{QStringLiteral("g di macronutrienti"), QColor(0, 128, 0)}}, AxisFit::ToTallest);
    chart_->valueAxis()->setTitleText(QStringLiteral("g di macronutrienti"));
    chart_->showIn(form_->MSChart1);

    widgets_ = {{EnergyControl::Text1, form_->Text1},       {EnergyControl::Text3, form_->Text3},
                {EnergyControl::Text2, form_->Text2},       {EnergyControl::Label1, form_->Label1},
                {EnergyControl::Label2, form_->Label2},     {EnergyControl::Label3, form_->Label3},
                {EnergyControl::Label7, form_->Label7},     {EnergyControl::Label8, form_->Label8},
                {EnergyControl::Option3, form_->Option3},   {EnergyControl::Option4, form_->Option4},
                {EnergyControl::Option5, form_->Option5},   {EnergyControl::Option12, form_->Option12},
                {EnergyControl::Option11, form_->Option11}, {EnergyControl::Command1, form_->Command1},
                {EnergyControl::Command3, form_->Command3}, {EnergyControl::PrintStatus, form_->lblStampa}};

    wireBox(form_->Text1, EnergyControl::Text1);
    wireBox(form_->Text3, EnergyControl::Text3);
    for (const EnergyOption &option : EnergyWindowModel::kOptions) {
        auto *button = static_cast<QRadioButton *>(widgets_.value(option.control));
        button->setText(QString::fromUtf8(option.caption));
        if (!option.isActivity() && model_.recommendedTooltipOnButtons())
            button->setToolTip(form_->FrameFEM->toolTip());
        // The model keeps the groups exclusive and decides whether a click selects.
        connect(button, &QRadioButton::clicked, this, [this, number = option.number] {
            model_.userClickOption(number);
            for (const EnergyOption &o : EnergyWindowModel::kOptions)
                renderOption(o.number);
        });
        track(button, option.control);
    }
    wireBox(form_->Text2, EnergyControl::Text2);
    track(form_->Command1, EnergyControl::Command1);
    track(form_->Command3, EnergyControl::Command3);
    connect(form_->Command1, &QPushButton::clicked, this, [this] { model_.userClickPrint(); });
    connect(form_->Command3, &QPushButton::clicked, this, [this] { model_.userClickBack(); });

    connect(&model_, &EnergyWindowModel::controlChanged, this, &EnergyWindow::render);
    connect(&model_, &EnergyWindowModel::focusChanged, this, &EnergyWindow::renderFocus);
    connect(&model_, &EnergyWindowModel::ageSelectionPlaced, this, [this] {
        // After the box's own focus handling, which would otherwise place the caret again.
        QTimer::singleShot(0, this, &EnergyWindow::placeAgeSelection);
    });

    for (EnergyControl c : {EnergyControl::Text1, EnergyControl::Text3, EnergyControl::Text2, EnergyControl::Label1,
                            EnergyControl::Label2, EnergyControl::Label3, EnergyControl::Label7, EnergyControl::Label8,
                            EnergyControl::Label6, EnergyControl::PrintStatus})
        render(c);
    for (const EnergyOption &option : EnergyWindowModel::kOptions)
        renderOption(option.number);
}

EnergyWindow::~EnergyWindow() = default;

void EnergyWindow::wireBox(QLineEdit *box, EnergyControl control)
{
    box->setValidator(new ModelValidator(model_, control, box));
    connect(box, &QLineEdit::textEdited, this, [this, control](const QString &t) { model_.userEdit(control, t); });
    track(box, control);
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

void EnergyWindow::render(EnergyControl control)
{
    switch (control) {
    case EnergyControl::Text1:
    case EnergyControl::Text3:
    case EnergyControl::Text2:
        setTextKeepingCursor(static_cast<QLineEdit *>(widgets_.value(control)), model_.text(control));
        break;
    case EnergyControl::Label1:
    case EnergyControl::Label2:
    case EnergyControl::Label3: static_cast<QLabel *>(widgets_.value(control))->setText(model_.text(control)); break;
    case EnergyControl::Label7:
    case EnergyControl::Label8: {
        auto *label = static_cast<QLabel *>(widgets_.value(control));
        label->setText(model_.text(control));
        label->setVisible(control == EnergyControl::Label7 ? model_.adolescentSplitVisible()
                                                           : model_.adultSplitVisible());
        label->adjustSize();
        break;
    }
    case EnergyControl::Label6:
        form_->Label6_0->setText(model_.gramsCaption(0));
        form_->Label6_1->setText(model_.gramsCaption(1));
        form_->Label6_2->setText(model_.gramsCaption(2));
        chart_->setValues({model_.chartValue(1), model_.chartValue(2), model_.chartValue(3)});
        break;
    case EnergyControl::PrintStatus:
        form_->lblStampa->setText(model_.printStatus());
        // Printing runs to its end before the next event: show the notice now.
        form_->lblStampa->repaint();
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
    auto *button = static_cast<QRadioButton *>(widgets_.value(EnergyWindowModel::optionControl(option)));
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
    QWidget *widget = widgets_.value(control);
    if (widget && controls_.contains(widget) && !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
}

void EnergyWindow::placeAgeSelection()
{
    if (model_.focus() != EnergyControl::Text1)
        return;
    const int start = model_.ageSelectionStart();
    const int length = model_.ageSelectionLength();
    if (length > 0)
        form_->Text1->setSelection(start, length);
    else
        form_->Text1->setCursorPosition(start);
}

double EnergyWindow::chartValue(int column) const
{
    return chart_->value(column - 1);
}

}  // namespace velmo::ui
