// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodcategory.h"
#include "plan/person.h"
#include "shell/mainwindowmodel.h"
#include "support/fakedialogs.h"
#include "support/fooddbfixture.h"
#include "support/languageguard.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace velmo::test {

using namespace Qt::StringLiterals;

// A woman born in 1980, 165 cm, 60 kg since 1 January 2026, moderately active with the desirable
// activities: a person with a requirement.
inline Person shellPerson()
{
    return {u"Anna"_s,
            Sex::Female,
            QDate(1980, 1, 1),
            165,
            {{QDate(2026, 1, 1), 60, {}}},
            ActivityLevel::Moderate,
            RecommendedActivities::With,
            PersonCondition::None,
            {}};
}

// Three fruits and an egg, in the shipped database's shape (its foods by name too), with the English
// names of the source.
inline bool writeShellDatabase(const QString &path)
{
    return writeFoodDatabase(
        path,
        {{u"Frutta"_s,
          {{u"Albicocche, crude"_s, {93, 1.4, 0.39, 11.12, 48, 2, 0}, u"Apricots, raw"_s},
           {u"Mela, con buccia, cruda"_s, {90, 0.26, 0.17, 13.81, 52, 2.4, 0}, u"Apples, raw, with skin"_s},
           {u"Pera, cruda"_s, {92, 0.36, 0.14, 15.23, 57, 3.1, QVariant()}, u"Pears, raw"_s}}},
         {u"Uova"_s,
          {{u"Uovo di quaglia"_s, {91, 13.05, 11.09, 0.41, 158, 0, 844}, u"Egg, quail, whole, fresh, raw"_s}}}},
        true, nullptr, true);
}

// The shell's foods with a profile of four nutrients: the pear has no calcium and, as in its
// table, no cholesterol, only the apricot vitamin C; the quail egg is rich in calcium to reach and pass a woman's
// references.
inline void addShellProfile(const QString &path)
{
    auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"profile"_s);
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    const int fruit = *findFoodCategory(u"Frutta"_s);
    const int eggs = *findFoodCategory(u"Uova"_s);
    for (const QString &sql :
         {u"CREATE TABLE nutrienti (chiave, fonte, nome, nome_inglese, unita, decimali, gruppo, ordine)"_s,
          u"INSERT INTO nutrienti VALUES ('ENERC_KCAL', 208, 'Energia', 'Energy', 'kcal', 0, "
          "'Energia e macronutrienti', 1), ('CHOLE', 601, 'Colesterolo', 'Cholesterol', 'mg', 0, 'Lipidi', 2), "
          "('CA', 301, 'Calcio', 'Calcium', 'mg', 0, 'Minerali', 3), "
          "('VITC', 401, 'Vitamina C', 'Vitamin C', 'mg', 1, 'Vitamine', 4), "
          "('ENERC_KJ', 268, 'Energia', 'Energy', 'kJ', 0, 'Energia e macronutrienti', 5)"_s,
          u"CREATE TABLE valori_nutrienti (categoria, riga, nutriente, valore)"_s,
          u"INSERT INTO valori_nutrienti VALUES (%1, 0, 208, 48), (%1, 0, 301, 13), (%1, 0, 401, 10), "
          "(%1, 0, 601, 0), (%1, 1, 208, 52), (%1, 1, 301, 6), (%1, 1, 601, 0), (%1, 2, 208, 57), "
          "(%2, 0, 208, 158), (%2, 0, 301, 640), (%2, 0, 601, 844)"_s.arg(fruit)
              .arg(eggs)})
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    q = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"profile"_s);
}

// A slice of apple (27 g) and the fruit's standard portion (150 g), in the shipped tables' shape.
inline void addShellMeasures(const QString &path)
{
    {
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"measures"_s);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        const int fruit = *findFoodCategory(u"Frutta"_s);
        for (
            const QString &sql :
            {u"CREATE TABLE misure (categoria, riga, ordine, quantita, misura, misura_plurale, grammi, misura_inglese)"_s,
             u"INSERT INTO misure VALUES (%1, 1, 1, 1, 'fetta', 'fette', 27, 'slice')"_s.arg(fruit),
             u"CREATE TABLE porzioni_standard (categoria, riga, gruppo, nome, grammi, millilitri, densita)"_s,
             u"INSERT INTO porzioni_standard VALUES (%1, 1, 'frutta', 'Frutta', 150, NULL, '')"_s.arg(fruit)})
            ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    }
    QSqlDatabase::removeDatabase(u"measures"_s);
}

// The main window's model over that database, in an Italian locale, its boxes recorded; its
// personal foods are kept in the test's folder, never in the user's.
class ShellModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeShellDatabase(database));
        model = window(dialogs);
    }
    std::unique_ptr<MainWindowModel> window(FakeDialogs &boxes) const
    {
        auto made = std::make_unique<MainWindowModel>(boxes);
        made->personalFoods().setPath(personal);
        QString error;
        EXPECT_TRUE(made->load(database, &error)) << error.toStdString();
        return made;
    }
    static int category(const char *heading) { return *findFoodCategory(QString::fromLatin1(heading)); }
    // What the user does: the category from the menu, a click on the food, the weight, the lock.
    static void add(MainWindowModel &into, const char *heading, int food, const char *grams)
    {
        into.chooseCategory(category(heading));
        into.gridRowChosen(food);
        int open = 0;
        while (into.meal().row(open).lock == 1)
            ++open;
        into.meal().setGrossText(open, QString::fromLatin1(grams));
        into.lockBoxClicked(open, true);
    }

    LocaleGuard locale{"it_IT"};
    QTemporaryDir dir;
    QString database = dir.filePath(u"elementi97.db"_s);
    QString personal = dir.filePath(u"utente/alimenti-personali.db"_s);
    FakeDialogs dialogs;
    std::unique_ptr<MainWindowModel> model;
};

}  // namespace velmo::test
