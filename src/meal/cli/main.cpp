// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/fooddatabase.h"
#include "catalogue/foodnames.h"
#include "catalogue/foodsearch.h"
#include "catalogue/personalcatalogue.h"
#include "common/consoleoutput.h"
#include "common/inputecho.h"
#include "common/programdir.h"
#include "common/safefile.h"
#include "common/translation.h"
#include "meal/cli/balancecommand.h"
#include "meal/cli/dayreport.h"
#include "meal/cli/mealfoods.h"
#include "meal/cli/mealreport.h"
#include "meal/cli/nutrientreport.h"
#include "meal/cli/pastocommandline.h"
#include "meal/cli/personcommand.h"
#include "meal/cli/rankingcommand.h"
#include "meal/mealcomposer.h"
#include "meal/dayfile.h"
#include "meal/mealcsv.h"
#include "meal/mealfile.h"
#include "meal/nutrientranking.h"
#include "meal/nutrientstore.h"
#include "nutrition/referenceintakes.h"
#include "nutrition/profile.h"
#ifndef VELMO_PASTO_PDF_TWIN
#include "report/planreport.h"
#include "report/reportrenderer.h"

#include <QGuiApplication>
#endif

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using namespace velmo;
using namespace Qt::StringLiterals;

// Exit codes: the meal was computed; the food database is missing or unreadable; the input
// (options, file, lines) is at fault; the result could not be written.
constexpr int kDone = 0;
constexpr int kDatabaseFailure = 1;
constexpr int kInputFailure = 2;
static_assert(kOutputFailure == 3);

int fail(int code, const QStringList &messages)
{
    for (const QString &m : messages)
        writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(m));
    return code;
}

// Reading a folder fails only at the first read, with the system's English words: say it first.
bool standardInputIsFolder()
{
#ifdef Q_OS_WIN
    return false;
#else
    struct stat status {};
    return fstat(STDIN_FILENO, &status) == 0 && S_ISDIR(status.st_mode);
#endif
}

// The whole result in one piece, then standard output closed: done only if all of it arrived.
int write(ConsoleOutput &output, const QString &text)
{
    if (output.write(text) && output.close())
        return kDone;
    writeStandardError(output.failureMessage(QStringLiteral("velmo-pasto")) + u'\n');
    return kOutputFailure;
}

// `--cerca`: the foods the window's search finds, in its order, as the first two fields of a
// meal line.
int searchFoods(ConsoleOutput &output, const QString &text)
{
    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    if (!database)
        return fail(kDatabaseFailure, {error});
    FoodSearch search;
    if (!search.load(database->connection(), &error))
        return fail(kDatabaseFailure, {error});
    // The personal foods too, when there are some; a catalogue that cannot be read is said, and
    // the shipped foods are searched all the same.
    const auto personal = openPersonal(false, &error);
    if (!personal || !search.readCategory(personal->connection(), kPersonalCategory, &error))
        writeStandardError(
            QStringLiteral("velmo-pasto: %1\n")
                .arg(QCoreApplication::translate("VelmoPasto", "%1 (gli alimenti personali non sono cercati)")
                         .arg(error)));
    QString lines;
    for (int food : search.find(text).foods)
        lines += mealFileLine(search.heading(food), search.food(food).name) + u'\n';
    return write(output, lines);
}

