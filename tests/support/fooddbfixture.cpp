// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "support/fooddbfixture.h"

#include "catalogue/foodcategory.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace velmo::test {

// clang-format off
const QStringList kHostileFoodNames = {
    QStringLiteral("Pasta; sugo"), QStringLiteral("Torta \"della nonna\""), QStringLiteral("\"Citato\""),
    QStringLiteral("#1 Panino"), QStringLiteral(";;"), QStringLiteral("\"\""), QStringLiteral("Fine;"),
    QStringLiteral("Ragù ;  piccante"), QStringLiteral("Щи; борщ"), QStringLiteral("寿司 \"\" maki"),
    QStringLiteral("Caffè \"ristretto"), QStringLiteral("Dolce #2;\"x\";3"),
};
// clang-format on

std::vector<PersonalFood> hostileFoods()
{
    std::vector<PersonalFood> foods;
    for (const QString &name : kHostileFoodNames)
        foods.push_back({name});
    return foods;
}

bool writeFoodDatabase(const QString &path, const std::map<QString, std::vector<TestFood>> &tables, bool allTables,
                       QString *error, bool foodsByName)
{
    const QString connection = QUuid::createUuid().toString();
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        auto create = [&](const QString &table) {
            ok = ok
                 && q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (alimenti TEXT, edibile REAL, proteine REAL, "
                                          "lipidi REAL, carboidrati REAL, energia REAL, fibra REAL, colesterolo REAL, "
                                          "%2 TEXT)")
                               .arg(table, kEnglishNameColumn));
        };
        if (allTables)
            for (const FoodCategory &c : foodCategories())
                create(c.table);
        for (const auto &[table, foods] : tables) {
            create(table);
            for (const TestFood &food : foods) {
                q.prepare(QStringLiteral("INSERT INTO %1 VALUES (?,?,?,?,?,?,?,?,?)").arg(table));
                q.addBindValue(food.name);
                for (int i = 0; i < 7; ++i) {
                    const QVariant v = i < static_cast<int>(food.values.size())
                                           ? food.values[static_cast<std::size_t>(i)]
                                           : QVariant();
                    q.addBindValue(v.isValid() ? v : QVariant(QMetaType::fromType<double>()));
                }
                q.addBindValue(food.english.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : food.english);
                ok = ok && q.exec();
            }
        }
        if (foodsByName)
            for (const QString &statement : foodsByNameStatements())
                ok = ok && q.exec(statement);
        if (!ok && error)
            *error = q.lastError().text() + db.lastError().text();
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace velmo::test
