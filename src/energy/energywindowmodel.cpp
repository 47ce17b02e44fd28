#include "energy/energywindowmodel.h"

#include "common/dialogs.h"
#include "common/numbertext.h"
#include "common/userfolder.h"
#include "common/textprinting.h"

#include <QDir>

namespace velmo {

namespace {

const QString kNoAge = QStringLiteral("Non hai messo gli anni!!");
const QString kNoWeight = QStringLiteral("Non hai messo il peso!!");
const QString kNoActivity = QStringLiteral("Non hai scelto l'attività");
const QString kBelowTen = QStringLiteral(
    "In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale");
const QString kAttention = QStringLiteral("Attenzione");
const QString kInformation = QStringLiteral("Informazione");
const QString kRule = QString(67, u'_');

const EnergyOption *findOption(int number)
{
    for (const EnergyOption &option : EnergyWindowModel::kOptions)
        if (option.number == number)
            return &option;
    return nullptr;
}

int columnOption(RecommendedActivities column)
{
    for (const EnergyOption &option : EnergyWindowModel::kOptions)
        if (option.column == column)
            return option.number;
    return 0;
}

}  // namespace

EnergyWindowModel::EnergyWindowModel(Sex sex, Dialogs &dialogs, TextPrinting &printers, QObject *parent)
    : QObject(parent), sex_(sex), dialogs_(dialogs), printers_(printers)
{
    resetControls();
}

QString EnergyWindowModel::windowCaption() const
{
    return sex_ == Sex::Female
               ? QStringLiteral("Calcolo del Fabbisogno Energetico Giornaliero per le persone di sesso femminile")
               : QStringLiteral("Calcolo del Fabbisogno Energetico Giornaliero per le persone di sesso maschile");
}

QString EnergyWindowModel::adultHeading() const
{
    return splitCaption(sex_, SplitKind::Adult);
}

QString EnergyWindowModel::sexLine() const
{
    return sex_ == Sex::Female ? QStringLiteral("Sesso Femmina ") : QStringLiteral("Sesso Maschio");
}

QString EnergyWindowModel::splitLabelFont() const
{
    return sex_ == Sex::Female ? QStringLiteral("Arial") : QStringLiteral("MS Sans Serif");
}

QString EnergyWindowModel::adolescentHeading()
{
    return splitCaption(Sex::Female, SplitKind::Adolescent);
}

QString EnergyWindowModel::optionCaption(int option)
{
    const EnergyOption *found = findOption(option);
    return found ? QString::fromUtf8(found->caption) : QString();
}

EnergyControl EnergyWindowModel::optionControl(int option)
{
    const EnergyOption *found = findOption(option);
    return found ? found->control : EnergyControl::None;
}

int EnergyWindowModel::optionNumber(EnergyControl control)
{
    for (const EnergyOption &option : kOptions)
        if (option.control == control)
            return option.number;
    return 0;
}

std::size_t EnergyWindowModel::slot(int option)
{
    const EnergyOption *found = findOption(option);
    Q_ASSERT_X(found, "EnergyWindowModel", "no such option button");
    return found ? static_cast<std::size_t>(found - kOptions.data()) : 0;
}

// --- Opening and closing ---

void EnergyWindowModel::resetControls()
{
    texts_.fill(QString());
    texts_[index(EnergyControl::LafLabel)] = QStringLiteral(" ");
    texts_[index(EnergyControl::WorkingLafLabel)] = QStringLiteral(" ");
    adolescentSplitVisible_ = adultSplitVisible_ = sex_ == Sex::Female;
    grams_.fill(QStringLiteral("0"));
    chart_.fill(0.0);
    options_.fill(OptionState{});
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
    focus_ = EnergyControl::None;
    setFocusTo(EnergyControl::AgeBox);
}

void EnergyWindowModel::closed()
{
    // Closing unloads the controls: no lost-focus handler runs.
    focus_ = EnergyControl::None;
    emit focusChanged(focus_);
}

// --- User events ---

void EnergyWindowModel::userFocus(EnergyControl control)
{
    setFocusTo(control);
}

bool EnergyWindowModel::acceptsText(EnergyControl box, const QString &text) const
{
    if (box == EnergyControl::AgeBox)
        return isUnsignedWholeInput(text);
    if (box == EnergyControl::WeightBox || box == EnergyControl::RequirementBox)
        return isUnsignedDecimalInput(text, locale());
    return false;
}

bool EnergyWindowModel::userEdit(EnergyControl box, const QString &text)
{
    if (!acceptsText(box, text))
        return false;
    setText(box, text);
    return true;
}

void EnergyWindowModel::userClickOption(int option)
{
    if (focus_ != optionControl(option) || !optionEnabled(option))
        return;
    setOptionSelected(option, true);
}

void EnergyWindowModel::userClickPrint()
{
    setFocusTo(EnergyControl::PrintButton);
    if (focus_ == EnergyControl::PrintButton)
        printClick();
}

void EnergyWindowModel::userClickBack()
{
    setFocusTo(EnergyControl::BackButton);
    if (focus_ == EnergyControl::BackButton)
        backClick();
}

// --- Assignments ---

void EnergyWindowModel::setText(EnergyControl control, const QString &text)
{
    QString &held = texts_.at(index(control));
    const bool textBox = control == EnergyControl::AgeBox || control == EnergyControl::WeightBox
                         || control == EnergyControl::RequirementBox;
    if (textBox && text == held)
        return;
    held = text;
    emit controlChanged(control);
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

void EnergyWindowModel::setOptionSelected(int option, bool selected)
{
    OptionState &state = options_.at(slot(option));
    if (state.selected == selected)
        return;
    if (selected) {
        // The two groups are exclusive each within itself.
        const bool activity = findOption(option)->isActivity();
        for (const EnergyOption &other : kOptions) {
            if (other.number != option && other.isActivity() == activity && optionSelected(other.number)) {
                options_.at(slot(other.number)).selected = false;
                emit controlChanged(other.control);
            }
        }
    }
    state.selected = selected;
    emit controlChanged(optionControl(option));
    if (selected)
        optionClick(option);
}

void EnergyWindowModel::setOptionEnabled(int option, bool enabled)
{
    OptionState &state = options_.at(slot(option));
    if (state.enabled == enabled)
        return;
    state.enabled = enabled;
    emit controlChanged(optionControl(option));
}

void EnergyWindowModel::setFocusTo(EnergyControl control)
{
    if (control == focus_ || control == EnergyControl::None)
        return;
    const int option = optionNumber(control);
    if (option != 0 && !optionEnabled(option))
        return;
    const EnergyControl previous = focus_;
    focus_ = control;
    emit focusChanged(focus_);
    lostFocus(previous);
    if (focus_ != control)
        return;  // the lost-focus handler sent the focus elsewhere
    if (option != 0 && !optionEnabled(option)) {
        // The lost-focus handler disabled the target: the focus stays where it was.
        focus_ = previous;
        emit focusChanged(focus_);
        return;
    }
    gotFocus(control);
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
    dialogs_.message(text, kAttention, MessageIcon::Critical);
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
        attention(kNoAge);
        setFocusTo(EnergyControl::AgeBox);
    }
}

void EnergyWindowModel::weightChange()
{
    age_ = readWholeNumber16(ageText(), locale());
    weight_ = readWholeNumber16(weightText(), locale());
    if (age_ && weight_) {
        basal_ = basalMetabolism(sex_, *age_, *weight_);
        setText(EnergyControl::BasalMetabolismLabel, basalText(*basal_, locale()));
    } else {
        basal_.reset();
        setText(EnergyControl::BasalMetabolismLabel, QString());
    }

    // The requirement follows every weight, however many digits it has.
    recomputeRequirement();

    if (weightText().size() == 2 && age_) {
        if (*age_ < 10) {
            dialogs_.message(kBelowTen, kInformation, MessageIcon::Information);
        } else if (*age_ >= 60) {
            // From sixty the activity is light: the other levels are no choice.
            for (const EnergyOption &option : kOptions) {
                if (option.activity == ActivityLevel::Light)
                    setOptionSelected(option.number, true);
                else if (option.isActivity())
                    setOptionEnabled(option.number, false);
            }
        }
    }
}

void EnergyWindowModel::weightLostFocus()
{
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
        attention(kNoAge);
        setFocusTo(EnergyControl::AgeBox);
    } else if (weightText().isEmpty()) {
        attention(kNoWeight);
        setFocusTo(EnergyControl::WeightBox);
    }
    if (!findOption(option)->isActivity() && !anyActivitySelected()) {
        attention(kNoActivity);
        setFocusTo(EnergyControl::WeightBox);
    }
}

