// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/personcommand.h"

#include "common/consoleoutput.h"
#include "common/inputecho.h"
#include "common/safefile.h"
#include "common/userfolder.h"
#include "common/numbertext.h"
#include "meal/cli/mealfoods.h"
#include "meal/cli/mealreport.h"
#include "meal/mealfile.h"
#include "plan/personjson.h"
#include "plan/personstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace velmo {

namespace {

// velmo-pasto's exit codes.
constexpr int kDone = 0;
constexpr int kDatabaseFailure = 1;
constexpr int kInputFailure = 2;

QString text(const char *source)
{
    return QCoreApplication::translate("PersonCommand", source);
}

template <typename Command = PersonCommand>
std::optional<Command> refuse(QString *error, const char *message)
{
    *error = text(message);
    return std::nullopt;
}

int fail(int code, const QStringList &messages)
{
    for (const QString &m : messages)
        writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(m));
    return code;
}

std::unique_ptr<PersonStore> openStore(bool create, QString *error)
{
    auto store = PersonStore::open(PersonStore::defaultPath(), create, error);
    if (store)
        for (const QString &notice : store->notices())
            writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(notice));
    return store;
}

int exportPerson(ConsoleOutput &output, const PersonCommand &command)
{
    const QStringList nothing{text(QT_TRANSLATE_NOOP("PersonCommand", "nessun file scritto"))};
    if (!QFileInfo::exists(PersonStore::defaultPath()))
        return fail(kInputFailure, QStringList{text(QT_TRANSLATE_NOOP("PersonCommand", "nessuna persona con questo "
                                                                                       "nome"))}
                                       + nothing);
    QString error;
    const auto store = openStore(false, &error);
    if (!store)
        return fail(kDatabaseFailure, QStringList{error} + nothing);
    StoreResult result;
    const auto record = store->record(command.name, &result);
    if (!record)
        return fail(result.kind == StoreResult::Kind::Missing ? kInputFailure : kDatabaseFailure,
                    QStringList{result.message} + nothing);
    const QByteArray json = personJson(*record);
    if (json.size() > kMaxPersonJsonBytes)
        return fail(kOutputFailure, QStringList{text(QT_TRANSLATE_NOOP(
                                        "PersonCommand", "la persona ha troppi giorni per un file che l'importazione "
                                                         "possa leggere (al massimo 20 MB)"))}
                                        + nothing);
    if (command.file == QStringLiteral("-")) {
        if (output.write(QString::fromUtf8(json)) && output.close())
            return kDone;
        writeStandardError(output.failureMessage(QStringLiteral("velmo-pasto")) + u'\n');
        return kOutputFailure;
    }
    if (const QString problem = replacedDataProblem(command.file); !problem.isEmpty())
        return fail(kInputFailure, {problem});
    QString reason;
    if (!writePrivateFileSafely(command.file, json, &reason))
        return fail(kOutputFailure, {text(QT_TRANSLATE_NOOP("PersonCommand", "impossibile scrivere %1: %2"))
                                         .arg(echoInput(QDir::toNativeSeparators(command.file)), reason)});
    return kDone;
}

// A record from another computer may name foods, personal ones above all, that this one lacks: the
// days are kept as they are, and the user is told that they will open once the foods are there.
void warnOfUnknownFoods(const std::vector<std::pair<QDate, MealDay>> &days)
{
    std::vector<MealFileEntry> entries;
    for (const auto &[date, day] : days) {
        const std::vector<MealFileEntry> ofDay = allEntries(day);
        entries.insert(entries.end(), ofDay.cbegin(), ofDay.cend());
    }
    QString error;
    const auto foods = openMealFoods(entries, &error);
    std::vector<InputError> faults;
    if (foods)
        faults = storedDaysFaults(*foods, days, &error);
    if (!error.isEmpty()) {
        fail(kDone, {text(QT_TRANSLATE_NOOP("PersonCommand", "attenzione: gli alimenti dei giorni non sono stati "
                                                             "controllati: %1"))
                         .arg(error)});
        return;
    }
    if (!faults.empty())
        fail(kDone, QStringList{text(QT_TRANSLATE_NOOP("PersonCommand",
                                                       "attenzione: alcuni giorni nominano alimenti che qui non ci "
                                                       "sono, e la finestra li mostra senza quelle righe (gli alimenti "
                                                       "personali si aggiungono con --importa-alimenti):"))}
                        + errorReport(faults));
}

