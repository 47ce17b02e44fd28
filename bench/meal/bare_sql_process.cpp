// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The yardstick for velmo-pasto's start-up: the least a Qt program can do to read a food table,
// a QCoreApplication and a read-only SQLite connection that reads one category table.
//   bare_sql_process [DATABASE] [TABLE]
#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString path = arguments.size() > 1
                             ? arguments.at(1)
                             : QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("elementi97.db"));
    const QString table = arguments.size() > 2 ? arguments.at(2) : QStringLiteral("Frutta");
    long long rows = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            return 1;
        // A table's name cannot be bound: the driver quotes it.
        QSqlQuery query(db);
        if (!query.exec(
                QStringLiteral("SELECT * FROM %1").arg(db.driver()->escapeIdentifier(table, QSqlDriver::TableName))))
            return 1;
        while (query.next())
            rows += query.value(0).toString().size() > 0;
    }
    QSqlDatabase::removeDatabase(QString::fromLatin1(QSqlDatabase::defaultConnection));
    std::printf("%lld\n", rows);
    return rows > 0 ? 0 : 1;
}
