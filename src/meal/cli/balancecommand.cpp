// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/balancecommand.h"

#include "meal/cli/mealfoods.h"

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodnames.h"
#include "catalogue/personalcatalogue.h"
#include "common/consoleoutput.h"
#include "common/inputecho.h"
#include "common/numbertext.h"
#include "common/programdir.h"
#include "common/safefile.h"
#include "meal/dayfile.h"
#include "meal/measurestore.h"
#include "meal/nutrientstore.h"
#include "nutrition/referenceintakes.h"
#include "plan/balancer.h"
#include "plan/lpsolver.h"
#include "plan/personmetrics.h"
#include "plan/personstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace velmo {

namespace {

constexpr int kDone = 0;
constexpr int kDatabaseFailure = 1;
constexpr int kInputFailure = 2;

QString text(const char *source)
{
    return QCoreApplication::translate("BalanceCommand", source);
}

int fail(int code, const QStringList &messages)
{
    for (const QString &m : messages)
        writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(m));
    return code;
}

std::optional<BalanceCommand> refuse(QString *error, const QString &message)
{
    *error = message;
    return std::nullopt;
}

std::optional<double> positiveNumber(const QString &typed)
{
    const auto value = readLocaleNumber(typed, QLocale());
    return value && std::isfinite(*value) && *value > 0 ? value : std::nullopt;
}

// The energy target and the references: the person's (her requirement today, her LARN), or the
// kilocalories given and the ranges of an adult, which are the same for every adult.
struct Goal {
    double kcal = 0;
    IntakePerson person;
    QStringList nutrients;
};

std::optional<Goal> goalOf(const BalanceCommand &command, QString *error, int *code)
{
    if (command.kcal)
        return Goal{*command.kcal, IntakePerson{false, 30}, {}};
    *code = kInputFailure;
    // Set only where it fails: the steps after a goal found read a non-empty error as their own failure.
    if (!QFileInfo::exists(PersonStore::defaultPath())) {
        *error = text(QT_TRANSLATE_NOOP("BalanceCommand", "nessuna persona con questo nome"));
        return std::nullopt;
    }
    const auto store = PersonStore::open(PersonStore::defaultPath(), false, error);
    if (!store) {
        *code = kDatabaseFailure;
        return std::nullopt;
    }
    StoreResult result;
    const auto person = store->person(*command.person, nullptr, &result);
    if (!person) {
        *error = result.message;
        *code = result.kind == StoreResult::Kind::Missing ? kInputFailure : kDatabaseFailure;
        return std::nullopt;
    }
    const QDate today = QDate::currentDate();
    const auto requirement = personRequirement(*person, today, QLocale());
    const auto intake = intakePerson(*person, today);
    if (const QString past = pastEnergyTablesText(*person, today, QLocale()); !past.isEmpty()) {
        *error = text(QT_TRANSLATE_NOOP("BalanceCommand", "il fabbisogno %1: indicare --kcal N")).arg(past);
        return std::nullopt;
    }
    if (!requirement || !intake) {
        *error = text(QT_TRANSLATE_NOOP("BalanceCommand",
                                        "della persona mancano età o peso, senza i quali il fabbisogno non si "
                                        "calcola: completarli nella finestra \"Persone...\" o indicare --kcal N"));
        return std::nullopt;
    }
    if (!requirement->energy) {
        *error = ageInYears(person->birthDate, today).value_or(0) < 10
                     ? text(QT_TRANSLATE_NOOP("BalanceCommand", "sotto i 10 anni si conosce solo il metabolismo "
                                                                "basale, non il fabbisogno: indicare --kcal N"))
                     : text(QT_TRANSLATE_NOOP("BalanceCommand",
                                              "della persona mancano il livello di attività o le attività fisiche "
                                              "auspicabili, senza i quali il fabbisogno non si calcola: sceglierli "
                                              "nella finestra \"Persone...\" o indicare --kcal N"));
        return std::nullopt;
    }
    return Goal{*requirement->energy, *intake, usualBalanceNutrients()};
}