// Once the foods are in the catalogue the run has done what was asked: the summary goes to
// standard error, so that a standard output that cannot be written does not make a script
// believe that nothing was imported.
int importFoods(const QString &csvPath, bool force)
{
    if (csvPath.isEmpty())
        return fail(kInputFailure,
                    {QCoreApplication::translate("VelmoPasto", "il nome del file da importare è vuoto")});
    QString error;
    {
        // A file that cannot be read creates no catalogue.
        QFile csv(csvPath);
        if (!openRegularFile(csv, &error))
            return fail(kInputFailure, {readFailureMessage(csvPath, error),
                                        QCoreApplication::translate("VelmoPasto", "nessun alimento importato")});
    }
    const auto personal = openPersonal(true, &error);
    if (!personal)
        return fail(kDatabaseFailure, {error});
    PersonalCatalogue::Merge counts;
    const CsvFoods read = personal->importFoods(
        [&](const FoodSink &sink) {
            return readFoodsFile(csvPath, {sink, force});
        },
        &counts, &error);
    if (!error.isEmpty())
        return fail(kDatabaseFailure, {error});
    if (!read.ok()) {
        QStringList messages;
        for (const QString &e : read.errors)
            messages.append(QStringLiteral("%1: %2").arg(echoInput(csvPath), e));
        messages.append(QCoreApplication::translate("VelmoPasto", "nessun alimento importato"));
        if (read.doubtful > 0)
            messages.append(QCoreApplication::translate(
                "VelmoPasto", "se i valori da confermare sono giusti, importarli con --forza"));
        return fail(kInputFailure, messages);
    }
    const QString summary = QCoreApplication::translate("VelmoPasto",
                                                        "importati %n alimenti da %1 in %2: %3 nuovi, %4 aggiornati.",
                                                        nullptr, counts.added + counts.updated)
                                .arg(echoInput(csvPath), QDir::toNativeSeparators(personal->path()),
                                     QString::number(counts.added), QString::number(counts.updated));
    writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(summary));
    return kDone;
}

int exportPersonalFoods(ConsoleOutput &output)
{
    QString error;
    const auto personal = openPersonal(false, &error);
    if (!personal)
        return fail(kDatabaseFailure, {error});
    qint64 count = 0;
    if (!personal->exportFoods([&output](const QByteArray &piece) { return output.write(QString::fromUtf8(piece)); },
                               &count, &error)
        && !error.isEmpty())
        return fail(kDatabaseFailure, {error});
    return write(output, QString());
}

// `--classifica`: the foods of the category, or of all, richest in the nutrient first. The
// personal foods too when there are some, as for --cerca.
int rankFoods(ConsoleOutput &output, const RankingCommand &command)
{
    QString error;
    const auto database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error);
    if (!database)
        return fail(kDatabaseFailure, {error});
    NutrientStore store(database->connection());
    const Nutrients *nutrients = store.nutrients(&error);
    if (!nutrients)
        return fail(kDatabaseFailure, {error});
    const auto nutrient = rankedNutrient(*nutrients, command.key, &error);
    if (!nutrient)
        return fail(kInputFailure, {error});
    std::unique_ptr<PersonalCatalogue> personal;
    if (!command.category || isPersonalCategory(*command.category)) {
        personal = openPersonal(false, &error);
        if (!personal)
            writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(error));
    }
    auto foods = rankingFoods(database->connection(), personal ? personal->connection() : QSqlDatabase(), *nutrients,
                              *nutrient, command.category, &error);
    if (!foods)
        return fail(kDatabaseFailure, {error});
    rankFoods(*foods, command.basis, searchKey);
    return write(output, rankingText(*nutrients, *nutrient, command.basis, *foods));
}

// The meal's text: the named file, which must be a regular one (a pipe is welcome as standard
// input), or standard input.
bool openMealInput(QFile &input, const std::optional<QString> &path, QString *error)
{
    if (path) {
        input.setFileName(*path);
        QString reason;
        if (openRegularFile(input, &reason))
            return true;
        *error = readFailureMessage(*path, reason);
        return false;
    }
    if (standardInputIsFolder()) {
        *error = QCoreApplication::translate("VelmoPasto",
                                             "impossibile leggere lo standard input: è una cartella, non un file");
        return false;
    }
#ifndef Q_OS_WIN
    // A caller may leave standard input non-blocking; the meal is read whole, waiting for it.
    if (const int flags = fcntl(STDIN_FILENO, F_GETFL); flags != -1 && (flags & O_NONBLOCK) != 0)
        fcntl(STDIN_FILENO, F_SETFL, flags & ~O_NONBLOCK);
#endif
    if (input.open(stdin, QIODevice::ReadOnly))
        return true;
    *error = QCoreApplication::translate("VelmoPasto",
                                         "impossibile leggere lo standard input: indicare il pasto come FILE");
    return false;
}