int importPerson(const PersonCommand &command)
{
    const QStringList nothing{text(QT_TRANSLATE_NOOP("PersonCommand", "nessuna persona importata"))};
    QFile file(command.file);
    QString error;
    if (!openRegularFile(file, &error))
        return fail(kInputFailure, QStringList{readFailureMessage(command.file, error)} + nothing);
    // A file written today where the date is already tomorrow (another time zone, a clock ahead)
    // holds that tomorrow: an export must come back in, where a date typed here may not pass today.
    const QDate latest = QDate::currentDate().addDays(1);
    const auto record = readPersonJson(file, latest, &error);
    if (!record)
        return fail(kInputFailure, QStringList{QStringLiteral("%1: %2").arg(echoInput(command.file), error)} + nothing);
    const auto store = openStore(true, &error);
    if (!store)
        return fail(kDatabaseFailure, QStringList{error} + nothing);
    const StoreResult result = store->importRecord(*record, command.replace, latest);
    if (result.kind == StoreResult::Kind::Taken)
        return fail(kInputFailure, {result.message, text(QT_TRANSLATE_NOOP("PersonCommand", "nessuna persona "
                                                                                            "importata: per "
                                                                                            "sostituirla aggiungere "
                                                                                            "--sostituisci"))});
    if (!result.ok())
        return fail(result.kind == StoreResult::Kind::Invalid ? kInputFailure : kDatabaseFailure,
                    QStringList{result.message} + nothing);
    const int days = static_cast<int>(record->days.size());
    const QString summary = QCoreApplication::translate("PersonCommand", "persona importata in %1 con %n giorni",
                                                        nullptr, days);
    writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(summary.arg(QDir::toNativeSeparators(store->path()))));
    warnOfUnknownFoods(record->days);
    return kDone;
}

}  // namespace

std::optional<PersonCommand> readPersonCommand(const QStringList &arguments, QString *error)
{
    const QCommandLineOption exportOption{QStringLiteral("esporta-persona"), QString(), QStringLiteral("NOME")};
    const QCommandLineOption importOption{QStringLiteral("importa-persona"), QString(), QStringLiteral("FILE")};
    const QCommandLineOption replace{QStringLiteral("sostituisci")};
    const QCommandLineOption language{QStringLiteral("lingua"), QString(), QStringLiteral("LINGUA")};
    QCommandLineParser parser;
    parser.addOptions({exportOption, importOption, replace, language});
    const bool parsed = parser.parse(QStringList{QStringLiteral("velmo-pasto")} + arguments);
    const bool exporting = parser.isSet(exportOption);
    const bool importing = parser.isSet(importOption);
    if (!exporting && !importing && !parser.isSet(replace))
        return std::nullopt;
    const QStringList files = parser.positionalArguments();
    if (!parsed || exporting == importing || parser.values(exporting ? exportOption : importOption).size() != 1)
        return refuse(error, QT_TRANSLATE_NOOP("PersonCommand", "--esporta-persona NOME FILE e --importa-persona "
                                                                "FILE [--sostituisci] vanno usati da soli, una "
                                                                "volta (vedere velmo-pasto --help)"));
    PersonCommand command;
    command.exporting = exporting;
    command.replace = parser.isSet(replace);
    if (exporting) {
        if (command.replace || files.size() != 1 || files.first().isEmpty())
            return refuse(error, QT_TRANSLATE_NOOP("PersonCommand", "--esporta-persona vuole il NOME della persona e "
                                                                    "il FILE da scrivere (\"-\" per lo standard "
                                                                    "output)"));
        command.name = parser.value(exportOption);
        command.file = files.first();
    } else {
        if (!files.isEmpty() || parser.value(importOption).isEmpty())
            return refuse(error, QT_TRANSLATE_NOOP("PersonCommand", "--importa-persona vuole un solo FILE"));
        command.file = parser.value(importOption);
    }
    return command;
}