// Each food of the file as a row: free between none and three standard portions (300 g without
// one) unless --libero leaves it out, close to its weight or, without one, its standard portion.
std::optional<std::vector<BalanceRow>> rowsOf(const BalanceCommand &command, const std::vector<MealFileEntry> &entries,
                                              const Meal &meal, MeasureStore &measures, const FoodNames &names,
                                              QString *error)
{
    std::vector<BalanceRow> rows;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MealItem &item = meal.items[i];
        const auto portions = measures.portions(item.food, error);
        if (!portions)
            return std::nullopt;
        std::optional<double> standard;
        if (portions->standard)
            standard = standardPortionGross(portions->standard->grams, item.values->ediblePercent);
        // Named as the user reads it in the messages; the day written names it as files do.
        BalanceRow row = usualBalanceRow(names.shown(entries[i].category, entries[i].food), item.values,
                                         item.portion.grossGrams, standard, false);
        row.fixed = !command.freeRows.empty()
                    && std::find(command.freeRows.cbegin(), command.freeRows.cend(), static_cast<int>(i) + 1)
                           == command.freeRows.cend();
        rows.push_back(row);
    }
    return rows;
}

// The balanced day on standard output, the targets as they stand on standard error; nothing on
// standard output when no plan meets them and the closest was not asked for.
// A food whose weight the plan changes takes the new weight in place of its portion; a food it
// takes down to nothing leaves the meal, as in the window.
int writeBalanced(ConsoleOutput &output, const BalanceCommand &command, MealDay day,
                  const std::vector<BalanceRow> &rows, const std::vector<BalanceTarget> &targets,
                  const BalanceResult &result)
{
    std::size_t i = 0;
    for (DayMeal &m : day.meals) {
        std::vector<MealFileEntry> kept;
        for (MealFileEntry &e : m.entries) {
            const qint64 grams = std::llround(result.grossGrams[i]);
            if (grams != std::llround(rows[i++].grossGrams)) {
                if (grams == 0)
                    continue;
                e.grams = QString::number(grams);
                e.portion.clear();
            }
            kept.push_back(e);
        }
        m.entries = std::move(kept);
    }
    // The foods above the first [Name] all gone: nothing is left to write there.
    if (day.meals.size() > 1 && day.meals.front().name.isEmpty() && day.meals.front().entries.empty())
        day.meals.erase(day.meals.begin());
    const std::optional<QByteArray> balanced = dayFileText(day);
    QString report;
    for (const QString &line : result.conflicts + outcomeLines(targets, result.outcomes, QLocale()))
        report += line + u'\n';
    const bool met = result.status == BalanceResult::Status::Balanced;
    if (!met && !command.closest)
        report += text(QT_TRANSLATE_NOOP("BalanceCommand",
                                         "nessun piano rispetta tutti gli obiettivi: nulla è scritto; il piano più "
                                         "vicino con --piu-vicino, o liberare altri alimenti e allargare i limiti\n"));
    writeStandardError(report);
    if (!met && !command.closest)
        return kNoPlanMeetsTargets;
    if (!balanced)
        return fail(kInputFailure, {text(QT_TRANSLATE_NOOP("BalanceCommand", "il giorno bilanciato non si può "
                                                                             "scrivere come file"))});
    if (!output.write(QString::fromUtf8(*balanced)) || !output.close()) {
        writeStandardError(output.failureMessage(QStringLiteral("velmo-pasto")) + u'\n');
        return kOutputFailure;
    }
    return met ? kDone : kNoPlanMeetsTargets;
}

}  // namespace