// `--nutrienti`: the profile of the foods the composers placed, as text or CSV; none, with the
// reason, when the food database has no profile.
std::optional<QString> nutrientReport(const std::vector<MealFileEntry> &placed, const QSqlDatabase &database,
                                      const PersonalCatalogue *personal, const PastoCommand &command, QString *error)
{
    const ReferenceIntakes *intakes = command.person ? ReferenceIntakes::shipped(error) : nullptr;
    if (command.person && !intakes)
        return std::nullopt;
    NutrientStore store(database);
    if (personal)
        store.setPersonalDatabase(personal->connection());
    const Nutrients *nutrients = store.nutrients(error);
    const auto meal = nutrients ? nutritionMeal(placed, store, error) : std::nullopt;
    if (!meal)
        return std::nullopt;
    const NutrientProfile profile = nutrientProfile(*nutrients, *meal);
    const ReferenceFor lookup = intakes ? referenceLookup(*intakes, *command.person, *nutrients) : ReferenceFor();
    const std::vector<MissingNutrient> missing = intakes ? missingNutrients(*intakes, *command.person, QLocale())
                                                         : std::vector<MissingNutrient>();
    if (command.csv)
        return nutrientProfileCsv(*nutrients, profile, lookup, missing);
    return u'\n' + nutrientProfileText(*nutrients, profile, lookup) + missingNutrientsText(missing);
}

#ifndef VELMO_PASTO_PDF_TWIN
// `--pdf`: the plan as the printed report, in a file private to the user; nothing is left of it
// when it cannot be written.
int writePlanPdf(const QString &path, const PlanInput &input, const QSqlDatabase &database,
                 const PersonalCatalogue *personal, const std::optional<QString> &inputFile = std::nullopt)
{
    if (const QString problem = replacedDataProblem(path, inputFile); !problem.isEmpty())
        return fail(kInputFailure, {problem, QCoreApplication::translate("VelmoPasto", "nessun file scritto")});
    NutrientStore store(database);
    if (personal)
        store.setPersonalDatabase(personal->connection());
    FoodNames names;
    names.setDatabase(database);
    QString error;
    const auto report = buildPlanReport(input, store, &names, QLocale(), &error);
    if (!report)
        return fail(kDatabaseFailure, {error});
    if (!writePlanReportPdf(*report, path, QPageSize::A4, &error))
        return fail(kOutputFailure, {QCoreApplication::translate("VelmoPasto", "impossibile scrivere %1: %2")
                                         .arg(echoInput(QDir::toNativeSeparators(path)), error),
                                     QCoreApplication::translate("VelmoPasto", "nessun file scritto")});
    return kDone;
}
#endif

// The profile is the day's, of every meal's foods together, so that a food lacking a value in
// one meal keeps the day's amount a bound.
int computeDay(ConsoleOutput &output, const PastoCommand &command, const MealDay &day, const QSqlDatabase &database,
               const PersonalCatalogue *personal)
{
    ComposedDay composed;
    QString error;
    if (!composeDay(composed, day, database, personal, &error))
        return fail(kDatabaseFailure, {error});
    if (composed.placed.empty())
        return fail(kInputFailure, {QCoreApplication::translate(
                                       "VelmoPasto", "nessun alimento da calcolare: i pasti del giorno sono vuoti")});
    QString profile;
    if (command.nutrients) {
        const auto report = nutrientReport(composed.placed, database, personal, command, &error);
        if (!report)
            return fail(kDatabaseFailure, {error});
        if (command.csv)
            return write(output, *report);
        profile = *report;
    }
    return write(output, command.csv ? dayReportCsv(composed.meals, command.requirement)
                                     : dayReportText(composed.meals, command.requirement) + profile);
}

