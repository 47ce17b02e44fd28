// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/sqlstatements.h"

#include <QCoreApplication>

namespace velmo {

int sqliteResultCode(const QSqlError &failure)
{
    // The extended codes keep the primary one in their low byte.
    return failure.nativeErrorCode().toInt() & 0xff;
}

QString explainedFailure(const QSqlError &failure)
{
    QString what;
    switch (sqliteResultCode(failure)) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
        what = QCoreApplication::translate(
            "SqlStatements", "L'archivio è in uso da un altro programma (un'altra finestra di Velmo o velmo-pasto): "
                             "riprovare fra poco.");
        break;
    case 8:  // SQLITE_READONLY
        what = QCoreApplication::translate(
            "SqlStatements", "Il file o la sua cartella sono in sola lettura: renderli scrivibili (il permesso di "
                             "scrittura per sé stessi) e riprovare.");
        break;
    case 3:   // SQLITE_PERM
    case 14:  // SQLITE_CANTOPEN
    case 23:  // SQLITE_AUTH
        what = QCoreApplication::translate(
            "SqlStatements", "Impossibile aprire o creare i file dell'archivio nella sua cartella: controllare che la "
                             "cartella esista e sia scrivibile, poi riprovare.");
        break;
    case 13:  // SQLITE_FULL
        what = QCoreApplication::translate("SqlStatements", "Il disco è pieno: liberare spazio e riprovare.");
        break;
    case 10:  // SQLITE_IOERR
        what = QCoreApplication::translate(
            "SqlStatements", "Errore di lettura o scrittura sul disco: controllare il disco e riprovare.");
        break;
    case 11:  // SQLITE_CORRUPT
    case 26:  // SQLITE_NOTADB
        what = QCoreApplication::translate("SqlStatements", "Il file è danneggiato.");
        break;
    default:
        what = QCoreApplication::translate(
            "SqlStatements", "Errore imprevisto dell'archivio: riprovare; se si ripete, conservare il file e "
                             "segnalarlo.");
    }
    return QCoreApplication::translate("SqlStatements", "%1\nDettagli: %2").arg(what, failure.text().trimmed());
}

bool executeQuery(QSqlQuery &query, QSqlError *failure)
{
    if (query.exec())
        return true;
    *failure = query.lastError();
    return false;
}

bool runStatement(QSqlQuery &query, const QString &sql, QSqlError *failure)
{
    if (query.exec(sql))
        return true;
    *failure = query.lastError();
    return false;
}

std::optional<QVariant> singleValue(const QSqlDatabase &db, const QString &sql, QSqlError *failure)
{
    QSqlQuery query(db);
    if (!runStatement(query, sql, failure))
        return std::nullopt;
    if (!query.next()) {
        *failure = query.lastError().isValid()
                       ? query.lastError()
                       : QSqlError(QCoreApplication::translate("SqlStatements", "nessun risultato"), {},
                                   QSqlError::UnknownError);
        return std::nullopt;
    }
    return query.value(0);
}

bool executeQuery(QSqlQuery &query, QString *error)
{
    QSqlError failure;
    if (executeQuery(query, &failure))
        return true;
    *error = explainedFailure(failure);
    return false;
}

bool runStatement(QSqlQuery &query, const QString &sql, QString *error)
{
    QSqlError failure;
    if (runStatement(query, sql, &failure))
        return true;
    *error = explainedFailure(failure);
    return false;
}

}  // namespace velmo
