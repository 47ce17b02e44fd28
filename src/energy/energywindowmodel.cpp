// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/energywindowmodel.h"

#include "common/dialogs.h"
#include "common/numbertext.h"
#include "common/textprinting.h"

namespace velmo {

EnergyWindowModel::EnergyWindowModel(Sex sex, Dialogs &dialogs, TextPrinting &printers, QObject *parent)
    : EnergyWindowControls(parent), sex_(sex), dialogs_(dialogs), printers_(printers)
{
    resetControls();
}

QString EnergyWindowModel::windowCaption() const
{
    return sex_ == Sex::Female ? tr("Calcolo del Fabbisogno Energetico Giornaliero per le persone di sesso femminile")
                               : tr("Calcolo del Fabbisogno Energetico Giornaliero per le persone di sesso maschile");
}

QString EnergyWindowModel::adultHeading() const
{
    return splitCaption(sex_, SplitKind::Adult);
}

QString EnergyWindowModel::sexLine() const
{
    return sex_ == Sex::Female ? tr("Sesso Femmina ") : tr("Sesso Maschio");
}

QString EnergyWindowModel::splitLabelFont() const
{
    return sex_ == Sex::Female ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif");
}

QString EnergyWindowModel::adolescentHeading()
{
    return splitCaption(Sex::Female, SplitKind::Adolescent);
}

// --- Opening and closing ---

void EnergyWindowModel::resetControls()
{
    clearControls(
        {{EnergyControl::LafLabel, QStringLiteral(" ")}, {EnergyControl::WorkingLafLabel, QStringLiteral(" ")}});
    adolescentSplitVisible_ = adultSplitVisible_ = sex_ == Sex::Female;
    grams_.fill(QStringLiteral("0"));
    chart_.fill(0.0);
    ageSelStart_ = ageSelLength_ = 0;
    for (EnergyControl c : {EnergyControl::AgeBox, EnergyControl::WeightBox, EnergyControl::RequirementBox,
                            EnergyControl::BasalMetabolismLabel, EnergyControl::LafLabel,
                            EnergyControl::WorkingLafLabel, EnergyControl::AdolescentSplitLabel,
                            EnergyControl::AdultSplitLabel, EnergyControl::GramsLabels, EnergyControl::PrintStatus})
        emit controlChanged(c);
    for (const EnergyOption &option : kOptions)
        emit controlChanged(option.control);
}

void EnergyWindowModel::opened()
{
    // A window shown again starts from its designed controls, as when first loaded; the members
    // are the window's own and stay.
    resetControls();
    forgetFocus();
    setFocusTo(EnergyControl::AgeBox);
}

// --- User events ---

bool EnergyWindowModel::acceptsText(EnergyControl box, const QString &text) const
{
    if (box == EnergyControl::AgeBox)
        return isUnsignedWholeInput(text);
    if (box == EnergyControl::WeightBox || box == EnergyControl::RequirementBox)
        return isUnsignedDecimalInput(text, locale());
    return false;
}

std::optional<QString> EnergyWindowModel::acceptedText(EnergyControl box, const QString &text) const
{
    if (acceptsText(box, text))
        return text;
    // Only the weight: a requirement of "2,000" kcal under English, or "2.000" under Italian, is
    // thousands, which dropping the separator reads right.
    if (box != EnergyControl::WeightBox)
        return std::nullopt;
    const QString point = locale().decimalPoint();
    QString read = text;
    read.replace(point == QStringLiteral(",") ? u'.' : u',', point.front());
    return read != text && acceptsText(box, read) ? std::optional(read) : std::nullopt;
}

bool EnergyWindowModel::userEdit(EnergyControl box, const QString &text)
{
    const auto taken = acceptedText(box, text);
    if (!taken)
        return false;
    setText(box, *taken);
    return true;
}

void EnergyWindowModel::userClickPrint()
{
    setFocusTo(EnergyControl::PrintButton);
    if (focus() == EnergyControl::PrintButton)
        printClick();
}

void EnergyWindowModel::userClickBack()
{
    setFocusTo(EnergyControl::BackButton);
    if (focus() == EnergyControl::BackButton)
        backClick();
}

// --- Handlers by control ---

void EnergyWindowModel::textAssigned(EnergyControl control)
{
    switch (control) {
    case EnergyControl::AgeBox: ageChange(); break;
    case EnergyControl::WeightBox: weightChange(); break;
    case EnergyControl::RequirementBox: requirementChange(); break;
    case EnergyControl::BasalMetabolismLabel: basalMetabolismChange(); break;
    case EnergyControl::AdolescentSplitLabel: splitChange(SplitKind::Adolescent); break;
    case EnergyControl::AdultSplitLabel: splitChange(SplitKind::Adult); break;
    default: break;  // the two LAF labels and the print notice have no handler
    }
}

void EnergyWindowModel::gotFocus(EnergyControl control)
{
    if (control == EnergyControl::AgeBox)
        ageGotFocus();
    else if (control == EnergyControl::WeightBox)
        weightGotFocus();
    else if (const int option = optionNumber(control); option != 0)
        optionGotFocus(option);
}

void EnergyWindowModel::lostFocus(EnergyControl control)
{
    if (control == EnergyControl::AgeBox)
        ageLostFocus();
    else if (control == EnergyControl::WeightBox)
        weightLostFocus();
}

// --- Helpers shared by the handlers ---

std::optional<double> EnergyWindowModel::readAge() const
{
    return readLocaleNumber(ageText(), locale());
}

void EnergyWindowModel::applyLaf(std::optional<Fixed4> value)
{
    laf_ = value;
    // A LAF not yet known for this person shows as nothing, never as another person's value.
    setText(EnergyControl::WorkingLafLabel, laf_ ? lafText(*laf_, locale()) : QString());
}

void EnergyWindowModel::recomputeRequirement()
{
    // What cannot be computed from the labels as they read now is shown empty.
    const auto energy = energyRequirement(lafCaption(), basalMetabolismCaption(), locale());
    setText(EnergyControl::RequirementBox, energy ? energyText(*energy, locale()) : QString());
}

void EnergyWindowModel::enableOptions(bool enabled)
{
    for (const EnergyOption &option : kOptions)
        setOptionEnabled(option.number, enabled);
}

void EnergyWindowModel::applyAdolescentFactor()
{
    const auto age = readAge();
    if (!age)
        return;
    const auto factor = adolescentFactor(sex_, *age);
    if (!factor)
        return;
    setText(EnergyControl::LafLabel, lafText(*factor, locale()));
    applyLaf(factor);
    enableOptions(false);
    recomputeRequirement();
}

bool EnergyWindowModel::ageBelowTen() const
{
    const auto age = readAge();
    return age && *age < 10;
}

bool EnergyWindowModel::anyActivitySelected() const
{
    for (const EnergyOption &option : kOptions)
        if (option.isActivity() && optionSelected(option.number))
            return true;
    return false;
}

void EnergyWindowModel::attention(const QString &text)
{
    dialogs_.message(text, warningTitle(), MessageIcon::Critical);
}

// --- Age box ---

void EnergyWindowModel::ageGotFocus()
{
    // A new person starts here: the LAF chosen for the last one no longer applies.
    laf_.reset();

    const int length = static_cast<int>(ageText().size());
    if (sex_ == Sex::Female) {
        ageSelStart_ = std::min(2, length);
        ageSelLength_ = length - ageSelStart_;
    } else {
        ageSelStart_ = 0;
        ageSelLength_ = length;
    }
    emit ageSelectionPlaced();

    for (EnergyControl c :
         {EnergyControl::WeightBox, EnergyControl::RequirementBox, EnergyControl::BasalMetabolismLabel,
          EnergyControl::LafLabel, EnergyControl::AdolescentSplitLabel, EnergyControl::AdultSplitLabel})
        setText(c, QString());

    for (const EnergyOption &option : kOptions) {
        setOptionEnabled(option.number, true);
        setOptionSelected(option.number, false);
    }
}

void EnergyWindowModel::ageChange()
{
    if (ageText().size() == 2)
        setFocusTo(EnergyControl::WeightBox);
    applyAdolescentFactor();
}

void EnergyWindowModel::ageLostFocus()
{
    if (const auto age = readAge(); !ageText().isEmpty() && (!age || *age > kMaxAge))
        attention(tr("Gli anni devono essere al massimo %1: il fabbisogno non è calcolato.").arg(kMaxAge));
    // Below ten only the basal metabolism is computed, however the age was typed ("9" or "09");
    // from ten to seventeen the LAF is fixed, also when the age was left as it stood.
    if (ageText().size() == 1 || ageBelowTen())
        enableOptions(false);
    else
        applyAdolescentFactor();
}

// --- Weight box ---

void EnergyWindowModel::weightGotFocus()
{
    if (ageText().isEmpty()) {
        attention(tr("Non hai messo gli anni!!"));
        setFocusTo(EnergyControl::AgeBox);
    }
}

void EnergyWindowModel::weightChange()
{
    age_ = readWholeNumber16(ageText(), locale());
    weight_ = readWholeNumber16(weightText(), locale());
    // No one weighs nothing: a weight of 0 (or below half a kilogram) would give a basal
    // metabolism that looks right and is not; so would an age or a weight past the tables'.
    if (age_ && *age_ <= kMaxAge && weight_ && *weight_ >= 1 && *weight_ <= kMaxWeight) {
        basal_ = basalMetabolism(sex_, *age_, *weight_);
        setText(EnergyControl::BasalMetabolismLabel, basalText(*basal_, locale()));
    } else {
        basal_.reset();
        setText(EnergyControl::BasalMetabolismLabel, QString());
    }

    // The requirement follows every weight, however many digits it has.
    recomputeRequirement();

    if (weightText().size() == 2 && age_ && *age_ < 10) {
        dialogs_.message(tr("In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale"),
                         noticeTitle(), MessageIcon::Information);
    } else if (weightText().size() >= 2 && age_ && *age_ >= 60) {
        // From sixty the activity is light: the other levels are no choice. Also for a weight
        // pasted whole, which never passes through two characters.
        for (const EnergyOption &option : kOptions) {
            if (option.activity == ActivityLevel::Light)
                setOptionSelected(option.number, true);
            else if (option.isActivity())
                setOptionEnabled(option.number, false);
        }
    }
}

void EnergyWindowModel::weightLostFocus()
{
    if (const auto weight = readWholeNumber16(weightText(), locale());
        !weightText().isEmpty() && (!weight || *weight > kMaxWeight))
        attention(tr("Il peso deve essere al massimo di %1 kg: il fabbisogno non è calcolato.").arg(kMaxWeight));
    setText(EnergyControl::WeightBox, weightText().toUpper());
    if (weightText().size() == 1)
        setText(EnergyControl::WeightBox, QStringLiteral("0") + weightText());
}

// --- Basal metabolism label ---

void EnergyWindowModel::basalMetabolismChange()
{
    const auto age = readAge();
    if (!age)
        return;
    if (const auto factor = adolescentFactor(sex_, *age))
        applyLaf(factor);
}

// --- Option buttons ---

void EnergyWindowModel::optionGotFocus(int option)
{
    if (ageText().isEmpty()) {
        attention(tr("Non hai messo gli anni!!"));
        setFocusTo(EnergyControl::AgeBox);
    } else if (weightText().isEmpty()) {
        attention(tr("Non hai messo il peso!!"));
        setFocusTo(EnergyControl::WeightBox);
    }
    if (!optionButton(option).isActivity() && !anyActivitySelected()) {
        attention(tr("Non hai scelto l'attività"));
        setFocusTo(EnergyControl::WeightBox);
    }
}

void EnergyWindowModel::optionClick(int option)
{
    const EnergyOption &button = optionButton(option);
    if (button.isActivity()) {
        // The column that is selected alone, if any; with neither (or both) the LAF stays.
        const bool with = optionSelected(columnOption(RecommendedActivities::With));
        const bool without = optionSelected(columnOption(RecommendedActivities::Without));
        std::optional<Fixed4> laf = laf_;
        if (optionSelected(option) && with != without)
            laf = adultFactor(sex_, button.activity,
                              with ? RecommendedActivities::With : RecommendedActivities::Without);
        applyLaf(laf);
        setText(EnergyControl::LafLabel, workingLafCaption());
        recomputeRequirement();
        return;
    }

    for (const EnergyOption &activity : kOptions) {
        if (!activity.isActivity())
            continue;
        if (optionSelected(activity.number))
            applyLaf(adultFactor(sex_, activity.activity, button.column));
        // Each window shows the LAF once more after one activity, whatever was selected.
        if ((sex_ == Sex::Female && button.column == RecommendedActivities::With
             && activity.activity == ActivityLevel::Light)
            || (sex_ == Sex::Male && button.column == RecommendedActivities::Without
                && activity.activity == ActivityLevel::Moderate))
            applyLaf(laf_);
    }

    if (const auto age = readAge()) {
        if (sex_ == Sex::Male && button.column == RecommendedActivities::With) {
            // The men's window makes one test only: sixty or more.
            if (*age >= 60)
                applyLaf(elderlyFactor(sex_, 60, button.column));
        } else if (const auto factor = elderlyFactor(sex_, *age, button.column)) {
            applyLaf(factor);
        }
    }

    setText(EnergyControl::LafLabel, workingLafCaption());
    recomputeRequirement();
}

// --- Energy requirement box and split labels ---

void EnergyWindowModel::requirementChange()
{
    age_ = readWholeNumber16(ageText(), locale());
    if (!age_) {
        // Without an age the division cannot be chosen: show none rather than the last one.
        clearGrams();
        return;
    }
    if (*age_ <= 17) {
        adolescentSplitVisible_ = true;
        setText(EnergyControl::AdolescentSplitLabel, QString());
        setText(EnergyControl::AdolescentSplitLabel, adolescentHeading());
    }
    if (*age_ >= 18) {
        adultSplitVisible_ = true;
        setText(EnergyControl::AdultSplitLabel, QString());
        setText(EnergyControl::AdultSplitLabel, adultHeading());
    }
}

void EnergyWindowModel::clearGrams()
{
    for (QString &grams : grams_)
        grams.clear();
    chart_.fill(0.0);
    emit controlChanged(EnergyControl::GramsLabels);
}

void EnergyWindowModel::splitChange(SplitKind kind)
{
    const auto split = macronutrientSplit(requirementText(), kind, locale());
    const std::array<double, 3> grams{split ? split->proteinGrams : 0.0, split ? split->fatGrams : 0.0,
                                      split ? split->carbohydrateGrams : 0.0};
    static_assert(grams.size() == std::tuple_size_v<decltype(grams_)>);
    for (std::size_t i = 0; i < grams.size(); ++i) {
        grams_[i] = gramsText(grams[i], locale());
        emit controlChanged(EnergyControl::GramsLabels);
    }
    // The chart is fed from the captions, so it shows exactly the rounded grams.
    for (std::size_t i = 0; i < chart_.size(); ++i)
        chart_[i] = readLocaleNumberOrZero(grams_[i], locale());
    emit controlChanged(EnergyControl::GramsLabels);
}

// --- Print and back ---

QString EnergyWindowModel::activityLine() const
{
    // The pairs in order: each activity with, then without.
    for (const EnergyOption &activity : kOptions) {
        for (const EnergyOption &column : kOptions) {
            if (activity.isActivity() && !column.isActivity() && optionSelected(activity.number)
                && optionSelected(column.number))
                return tr("Con una Attività %1 %2").arg(optionCaption(activity), optionCaption(column));
        }
    }
    return {};
}

EnergySummary EnergyWindowModel::summary() const
{
    return {sexLine(),      ageText(),    weightText(),      basalMetabolismCaption(),
            activityLine(), lafCaption(), requirementText(), grams_};
}

void EnergyWindowModel::printClick()
{
    const QString failure = EnergyPrintout(dialogs_, printers_).print(summary(), [this](const QString &notice) {
        setText(EnergyControl::PrintStatus, notice);
    });
    if (!failure.isEmpty())
        attention(failure);
}

void EnergyWindowModel::backClick()
{
    emit backRequested();
}

}  // namespace velmo