// `--persona NOME --data AAAA-MM-GG [--settimana]`: the stored days as a day file's day is
// printed; a week adds each date above its day and the daily average below.
int printStoredDays(ConsoleOutput &output, const StoredDaysCommand &command)
{
    QString error;
    int code = kInputFailure;
    std::optional<Person> person;
    const auto days = storedDays(command, &error, &code, command.pdfFile ? &person : nullptr);
    if (!days)
        return fail(code, {error});
    std::vector<MealFileEntry> entries;
    for (const auto &[date, day] : *days) {
        const std::vector<MealFileEntry> ofDay = allEntries(day);
        entries.insert(entries.end(), ofDay.cbegin(), ofDay.cend());
    }
    const auto foods = openMealFoods(entries, &error);
    if (!foods)
        return fail(kDatabaseFailure, {error});
    const auto &[database, personal] = *foods;
    const std::vector<InputError> missing = storedDaysFaults(*foods, {days->cbegin(), days->cend()}, &error);
    if (!error.isEmpty())
        return fail(kDatabaseFailure, {error});
    if (!missing.empty())
        return fail(kInputFailure, errorReport(missing));
#ifndef VELMO_PASTO_PDF_TWIN
    if (command.pdfFile) {
        PlanInput input;
        input.scope = command.days > 1 ? ReportScope::Week : ReportScope::Day;
        input.person = person;
        input.date = command.from;
        input.days.assign(days->cbegin(), days->cend());
        return writePlanPdf(*command.pdfFile, input, database->connection(), personal.get());
    }
#endif
    std::vector<ComposedDay> composed(days->size());
    std::vector<DatedMealGrids> dated;
    std::vector<MealTotals> totals;
    QString text;
    std::size_t i = 0;
    for (const auto &[date, day] : *days) {
        if (!composeDay(composed[i], day, database->connection(), personal.get(), &error))
            return fail(kDatabaseFailure, {error});
        dated.push_back({date, composed[i].meals});
        if (!allEntries(day).empty())  // the average is that of the planned days, as the week window's
            totals.push_back(dayTotals(composed[i].meals));
        if (command.days > 1)
            text += u"== "_s + date.toString(Qt::ISODate) + u" ==\n"_s;
        text += dayReportText(composed[i].meals) + (command.days > 1 ? u"\n"_s : QString());
        ++i;
    }
    if (command.csv)
        return write(output, command.days > 1 ? daysReportCsv(dated) : dayReportCsv(dated.front().meals));
    if (command.days > 1)
        text += dailyAverageText(totals);
    return write(output, text);
}

// The meal or the day of the file, computed through the window's own table, as tables or CSV.
int computeMeal(ConsoleOutput &output, const PastoCommand &command)
{
    QFile input;
    QString error;
    if (!openMealInput(input, command.mealFile, &error))
        return fail(kInputFailure, {error});
    const DayFile file = readDayFile(input);
    const std::vector<MealFileEntry> entries = allEntries(file.day);
    const auto foods = openMealFoods(entries, &error);
    if (!foods)
        return fail(kDatabaseFailure, {error});
    const auto &[database, personal] = *foods;
    MealComposer composer(database->connection());
    if (personal)
        composer.setPersonalDatabase(personal->connection());
    std::vector<InputError> errors = file.errors;
    QString databaseError;
    const std::vector<InputError> missing = composer.missingFoods(entries, &databaseError);
    if (!databaseError.isEmpty())
        return fail(kDatabaseFailure, {databaseError});
    if (!errors.empty() || !missing.empty()) {
        errors.insert(errors.end(), missing.begin(), missing.end());
        return fail(kInputFailure, errorReport(std::move(errors)));
    }
#ifndef VELMO_PASTO_PDF_TWIN
    if (command.pdfFile) {
        // Each meal as its table holds it: a food written as a portion in place of its grams is
        // printed with the grams of that portion.
        ComposedDay composed;
        if (!composeDay(composed, file.day, database->connection(), personal.get(), &error))
            return fail(kDatabaseFailure, {error});
        MealDay day = file.day;
        for (std::size_t m = 0; m < day.meals.size(); ++m)
            day.meals[m].entries = composed.composers[m]->placed();
        PlanInput plan;
        plan.scope = isMealFile(file.day) ? ReportScope::Meal : ReportScope::Day;
        plan.days = {{QDate(), day}};
        plan.requirementKcal = command.requirement;
        plan.intakePerson = command.person;
        return writePlanPdf(*command.pdfFile, plan, database->connection(), personal.get(),
                            command.mealFile.value_or(QStringLiteral("-")));
    }
#endif
    if (!isMealFile(file.day))
        return computeDay(output, command, file.day, database->connection(), personal.get());
    if (!composer.addAll(entries, &error))
        return fail(kDatabaseFailure, {error});

    QString profile;
    if (command.nutrients) {
        const auto report = nutrientReport(composer.placed(), database->connection(), personal.get(), command, &error);
        if (!report)
            return fail(kDatabaseFailure, {error});
        if (command.csv)
            return write(output, *report);
        profile = *report;
    }
    std::optional<MealComparison> comparison;
    if (command.requirement)
        comparison = compareWithRequirement(composer.grid().totals(), *command.requirement, QLocale());
    return write(output, command.csv ? mealReportCsv(composer.grid(), comparison)
                                     : mealReportText(composer.grid(), comparison) + profile);
}

