// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energywindow.h"

#include "ui/chart/barchart.h"
#include "ui_energywindow.h"

#include <QChartView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

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
        const auto taken = model_.acceptedText(box_, input);
        if (!taken)
            return Invalid;
        input = *taken;
        return Acceptable;
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

// The form's widget of that object name. The names are the controls' old ones, which the tests and
// the help pages know.
template <typename T = QWidget>
T *formWidget(const QWidget *window, const char *objectName)
{
    T *widget = window->findChild<T *>(QString::fromLatin1(objectName));
    Q_ASSERT_X(widget, "EnergyWindow", objectName);
    return widget;
}

// The form's widget of every control the model names.
// clang-format off
constexpr std::pair<EnergyControl, const char *> kControlWidgets[] = {
    {EnergyControl::AgeBox, "Text1"},
    {EnergyControl::WeightBox, "Text3"},
    {EnergyControl::RequirementBox, "Text2"},
    {EnergyControl::BasalMetabolismLabel, "Label1"},
    {EnergyControl::LafLabel, "Label2"},
    {EnergyControl::WorkingLafLabel, "Label3"},
    {EnergyControl::AdolescentSplitLabel, "Label7"},
    {EnergyControl::AdultSplitLabel, "Label8"},
    {EnergyControl::LightActivityOption, "Option3"},
    {EnergyControl::ModerateActivityOption, "Option4"},
    {EnergyControl::HeavyActivityOption, "Option5"},
    {EnergyControl::WithRecommendedOption, "Option12"},
    {EnergyControl::WithoutRecommendedOption, "Option11"},
    {EnergyControl::PrintButton, "Command1"},
    {EnergyControl::BackButton, "Command3"},
    {EnergyControl::PrintStatus, "lblStampa"},
};
// clang-format on

}  // namespace

EnergyWindow::EnergyWindow(EnergyWindowModel &model, QWidget *parent) : QWidget(parent, Qt::Window), model_(model)
{
    setObjectName(model.sex() == Sex::Female ? QStringLiteral("Form_LAF_Femmina") : QStringLiteral("Form_LAF_Uomo"));
    Ui::EnergyWindowForm form;
    form.setupUi(this);
    setWindowTitle(model.windowCaption());
    for (const auto &[control, objectName] : kControlWidgets)
        widgets_.insert(control, formWidget(this, objectName));
    gramsLabels_ = {formWidget<QLabel>(this, "Label6_0"), formWidget<QLabel>(this, "Label6_1"),
                    formWidget<QLabel>(this, "Label6_2")};

    QFont splitFont(model_.splitLabelFont());
    splitFont.setBold(true);
    widget(EnergyControl::AdolescentSplitLabel)->setFont(splitFont);
    widget(EnergyControl::AdultSplitLabel)->setFont(splitFont);

    // The grams are written beside the chart in the user's number form; the bars only draw them.
    chart_ = new BarChart({tr("Protidi"), tr("Lipidi"), tr("Glucidi")},
                          {{tr("g di macronutrienti"), QColor(0, 128, 0)}}, AxisFit::ToTallest);
    chart_->valueAxis()->setTitleText(tr("g di macronutrienti"));
    chart_->showIn(formWidget<QChartView>(this, "MSChart1"));

    wireBox(EnergyControl::AgeBox);
    wireBox(EnergyControl::WeightBox);
    wireOptions(formWidget(this, "FrameFEM")->toolTip());
    wireBox(EnergyControl::RequirementBox);
    track(widget(EnergyControl::PrintButton), EnergyControl::PrintButton);
    track(widget(EnergyControl::BackButton), EnergyControl::BackButton);
    connect(widget<QPushButton>(EnergyControl::PrintButton), &QPushButton::clicked, this,
            [this] { model_.userClickPrint(); });
    connect(widget<QPushButton>(EnergyControl::BackButton), &QPushButton::clicked, this,
            [this] { model_.userClickBack(); });

    connect(&model_, &EnergyWindowModel::controlChanged, this, &EnergyWindow::render);
    connect(&model_, &EnergyWindowModel::focusChanged, this, &EnergyWindow::renderFocus);
    connect(&model_, &EnergyWindowModel::ageSelectionPlaced, this, [this] {
        // After the box's own focus handling, which would otherwise place the caret again.
        QTimer::singleShot(0, this, &EnergyWindow::placeAgeSelection);
    });

    for (EnergyControl c : {EnergyControl::AgeBox, EnergyControl::WeightBox, EnergyControl::RequirementBox,
                            EnergyControl::BasalMetabolismLabel, EnergyControl::LafLabel,
                            EnergyControl::WorkingLafLabel, EnergyControl::AdolescentSplitLabel,
                            EnergyControl::AdultSplitLabel, EnergyControl::GramsLabels, EnergyControl::PrintStatus})
        render(c);
    for (const EnergyOption &option : EnergyWindowModel::kOptions)
        renderOption(option.number);
}

