// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/personcommand.h"

#include "common/consoleoutput.h"
#include "common/inputecho.h"
#include "common/safefile.h"
#include "common/userfolder.h"
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

std::optional<PersonCommand> refuse(QString *error, const char *message)
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

// The file is made private before a byte of the person is in it; a file made here and not
// written is taken away again.
bool writePrivately(const QString &path, const QByteArray &bytes, QString *reason)
{
    const bool made = !QFileInfo::exists(path);
    if (made ? !createPrivateFile(path, reason) : !QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner)) {
        if (reason->isEmpty())
            *reason = text(QT_TRANSLATE_NOOP("PersonCommand", "impossibile renderlo leggibile solo al suo "
                                                              "proprietario"));
        return false;
    }
    if (writeFileSafely(path, bytes, reason))
        return true;
    if (made)
        QFile::remove(path);
    return false;
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
    if (command.file == QStringLiteral("-")) {
        if (output.write(QString::fromUtf8(json)) && output.close())
            return kDone;
        writeStandardError(output.failureMessage(QStringLiteral("velmo-pasto")) + u'\n');
        return kOutputFailure;
    }
    QString reason;
    if (!writePrivately(command.file, json, &reason))
        return fail(kOutputFailure, {text(QT_TRANSLATE_NOOP("PersonCommand", "impossibile scrivere %1: %2"))
                                         .arg(echoInput(QDir::toNativeSeparators(command.file)), reason)});
    return kDone;
}

int importPerson(const PersonCommand &command)
{
    const QStringList nothing{text(QT_TRANSLATE_NOOP("PersonCommand", "nessuna persona importata"))};
    QFile file(command.file);
    QString error;
    if (!openRegularFile(file, &error))
        return fail(kInputFailure, QStringList{readFailureMessage(command.file, error)} + nothing);
    const auto record = readPersonJson(file, QDate::currentDate(), &error);
    if (!record)
        return fail(kInputFailure, QStringList{QStringLiteral("%1: %2").arg(echoInput(command.file), error)} + nothing);
    const auto store = openStore(true, &error);
    if (!store)
        return fail(kDatabaseFailure, QStringList{error} + nothing);
    const StoreResult result = store->importRecord(*record, command.replace);
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

QString personHelpText()
{
    return text(QT_TRANSLATE_NOOP(
                    "PersonCommand",
                    "Persone:\n"
                    "  --esporta-persona NOME FILE  non calcola un pasto: scrive nel FILE (\"-\" per lo standard\n"
                    "            output) tutto ciò che Velmo conserva della persona NOME: dati, pesi e giorni con i\n"
                    "            loro pasti, in un file JSON (\"formato\": \"velmo-persona\", \"versione\": 1; vedere\n"
                    "            docs/persona-json.md) leggibile solo dal proprio utente\n"
                    "  --importa-persona FILE  aggiunge la persona del FILE, tutta o niente; una persona con lo\n"
                    "            stesso nome è rifiutata\n"
                    "  --sostituisci  con --importa-persona: sostituisce la persona con lo stesso nome, con tutti\n"
                    "            i suoi pesi e giorni\n"
                    "  Le persone sono nell'archivio privato %1; i messaggi non ripetono né il nome né i dati\n"
                    "  della persona.\n"
                    "\n"))
        .arg(QDir::toNativeSeparators(PersonStore::defaultPath()));
}

}  // namespace velmo