int runPersonCommand(ConsoleOutput &output, const PersonCommand &command)
{
    return command.exporting ? exportPerson(output, command) : importPerson(command);
}

std::optional<StoredDaysCommand> readStoredDaysCommand(const QStringList &arguments, QString *error)
{
    const QCommandLineOption person{QStringLiteral("persona"), QString(), QStringLiteral("NOME")};
    const QCommandLineOption date{QStringLiteral("data"), QString(), QStringLiteral("AAAA-MM-GG")};
    const QCommandLineOption week{QStringLiteral("settimana")};
    const QCommandLineOption csv{QStringLiteral("csv")};
    const QCommandLineOption pdf{QStringLiteral("pdf"), QString(), QStringLiteral("FILE.pdf")};
    const QCommandLineOption language{QStringLiteral("lingua"), QString(), QStringLiteral("LINGUA")};
    QCommandLineParser parser;
    parser.addOptions({person, date, week, csv, pdf, language});
    const bool parsed = parser.parse(QStringList{QStringLiteral("velmo-pasto")} + arguments);
    if (!parser.isSet(person) && !parser.isSet(date) && !parser.isSet(week))
        return std::nullopt;
    if (!parsed || !parser.positionalArguments().isEmpty() || parser.values(person).size() != 1
        || parser.values(date).size() != 1 || parser.values(pdf).size() > 1 || (parser.isSet(pdf) && parser.isSet(csv))
        || (parser.isSet(pdf) && (parser.value(pdf).isEmpty() || parser.value(pdf) == QStringLiteral("-"))))
        return refuse<StoredDaysCommand>(error, QT_TRANSLATE_NOOP("PersonCommand",
                                                                  "--persona NOME e --data AAAA-MM-GG vanno dati una "
                                                                  "volta, con al più --settimana e --csv o --pdf "
                                                                  "FILE.pdf (vedere velmo-pasto --help)"));
    StoredDaysCommand command{parser.value(person), dateFromText(parser.value(date)), parser.isSet(week) ? 7 : 1,
                              parser.isSet(csv), std::nullopt};
    if (parser.isSet(pdf))
        command.pdfFile = parser.value(pdf);
    if (!command.from.isValid())
        return refuse<StoredDaysCommand>(error, QT_TRANSLATE_NOOP("PersonCommand",
                                                                  "la data di --data non è valida: scriverla come "
                                                                  "AAAA-MM-GG, per esempio 2026-03-02"));
    return command;
}

std::optional<std::map<QDate, MealDay>> storedDays(const StoredDaysCommand &command, QString *error, int *exitCode,
                                                   std::optional<Person> *person)
{
    *exitCode = kInputFailure;
    *error = text(QT_TRANSLATE_NOOP("PersonCommand", "nessuna persona con questo nome"));
    if (!QFileInfo::exists(PersonStore::defaultPath()))
        return std::nullopt;
    const auto store = openStore(false, error);
    if (!store) {
        *exitCode = kDatabaseFailure;
        return std::nullopt;
    }
    StoreResult result;
    auto days = store->days(command.name, command.from, command.from.addDays(command.days - 1), &result);
    if (!result.ok()) {
        *exitCode = result.kind == StoreResult::Kind::Missing ? kInputFailure : kDatabaseFailure;
        *error = result.message;
        return std::nullopt;
    }
    if (days.empty()) {
        // A person without that day, or no such person: the store's answer tells them apart.
        if (!store->person(command.name, nullptr, &result))
            return std::nullopt;
        *error = command.days == 1 ? text(QT_TRANSLATE_NOOP("PersonCommand", "nessun giorno conservato per la "
                                                                             "persona in questa data"))
                                   : text(QT_TRANSLATE_NOOP("PersonCommand", "nessun giorno conservato per la "
                                                                             "persona nei sette giorni da questa "
                                                                             "data"));
        return std::nullopt;
    }
    if (person) {
        *person = store->person(command.name, nullptr, &result);
        if (!*person) {
            *exitCode = kDatabaseFailure;
            *error = result.message;
            return std::nullopt;
        }
    }
    error->clear();
    return days;
}