EnergyWindow::~EnergyWindow() = default;

void EnergyWindow::wireBox(EnergyControl control)
{
    auto *box = widget<QLineEdit>(control);
    box->setValidator(new ModelValidator(model_, control, box));
    connect(box, &QLineEdit::textEdited, this, [this, control](const QString &t) { model_.userEdit(control, t); });
    track(box, control);
}

void EnergyWindow::wireOptions(const QString &recommendedTip)
{
    for (const EnergyOption &option : EnergyWindowModel::kOptions) {
        auto *button = widget<QRadioButton>(option.control);
        button->setText(EnergyWindowModel::optionCaption(option));
        if (!option.isActivity() && model_.recommendedTooltipOnButtons())
            button->setToolTip(recommendedTip);
        // The model keeps the groups exclusive and decides whether a click selects.
        connect(button, &QRadioButton::clicked, this, [this, number = option.number] {
            model_.userClickOption(number);
            for (const EnergyOption &o : EnergyWindowModel::kOptions)
                renderOption(o.number);
        });
        track(button, option.control);
    }
}

void EnergyWindow::track(QWidget *target, EnergyControl control)
{
    controls_.insert(target, control);
    target->installEventFilter(this);
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
    case EnergyControl::AgeBox:
    case EnergyControl::WeightBox:
    case EnergyControl::RequirementBox: setTextKeepingCursor(widget<QLineEdit>(control), model_.text(control)); break;
    case EnergyControl::BasalMetabolismLabel:
    case EnergyControl::LafLabel:
    case EnergyControl::WorkingLafLabel: widget<QLabel>(control)->setText(model_.text(control)); break;
    case EnergyControl::AdolescentSplitLabel:
    case EnergyControl::AdultSplitLabel: {
        auto *label = widget<QLabel>(control);
        label->setText(model_.text(control));
        label->setVisible(control == EnergyControl::AdolescentSplitLabel ? model_.adolescentSplitVisible()
                                                                         : model_.adultSplitVisible());
        label->adjustSize();
        break;
    }
    case EnergyControl::GramsLabels:
        for (int i = 0; i < 3; ++i)
            gramsLabels_[static_cast<std::size_t>(i)]->setText(model_.gramsCaption(i));
        chart_->setValues({model_.chartValue(1), model_.chartValue(2), model_.chartValue(3)});
        break;
    case EnergyControl::PrintStatus: {
        auto *notice = widget<QLabel>(control);
        notice->setText(model_.printStatus());
        // Printing runs to its end before the next event: show the notice now.
        notice->repaint();
        break;
    }
    case EnergyControl::LightActivityOption:
    case EnergyControl::ModerateActivityOption:
    case EnergyControl::HeavyActivityOption:
    case EnergyControl::WithRecommendedOption:
    case EnergyControl::WithoutRecommendedOption: renderOption(EnergyWindowModel::optionNumber(control)); break;
    default: break;
    }
}

void EnergyWindow::renderOption(int option)
{
    auto *button = widget<QRadioButton>(EnergyWindowModel::optionControl(option));
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
    QWidget *target = widget(control);
    if (target && controls_.contains(target) && !target->hasFocus())
        target->setFocus(Qt::OtherFocusReason);
}

void EnergyWindow::placeAgeSelection()
{
    if (model_.focus() != EnergyControl::AgeBox)
        return;
    const int start = model_.ageSelectionStart();
    const int length = model_.ageSelectionLength();
    if (length > 0)
        widget<QLineEdit>(EnergyControl::AgeBox)->setSelection(start, length);
    else
        widget<QLineEdit>(EnergyControl::AgeBox)->setCursorPosition(start);
}

double EnergyWindow::chartValue(int column) const
{
    return chart_->value(column - 1);
}

}  // namespace velmo::ui
