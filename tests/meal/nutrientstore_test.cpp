// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "meal/nutrientstore.h"
#include "support/fooddbfixture.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <span>

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

using namespace Qt::StringLiterals;

// The profile's values of a meal's shipped foods, read all at once from the table by name, are
// what reading each food gives: a name twice in its table counts with its first row, the edible
// part comes along; a food named in English, as an imported day may name it, is found too. Read at
// once, they need the food tables no more (here gone).
TEST(NutrientStoreTest, AMealReadAtOnceHasTheValuesOfEachFoodsFirstRow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"elementi97.db"_s);
    QString error;
    ASSERT_TRUE(writeFoodDatabase(path,
                                  {{u"Frutta"_s,
                                    {{u"Mela"_s, {90, 1, 1, 1, 52, 1, 0}},
                                     {u"Pera"_s, {}, u"Pears, raw"_s},
                                     {u"Mela"_s, {50, 2, 2, 2, 99, 2, 0}}}},
                                   {u"Uova"_s, {{u"Mela"_s, {80, 3, 3, 3, 70, 3, 0}}}}},
                                  true, &error, true))
        << error.toStdString();
    const int fruit = *findFoodCategory(u"Frutta"_s);
    const int eggs = *findFoodCategory(u"Uova"_s);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"profile"_s);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString &sql :
             {u"CREATE TABLE nutrienti (chiave, fonte, nome, nome_inglese, unita, decimali, gruppo, ordine)"_s,
              u"INSERT INTO nutrienti VALUES ('ENERC_KCAL', 208, 'Energia', 'Energy', 'kcal', 0, 'Energia', 1), "
              "('CA', 301, 'Calcio', 'Calcium', 'mg', 0, 'Minerali', 2)"_s,
              u"CREATE TABLE valori_nutrienti (categoria, riga, nutriente, valore)"_s,
              u"INSERT INTO valori_nutrienti VALUES (%1, 0, 208, 52), (%1, 0, 301, 6), (%1, 1, 301, 9), "
              "(%1, 2, 208, 99), (%1, 2, 301, 7), (%2, 0, 208, 70)"_s.arg(fruit)
                  .arg(eggs)})
            ASSERT_TRUE(QSqlQuery(db).exec(sql)) << sql.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"profile"_s);

    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"store"_s);
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    const std::vector<MealFileEntry> entries{{1, fruit, u"Mela"_s, u"100"_s},
                                             {2, fruit, u"Pera"_s, u"100"_s},
                                             {3, eggs, u"Mela"_s, u"100"_s},
                                             {4, fruit, u"Pears, raw"_s, u"100"_s}};
    const auto texts = [&](NutrientStore &store, std::size_t count) {
        QStringList all;
        for (const MealFileEntry &entry : std::span(entries).first(count)) {
            QString why;
            const auto values = store.values({entry.category, entry.food}, &why);
            if (!values) {
                all << why;
                continue;
            }
            QStringList amounts{QString::number(values->ediblePercent)};
            for (const auto &amount : values->per100g)
                amounts << (amount ? QString::number(*amount) : u"-"_s);
            all << amounts.join(u' ');
        }
        return all;
    };
    NutrientStore oneByOne(db);
    const QStringList expected{u"90 52 6"_s, u"100 - 9"_s, u"80 70 -"_s, u"100 - 9"_s};
    EXPECT_EQ(texts(oneByOne, entries.size()), expected);

    NutrientStore atOnce(db);
    atOnce.prefetch(entries);
    ASSERT_TRUE(QSqlQuery(db).exec(u"DROP TABLE valori_nutrienti"_s));
    for (const FoodCategory &category : foodCategories())
        ASSERT_TRUE(QSqlQuery(db).exec(u"DROP TABLE "_s + category.table));
    // The English name is looked up in the food tables, not read at once.
    EXPECT_EQ(texts(atOnce, 3), expected.mid(0, 3));
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"store"_s);
}

}  // namespace
}  // namespace velmo::test