std::optional<BalanceCommand> readBalanceCommand(const QStringList &arguments, QString *error)
{
    const QCommandLineOption balance{QStringLiteral("bilancia"), QString(), QStringLiteral("FILE")};
    const QCommandLineOption kcal{QStringLiteral("kcal"), QString(), QStringLiteral("N")};
    const QCommandLineOption person{QStringLiteral("persona"), QString(), QStringLiteral("NOME")};
    const QCommandLineOption tolerance{QStringLiteral("tolleranza"), QString(), QStringLiteral("P")};
    const QCommandLineOption free{QStringLiteral("libero"), QString(), QStringLiteral("N,N")};
    const QCommandLineOption closest{QStringLiteral("piu-vicino")};
    const QCommandLineOption language{QStringLiteral("lingua"), QString(), QStringLiteral("LINGUA")};
    QCommandLineParser parser;
    parser.addOptions({balance, kcal, person, tolerance, free, closest, language});
    const bool parsed = parser.parse(QStringList{QStringLiteral("velmo-pasto")} + arguments);
    if (!parser.isSet(balance))
        return std::nullopt;
    const QString usage = text(QT_TRANSLATE_NOOP("BalanceCommand",
                                                 "uso: --bilancia FILE [--kcal N | --persona NOME] [--tolleranza P] "
                                                 "[--libero N,N...] [--piu-vicino] (vedere velmo-pasto --help)"));
    if (!parsed || !parser.positionalArguments().isEmpty() || parser.values(balance).size() != 1
        || parser.isSet(kcal) == parser.isSet(person) || parser.values(kcal).size() > 1
        || parser.values(person).size() > 1 || parser.values(tolerance).size() > 1 || parser.values(free).size() > 1)
        return refuse(error, usage);
    BalanceCommand command;
    command.file = parser.value(balance);
    command.closest = parser.isSet(closest);
    if (parser.isSet(kcal)) {
        command.kcal = positiveNumber(parser.value(kcal));
        if (!command.kcal || *command.kcal > 20000)
            return refuse(error,
                          text(QT_TRANSLATE_NOOP("BalanceCommand",
                                                 "--kcal vuole l'energia da raggiungere in kcal, tra 1 e 20000")));
    } else {
        command.person = parser.value(person);
    }
    if (parser.isSet(tolerance)) {
        const auto p = positiveNumber(parser.value(tolerance));
        if (!p || *p > 50)
            return refuse(error,
                          text(QT_TRANSLATE_NOOP("BalanceCommand",
                                                 "--tolleranza vuole una percentuale maggiore di 0 e al più 50")));
        command.tolerancePercent = *p;
    }
    if (parser.isSet(free)) {
        for (const QString &n : parser.value(free).split(u',')) {
            bool ok = false;
            const int row = n.trimmed().toInt(&ok);
            if (!ok || row < 1 || row > kMaxMealsPerDay * 12)
                return refuse(error, text(QT_TRANSLATE_NOOP("BalanceCommand",
                                                            "--libero vuole i numeri degli alimenti da cambiare, "
                                                            "contati da 1 nell'ordine del file e separati da "
                                                            "virgole: %1 non lo è"))
                                         .arg(echoInput(n)));
            command.freeRows.push_back(row);
        }
    }
    return command;
}

