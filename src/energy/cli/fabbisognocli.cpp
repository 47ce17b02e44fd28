// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/cli/fabbisognocli.h"

#include "common/csv.h"
#include "common/numbertext.h"
#include "energy/cli/calculatorcommandline.h"
#include "energy/energymodel.h"

#include <QCoreApplication>

#include <optional>

namespace velmo {

namespace {

// The context of the program's texts.
struct EnergyCalculator {
    Q_DECLARE_TR_FUNCTIONS(EnergyCalculator)
};

std::optional<Sex> readSex(const QString &text)
{
    const QString t = text.toLower();
    if (t == QStringLiteral("f") || t == QStringLiteral("femmina"))
        return Sex::Female;
    if (t == QStringLiteral("m") || t == QStringLiteral("maschio"))
        return Sex::Male;
    return std::nullopt;
}

std::optional<ActivityLevel> readActivity(const QString &text)
{
    const QString t = text.toLower();
    if (t == QStringLiteral("leggera"))
        return ActivityLevel::Light;
    if (t == QStringLiteral("moderata"))
        return ActivityLevel::Moderate;
    if (t == QStringLiteral("pesante"))
        return ActivityLevel::Heavy;
    return std::nullopt;
}

std::optional<RecommendedActivities> readRecommended(const QString &text)
{
    const QString t = text.toLower();
    if (t == QStringLiteral("si") || t == QStringLiteral("sì"))
        return RecommendedActivities::With;
    if (t == QStringLiteral("no"))
        return RecommendedActivities::Without;
    return std::nullopt;
}

QString activityWord(ActivityLevel activity)
{
    switch (activity) {
    case ActivityLevel::Light: return QStringLiteral("leggera");
    case ActivityLevel::Moderate: return QStringLiteral("moderata");
    case ActivityLevel::Heavy: return QStringLiteral("pesante");
    case ActivityLevel::NotChosen: break;
    }
    return {};
}

QString recommendedWord(RecommendedActivities recommended)
{
    switch (recommended) {
    case RecommendedActivities::With: return QStringLiteral("si");
    case RecommendedActivities::Without: return QStringLiteral("no");
    case RecommendedActivities::NotChosen: break;
    }
    return {};
}

int fail(QTextStream &err, const QString &reason)
{
    err << reason << '\n' << EnergyCalculator::tr("Usa --help per l'elenco delle opzioni.") << '\n';
    err.flush();
    return kCalculatorInputError;
}

// The person of the command line; empty, with `why` said, when a value cannot be read or is out
// of range. The windows take what fits their boxes; a script's typing error (a weight of 0, a
// group separator read as a decimal one) must not become a plausible-looking figure.
std::optional<EnergyProfile> readPerson(const CalculatorArguments &given, const QLocale &locale, QString &why)
{
    const auto sex = readSex(given.value("--sesso"));
    if (!sex) {
        why = EnergyCalculator::tr("Valore non valido per --sesso: \"%1\" (usare F o M).").arg(given.value("--sesso"));
        return std::nullopt;
    }
    const auto age = readWholeArgument16(given.value("--anni"), ArgumentFraction::Refused, locale);
    if (!age) {
        why = EnergyCalculator::tr("Valore non valido per --anni: \"%1\" (un numero intero di anni, da 0 a %2).")
                  .arg(given.value("--anni"), QString::number(kMaxAge));
        return std::nullopt;
    }
    if (*age > kMaxAge) {
        why = EnergyCalculator::tr("Età non accettata: --anni \"%1\" vale %2 anni; l'età va da 0 a %3 anni.")
                  .arg(given.value("--anni"), QString::number(*age), QString::number(kMaxAge));
        return std::nullopt;
    }
    // Kilograms with decimals, rounded to the whole kilogram as the window does.
    const auto weight = readWholeArgument16(given.value("--peso"), ArgumentFraction::CommaOrPoint, locale);
    if (!weight) {
        why = EnergyCalculator::tr("Valore non valido per --peso: \"%1\" (i kg, da 1 a %2, come 70 o 70,5; "
                                   "tre cifre dopo la virgola o il punto potrebbero essere migliaia).")
                  .arg(given.value("--peso"), QString::number(kMaxWeight));
        return std::nullopt;
    }
    if (*weight < 1 || *weight > kMaxWeight) {
        why = EnergyCalculator::tr("Peso non accettato: --peso \"%1\" vale %2 kg; il peso va da 1 a %3 kg.")
                  .arg(given.value("--peso"), QString::number(*weight), QString::number(kMaxWeight));
        return std::nullopt;
    }
    EnergyProfile profile;
    profile.sex = *sex;
    profile.age = *age;
    profile.weight = *weight;
    return profile;
}

// The activity choices of the command line into `profile`, and whether the person's age has what
// it needs; the reason when not.
QString readChoices(const CalculatorArguments &given, EnergyProfile &profile)
{
    if (given.has("--attivita")) {
        const auto activity = readActivity(given.value("--attivita"));
        if (!activity)
            return EnergyCalculator::tr("Valore non valido per --attivita: \"%1\" (usare leggera, moderata o pesante).")
                .arg(given.value("--attivita"));
        profile.activity = *activity;
    }
    if (given.has("--auspicabili")) {
        const auto recommended = readRecommended(given.value("--auspicabili"));
        if (!recommended)
            return EnergyCalculator::tr("Valore non valido per --auspicabili: \"%1\" (usare si o no).")
                .arg(given.value("--auspicabili"));
        profile.recommended = *recommended;
    }
    if (profile.age >= 18 && profile.age <= 59
        && (profile.activity == ActivityLevel::NotChosen || profile.recommended == RecommendedActivities::NotChosen))
        return EnergyCalculator::tr("Dai 18 ai 59 anni servono --attivita e --auspicabili.");
    if (profile.age >= 60 && profile.recommended == RecommendedActivities::NotChosen)
        return EnergyCalculator::tr("Dai 60 anni in su serve --auspicabili (l'attività è sempre leggera).");
    return {};
}

// Tells what the person's age leaves out of the choices, and leaves it out.
void applyAgeRules(EnergyProfile &profile, QTextStream &err)
{
    if (profile.age >= 60 && profile.activity != ActivityLevel::NotChosen && profile.activity != ActivityLevel::Light)
        err << EnergyCalculator::tr("Nota: dai 60 anni in su l'attività è sempre leggera.") << '\n';
    if (profile.age < 18
        && (profile.activity != ActivityLevel::NotChosen || profile.recommended != RecommendedActivities::NotChosen))
        err << EnergyCalculator::tr("Nota: sotto i 18 anni le opzioni di attività non contano.") << '\n';
    if (profile.age < 10)
        err << EnergyCalculator::tr(
            "In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale")
            << '\n';
    err.flush();

    if (profile.age >= 60)
        profile.activity = ActivityLevel::Light;
    if (profile.age < 18) {
        profile.activity = ActivityLevel::NotChosen;
        profile.recommended = RecommendedActivities::NotChosen;
    }
}

// The figures as the windows show them; empty where the person's age has none.
struct Figures {
    QString basal, laf, energy;
    QString grams[3];
};

Figures figuresOf(const EnergyRequirement &result, const QLocale &locale)
{
    Figures f;
    f.basal = basalText(result.basalMetabolism, locale);
    f.laf = result.laf ? lafText(*result.laf, locale) : QString();
    f.energy = result.energy ? energyText(*result.energy, locale) : QString();
    if (result.split) {
        f.grams[0] = gramsText(result.split->proteinGrams, locale);
        f.grams[1] = gramsText(result.split->fatGrams, locale);
        f.grams[2] = gramsText(result.split->carbohydrateGrams, locale);
    }
    return f;
}

void writeCsv(QTextStream &out, const EnergyProfile &profile, const Figures &f, const QLocale &locale)
{
    out << csvRecord({QStringLiteral("sesso"), QStringLiteral("anni"), QStringLiteral("peso_kg"),
                      QStringLiteral("attivita"), QStringLiteral("auspicabili"),
                      QStringLiteral("metabolismo_basale_kcal"), QStringLiteral("laf"),
                      QStringLiteral("fabbisogno_kcal"), QStringLiteral("protidi_g"), QStringLiteral("lipidi_g"),
                      QStringLiteral("glucidi_g")});
    out << csvRecord({profile.sex == Sex::Female ? QStringLiteral("F") : QStringLiteral("M"),
                      formatUnits(profile.age, 0, locale), formatUnits(profile.weight, 0, locale),
                      activityWord(profile.activity), recommendedWord(profile.recommended), f.basal, f.laf, f.energy,
                      f.grams[0], f.grams[1], f.grams[2]});
}

void writeReport(QTextStream &out, const EnergyProfile &profile, const EnergyRequirement &result, const Figures &f)
{
    out << EnergyCalculator::tr("Metabolismo Basale = %1 kcal").arg(f.basal) << '\n';
    if (result.laf)
        out << EnergyCalculator::tr("Livello di Attività Fisica (LAF) = %1").arg(f.laf) << '\n';
    if (result.energy)
        out << EnergyCalculator::tr("Fabbisogno Energetico = %1 kcal").arg(f.energy) << '\n';
    if (result.split) {
        out << splitCaption(profile.sex, splitKindForAge(profile.age)) << '\n';
        out << EnergyCalculator::tr("%1 g di PROTIDI").arg(f.grams[0]) << '\n';
        out << EnergyCalculator::tr("%1 g di LIPIDI").arg(f.grams[1]) << '\n';
        out << EnergyCalculator::tr("%1 g di GLUCIDI").arg(f.grams[2]) << '\n';
    }
}

}  // namespace

QString energyCalculatorHelp()
{
    return EnergyCalculator::tr(
        "Uso: velmo-fabbisogno --sesso F|M --anni N --peso KG [--attivita leggera|moderata|pesante]\n"
        "                      [--auspicabili si|no] [--csv] [--lingua it|en]\n"
        "\n"
        "Calcola il metabolismo basale, il livello di attività fisica (LAF), il fabbisogno energetico\n"
        "giornaliero e la sua suddivisione in grammi di protidi, lipidi e glucidi per una dieta\n"
        "equilibrata, con gli stessi valori che mostrano le finestre del programma.\n"
        "\n"
        "Opzioni:\n"
        "  --sesso F|M           F per femmina, M per maschio\n"
        "  --anni N              età in anni compiuti (numero intero, da 0 a 120)\n"
        "  --peso KG             peso in kg, da 1 a 350; i decimali (con la virgola o il punto) sono\n"
        "                        arrotondati al kg intero\n"
        "  --attivita LIVELLO    livello di attività fisica: leggera, moderata o pesante\n"
        "                        (richiesto dai 18 ai 59 anni)\n"
        "  --auspicabili si|no   con o senza le attività fisiche auspicabili\n"
        "                        (richiesto dai 18 anni in su)\n"
        "  --csv                 una riga CSV preceduta dall'intestazione\n"
        "  --lingua it|en        la lingua dei messaggi: it italiano, en inglese (senza l'opzione,\n"
        "                        quella di LANGUAGE o delle impostazioni locali)\n"
        "  -h, --help            mostra questo aiuto\n"
        "\n"
        "Sotto i 10 anni viene calcolato il solo metabolismo basale; dai 10 ai 17 anni il LAF è fisso\n"
        "e le opzioni di attività non contano; dai 60 anni in su l'attività è sempre leggera.\n"
        "I numeri sono scritti secondo le impostazioni locali dell'utente. Nei valori il loro separatore\n"
        "delle migliaia è letto come tale (1.000 in italiano, 1,000 in inglese: mille); altrimenti tre\n"
        "cifre dopo la virgola o il punto sono rifiutate, perché potrebbero essere migliaia.\n"
        "I valori sono stime e non sostituiscono il parere di un medico o di un dietista.\n"
        "\n"
        "Codici di uscita: 0 calcolo eseguito, 2 argomenti mancanti o non validi, 3 impossibile scrivere\n"
        "il risultato sullo standard output (disco pieno, output chiuso, pipe interrotta).\n");
}

int runEnergyCalculator(const QStringList &arguments, QTextStream &out, QTextStream &err, const QLocale &locale)
{
    QString why;
    const std::optional<CalculatorArguments> given = readCalculatorArguments(arguments, why);
    if (!given)
        return fail(err, why);
    if (given->help) {
        out << energyCalculatorHelp();
        out.flush();
        return 0;
    }
    for (const char *required : {"--sesso", "--anni", "--peso"})
        if (!given->has(required))
            return fail(err, EnergyCalculator::tr("Manca l'opzione %1.").arg(QString::fromLatin1(required)));
    std::optional<EnergyProfile> profile = readPerson(*given, locale, why);
    if (!profile)
        return fail(err, why);
    if (why = readChoices(*given, *profile); !why.isEmpty())
        return fail(err, why);
    applyAgeRules(*profile, err);

    const EnergyRequirement result = computeRequirement(*profile, locale);
    const Figures figures = figuresOf(result, locale);
    if (given->csv)
        writeCsv(out, *profile, figures, locale);
    else
        writeReport(out, *profile, result, figures);
    out.flush();
    return 0;
}

}  // namespace velmo