int run(ConsoleOutput &output, const PastoCommand &command)
{
    switch (command.action) {
    case PastoCommand::Action::ShowHelp: return write(output, pastoHelpText());
    case PastoCommand::Action::SearchFoods: return searchFoods(output, command.searchText);
    case PastoCommand::Action::ImportFoods: return importFoods(command.foodsFile, command.force);
    case PastoCommand::Action::ExportFoods: return exportPersonalFoods(output);
    case PastoCommand::Action::ComputeMeal: break;
    }
    return computeMeal(output, command);
}

#ifdef VELMO_PASTO_PDF_TWIN
// A PDF needs QtGui and the libraries of its fonts, whose loading alone takes longer than computing
// a meal: this program does not link them. Its twin, the same program with them beside it, takes
// this process's place with the same arguments, before anything here has touched standard output.
QString pdfTwin()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + u'/' + QLatin1StringView(VELMO_PASTO_PDF_TWIN);
}
#endif

}  // namespace

int main(int argc, char **argv)
{
    // A PDF needs fonts, which come with the GUI's platform; it never shows a window, so it
    // needs no display either.
    const bool pdf = std::any_of(argv + 1, argv + argc, [](const char *a) {
        return std::strcmp(a, "--pdf") == 0 || std::strncmp(a, "--pdf=", 6) == 0;
    });
#ifdef VELMO_PASTO_PDF_TWIN
    if (pdf)
        execv(QFile::encodeName(pdfTwin()).constData(), argv);  // returns only when it could not
    ConsoleOutput output;
    const QCoreApplication application(argc, argv);
#else
    ConsoleOutput output;
    if (pdf)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = pdf ? std::make_unique<QGuiApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);
#endif
#ifdef Q_OS_WIN
    // Names and messages are written as UTF-8; the console must read them so.
    SetConsoleOutputCP(CP_UTF8);
#endif

    // The same folder as the window's: the user's data folder of Velmo.
    QCoreApplication::setApplicationName(QStringLiteral("Velmo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Velmo"));

    // The language first: every text from here on speaks it. A --lingua that Velmo does not speak
    // is refused in the language the environment asks for, its message made again once that is in.
    const QStringList arguments = QCoreApplication::arguments();
    QString error;
    if (!installChosenLanguage(arguments, &error))
        return fail(kInputFailure, {error});
#ifdef VELMO_PASTO_PDF_TWIN
    if (pdf)
        return fail(kOutputFailure, {QCoreApplication::translate("VelmoPasto", "impossibile avviare %1, il programma "
                                                                               "che scrive i PDF: reinstallare Velmo")
                                         .arg(echoInput(QDir::toNativeSeparators(pdfTwin()))),
                                     QCoreApplication::translate("VelmoPasto", "nessun file scritto")});
#endif
    // Before the stored days, whose --persona it shares.
    if (const auto balance = readBalanceCommand(arguments.mid(1), &error); balance || !error.isEmpty())
        return balance ? runBalanceCommand(output, *balance) : fail(kInputFailure, {error});
    if (const auto ranking = readRankingCommand(arguments.mid(1), &error); ranking || !error.isEmpty())
        return ranking ? rankFoods(output, *ranking) : fail(kInputFailure, {error});
    if (const auto person = readPersonCommand(arguments.mid(1), &error); person || !error.isEmpty())
        return person ? runPersonCommand(output, *person) : fail(kInputFailure, {error});
    if (const auto stored = readStoredDaysCommand(arguments.mid(1), &error); stored || !error.isEmpty())
        return stored ? printStoredDays(output, *stored) : fail(kInputFailure, {error});
    const std::optional<PastoCommand> command = readPastoCommand(arguments.mid(1), &error);
    if (!command)
        return fail(kInputFailure, {error});
    return run(output, *command);
}
