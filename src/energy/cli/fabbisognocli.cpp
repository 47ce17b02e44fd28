#include "energy/cli/fabbisognocli.h"

#include "common/csv.h"
#include "common/numbertext.h"
#include "energy/energymodel.h"

#include <QMap>

#include <optional>

namespace velmo {

namespace {

constexpr int kBadArguments = 2;
constexpr int kMaxAge = 120;
constexpr int kMaxWeight = 350;  // kg

struct Options {
    QMap<QString, QString> values;
    bool csv = false;
    bool help = false;
};

const QStringList kValueOptions{QStringLiteral("--sesso"), QStringLiteral("--anni"), QStringLiteral("--peso"),
                                QStringLiteral("--attivita"), QStringLiteral("--auspicabili")};

// Empty text when the arguments are sound, else the reason.
QString parse(const QStringList &arguments, Options &options)
{
    for (int i = 0; i < arguments.size(); ++i) {
        QString name = arguments.at(i);
        std::optional<QString> value;
        if (const qsizetype eq = name.indexOf(u'='); name.startsWith(QStringLiteral("--")) && eq > 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        }
        if (name == QStringLiteral("--help") || name == QStringLiteral("-h")) {
            options.help = true;
            continue;
        }
        if (name == QStringLiteral("--csv") && !value) {
            options.csv = true;
            continue;
        }
        if (!kValueOptions.contains(name))
            return QStringLiteral("Argomento non riconosciuto: \"%1\".").arg(arguments.at(i));
        if (!value) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("Manca il valore di %1.").arg(name);
            value = arguments.at(++i);
        }
        if (options.values.contains(name))
            return QStringLiteral("%1 è indicato più di una volta.").arg(name);
        options.values.insert(name, value->trimmed());
    }
    return {};
}

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
    err << reason << '\n' << QStringLiteral("Usa --help per l'elenco delle opzioni.") << '\n';
    err.flush();
    return kBadArguments;
}

}  // namespace

