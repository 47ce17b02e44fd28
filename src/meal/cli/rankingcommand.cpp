// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/rankingcommand.h"

#include "catalogue/foodcategory.h"
#include "common/inputecho.h"
#include "common/numbertext.h"
#include "meal/mealfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace velmo {

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("RankingCommand", source);
}

std::optional<RankingCommand> refuse(QString *error, const QString &message)
{
    *error = message;
    return std::nullopt;
}

// The value of an option given at most once, with its value; none, with the message, otherwise.
std::optional<QString> onlyValue(const QCommandLineParser &parser, const QCommandLineOption &option, QString *error)
{
    const QString name = option.names().constFirst();
    if (parser.optionNames().count(name) != 1 || parser.values(option).size() != 1) {
        *error = text(QT_TRANSLATE_NOOP("RankingCommand", "--%1 vuole un valore, una volta sola (vedere velmo-pasto "
                                                          "--help)"))
                     .arg(name);
        return std::nullopt;
    }
    return parser.value(option);
}

}  // namespace

std::optional<RankingCommand> readRankingCommand(const QStringList &arguments, QString *error)
{
    const QCommandLineOption ranking{QStringLiteral("classifica"), QString(), QStringLiteral("CHIAVE")};
    const QCommandLineOption category{QStringLiteral("categoria"), QString(), QStringLiteral("NOME")};
    const QCommandLineOption per{QStringLiteral("per"), QString(), QStringLiteral("BASE")};
    const QCommandLineOption language{QStringLiteral("lingua"), QString(), QStringLiteral("LINGUA")};
    QCommandLineParser parser;
    parser.addOptions({ranking, category, per, language});
    const bool parsed = parser.parse(QStringList{QStringLiteral("velmo-pasto")} + arguments);
    if (!parser.isSet(ranking) && !parser.isSet(category) && !parser.isSet(per))
        return std::nullopt;
    if (!parsed || !parser.positionalArguments().isEmpty() || !parser.isSet(ranking))
        return refuse(error, text(QT_TRANSLATE_NOOP("RankingCommand",
                                                    "--classifica CHIAVE si usa solo con --categoria NOME e --per "
                                                    "100g|100kcal|porzione (vedere velmo-pasto --help)")));
    RankingCommand command;
    const auto key = onlyValue(parser, ranking, error);
    if (!key)
        return std::nullopt;
    command.key = *key;
    if (parser.isSet(category)) {
        const auto name = onlyValue(parser, category, error);
        if (!name)
            return std::nullopt;
        command.category = findFoodCategory(*name);
        if (!command.category)
            return refuse(error, text(QT_TRANSLATE_NOOP("RankingCommand",
                                                        "categoria sconosciuta %1: indicare il titolo di una categoria "
                                                        "o il nome della sua tabella (vedere velmo-pasto --help)"))
                                     .arg(echoInput(*name)));
    }
    if (parser.isSet(per)) {
        const auto basis = onlyValue(parser, per, error);
        if (!basis)
            return std::nullopt;
        static const QStringList bases{QStringLiteral("100g"), QStringLiteral("100kcal"), QStringLiteral("porzione")};
        if (!bases.contains(*basis))
            return refuse(error, text(QT_TRANSLATE_NOOP("RankingCommand", "base non valida %1: indicare --per 100g, "
                                                                          "--per 100kcal oppure --per porzione"))
                                     .arg(echoInput(*basis)));
        command.basis = static_cast<RankingBasis>(bases.indexOf(*basis));
    }
    return command;
}

std::optional<int> rankedNutrient(const Nutrients &nutrients, const QString &key, QString *error)
{
    const auto index = nutrients.indexOf(key.toUpper());
    if (index && !nutrients.at(*index).derived())
        return index;
    *error = (index ? text(QT_TRANSLATE_NOOP("RankingCommand",
                                             "%1 è un valore derivato da altri nutrienti e non si classifica: "
                                             "indicare un nutriente misurato (vedere velmo-pasto --help)"))
                    : text(QT_TRANSLATE_NOOP("RankingCommand",
                                             "nutriente sconosciuto %1: indicare la chiave INFOODS di un nutriente, "
                                             "per esempio CA o VITC (vedere velmo-pasto --help)")))
                 .arg(echoInput(key));
    return std::nullopt;
}

QString rankingText(const Nutrients &nutrients, int nutrient, RankingBasis basis,
                    const std::vector<RankingFood> &ranked)
{
    const NutrientDefinition &n = nutrients.at(nutrient);
    const QLocale locale;
    static const std::array<const char *, 3> headings{
        QT_TRANSLATE_NOOP("RankingCommand", "# %1 (%2): %3 per 100 g di parte edibile\n"),
        QT_TRANSLATE_NOOP("RankingCommand", "# %1 (%2): %3 per 100 kcal\n"),
        QT_TRANSLATE_NOOP("RankingCommand", "# %1 (%2): %3 per porzione standard\n")};
    QString out = text(headings[static_cast<std::size_t>(basis)]).arg(n.shownName(), n.key, n.unit);
    for (const RankingFood &f : ranked)
        out += mealFileLine(foodCategory(f.food.category).heading, f.food.name) + u';'
               + (f.ranked ? formatDecimals(*f.ranked, n.decimals, locale)
                           : text(QT_TRANSLATE_NOOP("RankingCommand", "n.d.")))
               + u'\n';
    return out;
}

QString rankingHelpText()
{
    return text(QT_TRANSLATE_NOOP(
        "RankingCommand",
        "Classifica:\n"
        "  --classifica CHIAVE  non calcola un pasto: elenca gli alimenti dal più ricco al meno ricco del\n"
        "            nutriente CHIAVE, la chiave INFOODS di un nutriente misurato (la colonna chiave di\n"
        "            --nutrienti --csv, per esempio CA calcio, FE ferro, VITC vitamina C; non i valori\n"
        "            derivati come SALE o le quote dell'energia). La prima riga inizia con \"#\" e dice il\n"
        "            nutriente, la sua unità e la base; poi una riga \"categoria;alimento;valore\" per\n"
        "            alimento, il valore nel formato dei numeri di --csv. Gli alimenti senza il valore\n"
        "            (\"n.d.\": non è zero) vengono per ultimi; a parità di valore l'ordine è alfabetico.\n"
        "            Gli alimenti personali hanno i nutrienti che la loro finestra o il loro CSV hanno dato,\n"
        "            \"n.d.\" gli altri.\n"
        "  --categoria NOME  solo gli alimenti della categoria NOME (il titolo o il nome della tabella,\n"
        "            come nelle righe di un pasto); senza, tutte le categorie\n"
        "  --per 100g|100kcal|porzione  il valore per 100 g di parte edibile (senza l'opzione), per\n"
        "            100 kcal dell'alimento (\"n.d.\" se l'energia non è nota o è zero) o per porzione\n"
        "            standard LARN del suo gruppo (\"n.d.\" per un alimento che non ne ha una)\n"
        "\n"));
}

}  // namespace velmo
