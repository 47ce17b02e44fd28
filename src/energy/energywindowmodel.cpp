#include "energy/energywindowmodel.h"

#include "common/dialogs.h"
#include "common/numbertext.h"
#include "common/userfolder.h"
#include "common/textprinting.h"

#include <QDir>
#include <QRegularExpression>

namespace velmo {

namespace {

const QString kNoAge = QStringLiteral("Non hai messo gli anni!!");
const QString kNoWeight = QStringLiteral("Non hai messo il peso!!");
const QString kNoActivity = QStringLiteral("Non hai scelto l'attività");
const QString kBelowTen =
    QStringLiteral("In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale");
const QString kAttention = QStringLiteral("Attenzione");
const QString kInformation = QStringLiteral("Informazione");
const QString kRule = QString(67, u'_');

ActivityLevel activityOf(int option)
{
    switch (option) {
    case 3: return ActivityLevel::Light;
    case 4: return ActivityLevel::Moderate;
    case 5: return ActivityLevel::Heavy;
    default: return ActivityLevel::NotChosen;
    }
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

QString EnergyWindowModel::adultCaption() const
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

QString EnergyWindowModel::weightTooltip()
{
    return QStringLiteral("Inserire il Peso sempre a 2 cifre, anteponendo lo 0 se il peso e minore di 10 Kg.");
}

QString EnergyWindowModel::recommendedTooltip()
{
    return QStringLiteral("Attività fisiche consigliate per i soggettti sedentari per il mantenimento del tono "
                          "muscolare e cardiocircolatorio");
}

QString EnergyWindowModel::adolescentCaption()
{
    return splitCaption(Sex::Female, SplitKind::Adolescent);
}

QString EnergyWindowModel::optionCaption(int option)
{
    switch (option) {
    case 3: return QStringLiteral("Leggera");
    case 4: return QStringLiteral("Moderata");
    case 5: return QStringLiteral("Pesante");
    case 12: return QStringLiteral("Con attività fisiche auspicabili");
    case 11: return QStringLiteral("Senza le attività fisiche auspicabili");
    default: return {};
    }
}

EnergyControl EnergyWindowModel::optionControl(int option)
{
    switch (option) {
    case 3: return EnergyControl::Option3;
    case 4: return EnergyControl::Option4;
    case 5: return EnergyControl::Option5;
    case 12: return EnergyControl::Option12;
    case 11: return EnergyControl::Option11;
    default: return EnergyControl::None;
    }
}

int EnergyWindowModel::optionNumber(EnergyControl control)
{
    for (int option : kOptions)
        if (optionControl(option) == control)
            return option;
    return 0;
}

std::size_t EnergyWindowModel::slot(int option)
{
    for (std::size_t i = 0; i < kOptions.size(); ++i)
        if (kOptions[i] == option)
            return i;
    Q_ASSERT_X(false, "EnergyWindowModel", "no such option button");
    return 0;
}

// --- Opening and closing ---

void EnergyWindowModel::resetControls()
{
    text1_.clear();
    text3_.clear();
    text2_.clear();
    label1_.clear();
    label2_ = QStringLiteral(" ");
    label3_ = QStringLiteral(" ");
    label7_.clear();
    label8_.clear();
    label7Visible_ = label8Visible_ = sex_ == Sex::Female;
    label6_.fill(QStringLiteral("0"));
    chart_.fill(0.0);
    for (OptionState &option : options_)
        option = OptionState{};
    printStatus_.clear();
    text1SelStart_ = text1SelLength_ = 0;
    for (EnergyControl c : {EnergyControl::Text1, EnergyControl::Text3, EnergyControl::Text2, EnergyControl::Label1,
                            EnergyControl::Label2, EnergyControl::Label3, EnergyControl::Label7, EnergyControl::Label8,
                            EnergyControl::Label6, EnergyControl::PrintStatus})
        emit controlChanged(c);
    for (int option : kOptions)
        emit controlChanged(optionControl(option));
}

void EnergyWindowModel::opened()
{
    // A window shown again starts from its designed controls, as when first loaded; the members
    // are the window's own and stay.
    resetControls();
    focus_ = EnergyControl::None;
    setFocusTo(EnergyControl::Text1);
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
    if (box == EnergyControl::Text1) {
        for (QChar c : text)
            if (c < u'0' || c > u'9')
                return false;
        return true;
    }
    if (box == EnergyControl::Text3 || box == EnergyControl::Text2) {
        // Digits, then at most one decimal separator followed by digits.
        const QRegularExpression pattern(QStringLiteral("^(?:[0-9]+(?:%1[0-9]*)?)?$")
                                             .arg(QRegularExpression::escape(locale().decimalPoint())));
        return pattern.match(text).hasMatch();
    }
    return false;
}

bool EnergyWindowModel::userEdit(EnergyControl box, const QString &text)
{
    if (!acceptsText(box, text))
        return false;
    if (box == EnergyControl::Text1)
        setText1(text);
    else if (box == EnergyControl::Text3)
        setText3(text);
    else
        setText2(text);
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
    setFocusTo(EnergyControl::Command1);
    if (focus_ == EnergyControl::Command1)
        command1Click();
}

void EnergyWindowModel::userClickBack()
{
    setFocusTo(EnergyControl::Command3);
    if (focus_ == EnergyControl::Command3)
        command3Click();
}

// --- Assignments ---
// A text box runs its change handler when its text changes; a label on every assignment of its
// caption (so a split label emptied and then set runs its split twice).

void EnergyWindowModel::setText1(const QString &text)
{
    if (text == text1_)
        return;
    text1_ = text;
    emit controlChanged(EnergyControl::Text1);
    text1Change();
}

void EnergyWindowModel::setText3(const QString &text)
{
    if (text == text3_)
        return;
    text3_ = text;
    emit controlChanged(EnergyControl::Text3);
    text3Change();
}

void EnergyWindowModel::setText2(const QString &text)
{
    if (text == text2_)
        return;
    text2_ = text;
    emit controlChanged(EnergyControl::Text2);
    text2Change();
}

void EnergyWindowModel::setLabel1(const QString &caption)
{
    label1_ = caption;
    emit controlChanged(EnergyControl::Label1);
    label1Change();
}

void EnergyWindowModel::setLabel2(const QString &caption)
{
    label2_ = caption;
    emit controlChanged(EnergyControl::Label2);
}

void EnergyWindowModel::setLabel3(const QString &caption)
{
    label3_ = caption;
    emit controlChanged(EnergyControl::Label3);
}

void EnergyWindowModel::setLabel7(const QString &caption)
{
    label7_ = caption;
    emit controlChanged(EnergyControl::Label7);
    label7Change();
}

void EnergyWindowModel::setLabel8(const QString &caption)
{
    label8_ = caption;
    emit controlChanged(EnergyControl::Label8);
    label8Change();
}

void EnergyWindowModel::setLabel6(int index, const QString &caption)
{
    label6_.at(static_cast<std::size_t>(index)) = caption;
    emit controlChanged(EnergyControl::Label6);
}

void EnergyWindowModel::setOptionSelected(int option, bool selected)
{
    OptionState &state = options_.at(slot(option));
    if (state.selected == selected)
        return;
    if (selected) {
        // The two groups are exclusive each within itself.
        const bool activity = option == 3 || option == 4 || option == 5;
        for (int other : kOptions) {
            const bool otherActivity = other == 3 || other == 4 || other == 5;
            if (other != option && otherActivity == activity && optionSelected(other)) {
                options_.at(slot(other)).selected = false;
                emit controlChanged(optionControl(other));
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
    if (control == EnergyControl::Text1)
        text1GotFocus();
    else if (control == EnergyControl::Text3)
        text3GotFocus();
    else if (const int option = optionNumber(control); option != 0)
        optionGotFocus(option);
}

void EnergyWindowModel::lostFocus(EnergyControl control)
{
    if (control == EnergyControl::Text1)
        text1LostFocus();
    else if (control == EnergyControl::Text3)
        text3LostFocus();
}

// --- Helpers shared by the handlers ---

std::optional<double> EnergyWindowModel::readAge() const
{
    return readLocaleNumber(text1_, locale());
}

void EnergyWindowModel::setLaf(std::optional<Fixed4> value)
{
    laf_ = value;
}

void EnergyWindowModel::setLabel3FromLaf()
{
    // A LAF not yet known for this person shows as nothing, never as another person's value.
    setLabel3(laf_ ? lafText(*laf_, locale()) : QString());
}

void EnergyWindowModel::recomputeText2()
{
    // What cannot be computed from the labels as they read now is shown empty.
    const auto energy = energyRequirement(label2_, label1_, locale());
    setText2(energy ? energyText(*energy, locale()) : QString());
}

void EnergyWindowModel::enableOptions(bool enabled)
{
    for (int option : kOptions)
        setOptionEnabled(option, enabled);
}

void EnergyWindowModel::applyAdolescentFactor()
{
    const auto age = readAge();
    if (!age)
        return;
    const auto factor = adolescentFactor(sex_, *age);
    if (!factor)
        return;
    setLaf(factor);
    setLabel2(lafText(*factor, locale()));
    setLabel3FromLaf();
    enableOptions(false);
    recomputeText2();
}

bool EnergyWindowModel::ageBelowTen() const
{
    const auto age = readAge();
    return age && *age < 10;
}

void EnergyWindowModel::attention(const QString &text)
{
    dialogs_.message(text, kAttention, MessageIcon::Critical);
}

// --- Age box ---

void EnergyWindowModel::text1GotFocus()
{
    // A new person starts here: the LAF chosen for the last one no longer applies.
    laf_.reset();

    const int length = static_cast<int>(text1_.size());
    if (sex_ == Sex::Female) {
        text1SelStart_ = std::min(2, length);
        text1SelLength_ = length - text1SelStart_;
    } else {
        text1SelStart_ = 0;
        text1SelLength_ = length;
    }
    emit text1SelectionPlaced();

    setText3(QString());
    setText2(QString());
    setLabel1(QString());
    setLabel2(QString());
    setLabel7(QString());
    setLabel8(QString());

    for (int option : {3, 4, 5}) {
        setOptionEnabled(option, true);
        setOptionSelected(option, false);
    }
    for (int option : {11, 12}) {
        setOptionEnabled(option, true);
        setOptionSelected(option, false);
    }
}

void EnergyWindowModel::text1Change()
{
    if (text1_.size() == 2)
        setFocusTo(EnergyControl::Text3);
    applyAdolescentFactor();
}

void EnergyWindowModel::text1LostFocus()
{
    // Below ten only the basal metabolism is computed, however the age was typed ("9" or "09");
    // from ten to seventeen the LAF is fixed, also when the age was left as it stood.
    if (text1_.size() == 1 || ageBelowTen())
        enableOptions(false);
    else
        applyAdolescentFactor();
}

// --- Weight box ---

void EnergyWindowModel::text3GotFocus()
{
    if (text1_.isEmpty()) {
        attention(kNoAge);
        setFocusTo(EnergyControl::Text1);
    }
}

void EnergyWindowModel::text3Change()
{
    age_ = readWholeNumber16(text1_, locale());
    weight_ = readWholeNumber16(text3_, locale());
    if (age_ && weight_) {
        basal_ = basalMetabolism(sex_, *age_, *weight_);
        setLabel1(basalText(*basal_, locale()));
    } else {
        basal_.reset();
        setLabel1(QString());
    }

    // The requirement follows every weight, however many digits it has.
    recomputeText2();

    if (text3_.size() == 2 && age_) {
        if (*age_ < 10) {
            dialogs_.message(kBelowTen, kInformation, MessageIcon::Information);
        } else if (*age_ >= 60) {
            setOptionSelected(3, true);
            setOptionEnabled(4, false);
            setOptionEnabled(5, false);
        }
    }
}

void EnergyWindowModel::text3LostFocus()
{
    setText3(text3_.toUpper());
    if (text3_.size() == 1)
        setText3(QStringLiteral("0") + text3_);
}

// --- Basal metabolism label ---

void EnergyWindowModel::label1Change()
{
    const auto age = readAge();
    if (!age)
        return;
    if (const auto factor = adolescentFactor(sex_, *age)) {
        setLaf(factor);
        setLabel3FromLaf();
    }
}

// --- Option buttons ---

void EnergyWindowModel::optionGotFocus(int option)
{
    if (text1_.isEmpty()) {
        attention(kNoAge);
        setFocusTo(EnergyControl::Text1);
    } else if (text3_.isEmpty()) {
        attention(kNoWeight);
        setFocusTo(EnergyControl::Text3);
    }
    if ((option == 11 || option == 12) && !optionSelected(3) && !optionSelected(4) && !optionSelected(5)) {
        attention(kNoActivity);
        setFocusTo(EnergyControl::Text3);
    }
}

void EnergyWindowModel::optionClick(int option)
{
    if (option == 3 || option == 4 || option == 5) {
        const ActivityLevel activity = activityOf(option);
        if (optionSelected(option) && optionSelected(12) && !optionSelected(11)) {
            setLaf(adultFactor(sex_, activity, RecommendedActivities::With));
            setLabel3FromLaf();
        }
        if (optionSelected(option) && optionSelected(11) && !optionSelected(12))
            setLaf(adultFactor(sex_, activity, RecommendedActivities::Without));
        setLabel3FromLaf();
        setLabel2(label3_);
        recomputeText2();
        return;
    }

    const RecommendedActivities column = option == 12 ? RecommendedActivities::With : RecommendedActivities::Without;
    for (int activityOption : {3, 4, 5}) {
        if (optionSelected(activityOption)) {
            setLaf(adultFactor(sex_, activityOf(activityOption), column));
            setLabel3FromLaf();
        }
        if ((sex_ == Sex::Female && option == 12 && activityOption == 3)
            || (sex_ == Sex::Male && option == 11 && activityOption == 4))
            setLabel3FromLaf();
    }

    if (const auto age = readAge()) {
        if (sex_ == Sex::Male && option == 12) {
            if (*age >= 60) {
                setLaf(elderlyFactor(sex_, 60, column));
                setLabel3FromLaf();
            }
        } else if (const auto factor = elderlyFactor(sex_, *age, column)) {
            setLaf(factor);
            setLabel3FromLaf();
        }
    }

    setLabel2(label3_);
    recomputeText2();
}

// --- Energy requirement box and split labels ---

void EnergyWindowModel::text2Change()
{
    age_ = readWholeNumber16(text1_, locale());
    if (!age_) {
        // Without an age the division cannot be chosen: show none rather than the last one.
        for (int i = 0; i < 3; ++i)
            label6_.at(static_cast<std::size_t>(i)).clear();
        chart_.fill(0.0);
        emit controlChanged(EnergyControl::Label6);
        return;
    }
    if (*age_ <= 17) {
        label7Visible_ = true;
        setLabel7(QString());
        setLabel7(adolescentCaption());
    }
    if (*age_ >= 18) {
        label8Visible_ = true;
        setLabel8(QString());
        setLabel8(adultCaption());
    }
}

void EnergyWindowModel::label7Change()
{
    runSplit(SplitKind::Adolescent);
}

void EnergyWindowModel::label8Change()
{
    runSplit(SplitKind::Adult);
}

void EnergyWindowModel::runSplit(SplitKind kind)
{
    const auto split = macronutrientSplit(text2_, kind, locale());
    const double grams[3] = {split ? split->proteinGrams : 0.0, split ? split->fatGrams : 0.0,
                             split ? split->carbohydrateGrams : 0.0};
    for (int i = 0; i < 3; ++i)
        setLabel6(i, gramsText(grams[i], locale()));
    // The chart is fed from the captions, so it shows exactly the rounded grams.
    for (int column = 1; column <= 3; ++column)
        chart_.at(static_cast<std::size_t>(column - 1)) =
            readLocaleNumberOrZero(label6_.at(static_cast<std::size_t>(column - 1)), locale());
    emit controlChanged(EnergyControl::Label6);
}

// --- Print and back ---

QString EnergyWindowModel::printTitle(const QString &name)
{
    return QStringLiteral("Fabbisogno Energetico -  ") + name;
}

QStringList EnergyWindowModel::printLines(const QString &name) const
{
    QStringList lines{QString(), QString(), QString(), kRule, printTitle(name), kRule, sexLine(),
                      QStringLiteral("Anni ") + text1_, QStringLiteral("Peso ") + text3_ + QStringLiteral(" kg"),
                      QStringLiteral("Il tuo Metabolismo Basale è di ") + label1_ + QStringLiteral(" kcal/giorno")};
    for (int activity : {3, 4, 5}) {
        bool printed = false;
        for (int recommended : {12, 11}) {
            if (optionSelected(activity) && optionSelected(recommended)) {
                lines << QStringLiteral("Con una Attività ") + optionCaption(activity) + QStringLiteral(" ")
                             + optionCaption(recommended);
                printed = true;
                break;
            }
        }
        if (printed)
            break;
    }
    lines << QStringLiteral("Il tuo livello di Attività Fisica (LAF) è di ") + label2_
          << QStringLiteral("Il tuo FABBISOGNO ENERGETICO è di ") + text2_ + QStringLiteral(" kcal/giorno")
          << QStringLiteral("Che in una DIETA EQUILIBRATA va così suddiviso:")
          << label6_[0] + QStringLiteral(" g di PROTIDI") << label6_[1] + QStringLiteral(" g di LIPIDI")
          << label6_[2] + QStringLiteral(" g di GLUCIDI") << kRule;
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
    return QDir(userFolder(QStandardPaths::DocumentsLocation)).filePath(QStringLiteral("Fabbisogno Energetico - ") + safe + QStringLiteral(".pdf"));
}

void EnergyWindowModel::command1Click()
{
    const QString name = dialogs_.input(QStringLiteral("Inserisci il tuo NOME"), QStringLiteral("NOME"),
                                        QStringLiteral("Accertati di aver inserito i dati prima di stampare."));
    if (text1_.isEmpty() || text3_.isEmpty() || name.trimmed().isEmpty())
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

    printStatus_ = QStringLiteral("Stampa in corso...");
    emit controlChanged(EnergyControl::PrintStatus);
    const PrintOutcome outcome = printers_.printText(printTitle(name), 14, printLines(name), pdfFile);
    printStatus_.clear();
    emit controlChanged(EnergyControl::PrintStatus);

    if (!outcome.ok) {
        const QString reason = outcome.error.isEmpty() ? QStringLiteral("La stampa non è riuscita.") : outcome.error;
        dialogs_.message(reason, kAttention, MessageIcon::Critical);
    }
}

void EnergyWindowModel::command3Click()
{
    emit backRequested();
}

}  // namespace velmo