void EnergyWindowModel::optionClick(int option)
{
    const EnergyOption &button = *findOption(option);
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
    const double grams[3] = {split ? split->proteinGrams : 0.0, split ? split->fatGrams : 0.0,
                             split ? split->carbohydrateGrams : 0.0};
    for (std::size_t i = 0; i < grams_.size(); ++i) {
        grams_[i] = gramsText(grams[i], locale());
        emit controlChanged(EnergyControl::GramsLabels);
    }
    // The chart is fed from the captions, so it shows exactly the rounded grams.
    for (std::size_t i = 0; i < chart_.size(); ++i)
        chart_[i] = readLocaleNumberOrZero(grams_[i], locale());
    emit controlChanged(EnergyControl::GramsLabels);
}

// --- Print and back ---

QString EnergyWindowModel::printTitle(const QString &name)
{
    return QStringLiteral("Fabbisogno Energetico -  ") + name;
}

QString EnergyWindowModel::activityLine() const
{
    // The pairs in order: each activity with, then without.
    for (const EnergyOption &activity : kOptions) {
        for (const EnergyOption &column : kOptions) {
            if (activity.isActivity() && !column.isActivity() && optionSelected(activity.number)
                && optionSelected(column.number))
                return QStringLiteral("Con una Attività ") + QString::fromUtf8(activity.caption) + QStringLiteral(" ")
                       + QString::fromUtf8(column.caption);
        }
    }
    return {};
}