QString energyCalculatorHelp()
{
    return QStringLiteral(
        "Uso: velmo-fabbisogno --sesso F|M --anni N --peso KG [--attivita leggera|moderata|pesante]\n"
        "                      [--auspicabili si|no] [--csv]\n"
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
    Options options;
    if (const QString reason = parse(arguments, options); !reason.isEmpty())
        return fail(err, reason);
    if (options.help) {
        out << energyCalculatorHelp();
        out.flush();
        return 0;
    }

    const auto value = [&](const char *name) { return options.values.value(QString::fromLatin1(name)); };
    const auto has = [&](const char *name) { return options.values.contains(QString::fromLatin1(name)); };

    for (const char *required : {"--sesso", "--anni", "--peso"})
        if (!has(required))
            return fail(err, QStringLiteral("Manca l'opzione %1.").arg(QString::fromLatin1(required)));

    const auto sex = readSex(value("--sesso"));
    if (!sex)
        return fail(err, QStringLiteral("Valore non valido per --sesso: \"%1\" (usare F o M).").arg(value("--sesso")));
    // The windows take what fits their boxes; a script's typing error (a weight of 0, a group
    // separator read as a decimal one) must not become a plausible-looking figure.
    const auto age = readWholeArgument16(value("--anni"), ArgumentFraction::Refused, locale);
    if (!age)
        return fail(err, QStringLiteral("Valore non valido per --anni: \"%1\" (un numero intero di anni, da 0 a %2).")
                             .arg(value("--anni"), QString::number(kMaxAge)));
    if (*age > kMaxAge)
        return fail(err, QStringLiteral("Età non accettata: --anni \"%1\" vale %2 anni; l'età va da 0 a %3 anni.")
                             .arg(value("--anni"), QString::number(*age), QString::number(kMaxAge)));
    // Kilograms with decimals, rounded to the whole kilogram as the window does.
    const auto weight = readWholeArgument16(value("--peso"), ArgumentFraction::CommaOrPoint, locale);
    if (!weight)
        return fail(err, QStringLiteral("Valore non valido per --peso: \"%1\" (i kg, da 1 a %2, come 70 o 70,5; "
                                        "tre cifre dopo la virgola o il punto potrebbero essere migliaia).")
                             .arg(value("--peso"), QString::number(kMaxWeight)));
    if (*weight < 1 || *weight > kMaxWeight)
        return fail(err, QStringLiteral("Peso non accettato: --peso \"%1\" vale %2 kg; il peso va da 1 a %3 kg.")
                             .arg(value("--peso"), QString::number(*weight), QString::number(kMaxWeight)));

    EnergyProfile profile;
    profile.sex = *sex;
    profile.age = *age;
    profile.weight = *weight;
    if (has("--attivita")) {
        const auto activity = readActivity(value("--attivita"));
        if (!activity)
            return fail(err, QStringLiteral("Valore non valido per --attivita: \"%1\" (usare leggera, moderata o "
                                            "pesante).")
                                 .arg(value("--attivita")));
        profile.activity = *activity;
    }
    if (has("--auspicabili")) {
        const auto recommended = readRecommended(value("--auspicabili"));
        if (!recommended)
            return fail(err, QStringLiteral("Valore non valido per --auspicabili: \"%1\" (usare si o no).")
                                 .arg(value("--auspicabili")));
        profile.recommended = *recommended;
    }

    if (profile.age >= 18 && profile.age <= 59
        && (profile.activity == ActivityLevel::NotChosen || profile.recommended == RecommendedActivities::NotChosen))
        return fail(err, QStringLiteral("Dai 18 ai 59 anni servono --attivita e --auspicabili."));
    if (profile.age >= 60 && profile.recommended == RecommendedActivities::NotChosen)
        return fail(err, QStringLiteral("Dai 60 anni in su serve --auspicabili (l'attività è sempre leggera)."));

    if (profile.age >= 60 && profile.activity != ActivityLevel::NotChosen && profile.activity != ActivityLevel::Light)
        err << QStringLiteral("Nota: dai 60 anni in su l'attività è sempre leggera.") << '\n';
    if (profile.age < 18
        && (profile.activity != ActivityLevel::NotChosen || profile.recommended != RecommendedActivities::NotChosen))
        err << QStringLiteral("Nota: sotto i 18 anni le opzioni di attività non contano.") << '\n';
    if (profile.age < 10)
        err << QStringLiteral("In questo caso essendo minore di 10 anni, viene calcolato il solo Metabolismo Basale")
            << '\n';
    err.flush();

    if (profile.age >= 60)
        profile.activity = ActivityLevel::Light;
    if (profile.age < 18) {
        profile.activity = ActivityLevel::NotChosen;
        profile.recommended = RecommendedActivities::NotChosen;
    }

    const EnergyRequirement result = computeRequirement(profile, locale);
    const QString basal = basalText(result.basalMetabolism, locale);
    const QString laf = result.laf ? lafText(*result.laf, locale) : QString();
    const QString energy = result.energy ? energyText(*result.energy, locale) : QString();
    QString grams[3];
    if (result.split) {
        grams[0] = gramsText(result.split->proteinGrams, locale);
        grams[1] = gramsText(result.split->fatGrams, locale);
        grams[2] = gramsText(result.split->carbohydrateGrams, locale);
    }

    if (options.csv) {
        out << csvRecord({QStringLiteral("sesso"), QStringLiteral("anni"), QStringLiteral("peso_kg"),
                          QStringLiteral("attivita"), QStringLiteral("auspicabili"),
                          QStringLiteral("metabolismo_basale_kcal"), QStringLiteral("laf"),
                          QStringLiteral("fabbisogno_kcal"), QStringLiteral("protidi_g"), QStringLiteral("lipidi_g"),
                          QStringLiteral("glucidi_g")});
        out << csvRecord({profile.sex == Sex::Female ? QStringLiteral("F") : QStringLiteral("M"),
                          formatUnits(profile.age, 0, locale), formatUnits(profile.weight, 0, locale),
                          activityWord(profile.activity), recommendedWord(profile.recommended), basal, laf, energy,
                          grams[0], grams[1], grams[2]});
        out.flush();
        return 0;
    }

    out << QStringLiteral("Metabolismo Basale = ") << basal << QStringLiteral(" kcal") << '\n';
    if (result.laf)
        out << QStringLiteral("Livello di Attività Fisica (LAF) = ") << laf << '\n';
    if (result.energy)
        out << QStringLiteral("Fabbisogno Energetico = ") << energy << QStringLiteral(" kcal") << '\n';
    if (result.split) {
        out << splitCaption(profile.sex, splitKindForAge(profile.age)) << '\n';
        out << grams[0] << QStringLiteral(" g di PROTIDI") << '\n';
        out << grams[1] << QStringLiteral(" g di LIPIDI") << '\n';
        out << grams[2] << QStringLiteral(" g di GLUCIDI") << '\n';
    }
    out.flush();
    return 0;
}

}  // namespace velmo