QString dailyAverageText(const std::vector<MealTotals> &days)
{
    const QLocale locale;
    QStringList heading{QString()};
    const int count = static_cast<int>(days.size());
    const QString caption = QCoreApplication::translate("PersonCommand", "Media giornaliera di %n giorni", nullptr,
                                                        count);
    QStringList average{caption};
    const auto headings = valueColumnHeadings();
    for (std::size_t c = 0; c < headings.size(); ++c) {
        double sum = 0;
        for (const MealTotals &day : days)
            sum += readLocaleNumberOrZero(day.texts[c], locale);
        heading << headings[c];
        average << formatFixed2(days.empty() ? 0.0 : sum / static_cast<double>(days.size()), locale);
    }
    return alignedReportText({heading, average});
}

QString personHelpText()
{
    return text(QT_TRANSLATE_NOOP(
                    "PersonCommand",
                    "Persone:\n"
                    "  --esporta-persona NOME FILE  non calcola un pasto: scrive nel FILE (\"-\" per lo standard\n"
                    "            output) tutto ciò che Velmo conserva della persona NOME: dati, pesi e giorni con i\n"
                    "            loro pasti, in un file JSON (\"formato\": \"velmo-persona\", \"versione\": 1, o 2 se\n"
                    "            una riga ha una porzione; vedere docs/persona-json.md) leggibile solo dal proprio\n"
                    "            utente\n"
                    "  --importa-persona FILE  aggiunge la persona del FILE, tutta o niente; una persona con lo\n"
                    "            stesso nome è rifiutata. I giorni che nominano alimenti che qui non ci sono sono\n"
                    "            importati con un avviso e si aprono quando gli alimenti ci sono\n"
                    "  --sostituisci  con --importa-persona: sostituisce la persona con lo stesso nome, con tutti\n"
                    "            i suoi pesi e giorni\n"
                    "  --persona NOME --data AAAA-MM-GG  stampa il giorno conservato della persona in quella data\n"
                    "            come si stampa un file di un giorno (con --csv, in CSV); esce con 2 se la persona\n"
                    "            o il giorno non ci sono\n"
                    "  --settimana  con --persona e --data: i sette giorni da quella data, ciascuno con i suoi\n"
                    "            totali, poi la media giornaliera dei giorni conservati (con --csv, una colonna\n"
                    "            Data; con --pdf FILE.pdf, il piano stampato della settimana)\n"
                    "  --pdf FILE.pdf  con --persona e --data: scrive nel FILE.pdf il piano da consegnare alla\n"
                    "            persona (A4 verticale): dati della persona, fabbisogno, pasti con grammi edibili\n"
                    "            e lordi, totali, grafico dei macronutrienti e nutrienti; il file è leggibile solo\n"
                    "            dal proprio utente. Non serve uno schermo. Se non può essere scritto esce con 3 e\n"
                    "            non lascia alcun file\n"
                    "  Le persone sono nell'archivio privato %1; i messaggi non ripetono né il nome né i dati\n"
                    "  della persona.\n"
                    "\n"))
        .arg(QDir::toNativeSeparators(PersonStore::defaultPath()));
}

}  // namespace velmo