int runBalanceCommand(ConsoleOutput &output, const BalanceCommand &command)
{
    QFile input(command.file);
    QString error;
    if (!openRegularFile(input, &error))
        return fail(kInputFailure, {readFailureMessage(command.file, error)});
    const DayFile file = readDayFile(input);
    if (!file.ok())
        return fail(kInputFailure, errorReport(file.errors));
    const std::vector<MealFileEntry> entries = allEntries(file.day);
    for (int row : command.freeRows)
        if (row > static_cast<int>(entries.size()))
            return fail(kInputFailure,
                        {text(QT_TRANSLATE_NOOP("BalanceCommand", "--libero: il file ha %1 alimenti, non c'è il %2"))
                             .arg(QString::number(entries.size()), QString::number(row))});
    // A person's requirement is a day's: a meal alone would be balanced to the whole day.
    if (command.person && isMealFile(file.day))
        return fail(
            kInputFailure,
            {text(QT_TRANSLATE_NOOP("BalanceCommand", "--persona bilancia una giornata sul fabbisogno del "
                                                      "giorno: per un pasto indicare la sua energia con --kcal N"))});
    int code = kInputFailure;
    const auto goal = goalOf(command, &error, &code);
    if (!goal)
        return fail(code, {error});

    const auto foods = openMealFoods(entries, &error);
    if (!foods)
        return fail(kDatabaseFailure, {error});
    const auto &[database, personal] = *foods;
    NutrientStore store(database->connection());
    if (personal)
        store.setPersonalDatabase(personal->connection());
    const Nutrients *nutrients = store.nutrients(&error);
    if (!nutrients)
        return fail(kDatabaseFailure, {error});
    // Placed as the window places them: a food named in either language, a portion in place of
    // the weight worked out in grams.
    MealComposer check(database->connection());
    if (personal)
        check.setPersonalDatabase(personal->connection());
    QString databaseError;
    const std::vector<InputError> missing = check.missingFoods(entries, &databaseError);
    if (!databaseError.isEmpty())
        return fail(kDatabaseFailure, {databaseError});
    if (!missing.empty())
        return fail(kInputFailure, errorReport(missing));
    ComposedDay composed;
    if (!composeDay(composed, file.day, database->connection(), personal.get(), &error))
        return fail(kDatabaseFailure, {error});
    const auto meal = nutritionMeal(composed.placed, store, &error);
    if (!meal)
        return fail(kDatabaseFailure, {error});
    MeasureStore measures(database->connection());
    FoodNames names;
    names.setDatabase(database->connection());
    const auto rows = rowsOf(command, composed.placed, *meal, measures, names, &error);
    if (!rows)
        return fail(kDatabaseFailure, {error});
    const ReferenceIntakes *intakes = ReferenceIntakes::shipped(&error);
    const LpSolver *solver = intakes ? LpSolver::load(&error) : nullptr;
    if (!solver)
        return fail(kDatabaseFailure, {error});

    const ReferenceFor reference = referenceLookup(*intakes, goal->person, *nutrients);
    const std::vector<BalanceTarget> targets = usualTargets(*nutrients, reference, goal->kcal, command.tolerancePercent,
                                                            goal->nutrients);
    const BalanceResult result = balance(*nutrients, *rows, targets, *solver, QLocale());
    if (result.status == BalanceResult::Status::Failed)
        return fail(kInputFailure, {result.error});

    return writeBalanced(output, command, file.day, *rows, targets, result);
}

QString balanceHelpText()
{
    return text(QT_TRANSLATE_NOOP(
        "BalanceCommand", "Bilanciamento delle quantità:\n"
                          "  --bilancia FILE       propone i pesi degli alimenti del pasto o del giorno FILE che\n"
                          "                        raggiungono l'energia (con la tolleranza) e rispettano le quote\n"
                          "                        di grassi e carboidrati, grassi saturi < 10 %En,\n"
                          "                        zuccheri < 15 %En e la fibra per 1000 kcal, restando il più\n"
                          "                        vicino possibile ai pesi scritti; scrive il file bilanciato\n"
                          "                        sullo standard output e i totali contro gli obiettivi sullo\n"
                          "                        standard error\n"
                          "  --kcal N              l'energia da raggiungere, in kcal\n"
                          "  --persona NOME        il fabbisogno di oggi della persona e i suoi riferimenti, con\n"
                          "                        proteine, calcio e ferro tra il PRI o l'AI e il livello\n"
                          "                        massimo\n"
                          "  --tolleranza P        quanto l'energia può scostarsi, in percento (3 se non indicata)\n"
                          "  --libero N,N...       gli alimenti da cambiare, contati da 1 nell'ordine del file;\n"
                          "                        gli altri restano fissi (senza: tutti liberi, tra 0 e tre\n"
                          "                        porzioni standard, o 300 g)\n"
                          "  --piu-vicino          quando nessun piano rispetta tutti gli obiettivi, scrive\n"
                          "                        comunque il piano più vicino\n"
                          "Con --bilancia il codice di uscita 4 dice che nessun piano rispetta tutti gli obiettivi:\n"
                          "gli obiettivi in conflitto sono nominati sullo standard error e sullo standard output non\n"
                          "c'è nulla, o il piano più vicino con --piu-vicino.\n"
                          "\n"));
}

}  // namespace velmo