QStringList EnergyWindowModel::printLines(const QString &name) const
{
    QStringList lines{QString(),
                      QString(),
                      QString(),
                      kRule,
                      printTitle(name),
                      kRule,
                      sexLine(),
                      QStringLiteral("Anni ") + ageText(),
                      QStringLiteral("Peso ") + weightText() + QStringLiteral(" kg"),
                      QStringLiteral("Il tuo Metabolismo Basale è di ") + basalMetabolismCaption()
                          + QStringLiteral(" kcal/giorno")};
    if (const QString activity = activityLine(); !activity.isEmpty())
        lines << activity;
    lines << QStringLiteral("Il tuo livello di Attività Fisica (LAF) è di ") + lafCaption()
          << QStringLiteral("Il tuo FABBISOGNO ENERGETICO è di ") + requirementText() + QStringLiteral(" kcal/giorno")
          << QStringLiteral("Che in una DIETA EQUILIBRATA va così suddiviso:")
          << grams_[0] + QStringLiteral(" g di PROTIDI") << grams_[1] + QStringLiteral(" g di LIPIDI")
          << grams_[2] + QStringLiteral(" g di GLUCIDI") << kRule;
    return lines;
}

QString EnergyWindowModel::proposedPdfPath(const QString &name)
{
    // The name becomes part of a file name: characters that no file system accepts are replaced.
    QString safe;
    for (QChar c : name.trimmed()) {
        if (c.unicode() < 32 || QStringLiteral("\\/:*?\"<>|").contains(c))
            safe += u'_';
        else
            safe += c;
    }
    while (safe.endsWith(u'.') || safe.endsWith(u' '))
        safe.chop(1);
    return QDir(userFolder(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Fabbisogno Energetico - ") + safe + QStringLiteral(".pdf"));
}

void EnergyWindowModel::printClick()
{
    const QString name = dialogs_.input(QStringLiteral("Inserisci il tuo NOME"), QStringLiteral("NOME"),
                                        QStringLiteral("Accertati di aver inserito i dati prima di stampare."));
    if (ageText().isEmpty() || weightText().isEmpty() || name.trimmed().isEmpty())
        return;

    QString pdfFile;
    if (printers_.printerInUse() == pdfPrinterName()) {
        pdfFile = dialogs_.saveFileName(QStringLiteral("Salva il fabbisogno energetico in PDF"), proposedPdfPath(name),
                                        QStringLiteral("File PDF (*.pdf)"));
        if (pdfFile.isEmpty())
            return;  // the user chose not to save
        if (!pdfFile.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            pdfFile += QStringLiteral(".pdf");
    }

    setText(EnergyControl::PrintStatus, QStringLiteral("Stampa in corso..."));
    const PrintOutcome outcome = printers_.printText(printTitle(name), 14, printLines(name), pdfFile);
    setText(EnergyControl::PrintStatus, QString());

    if (!outcome.ok) {
        const QString reason = outcome.error.isEmpty() ? QStringLiteral("La stampa non è riuscita.") : outcome.error;
        dialogs_.message(reason, kAttention, MessageIcon::Critical);
    }
}

void EnergyWindowModel::backClick()
{
    emit backRequested();
}

}  // namespace velmo
