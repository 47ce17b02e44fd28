// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/personmetrics.h"
#include "shell/nutrientprofilemodel.h"
#include "shell/weekmodel.h"
#include "shellfixture.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace velmo::test {
namespace {

// Per 100 g: apricots 1 g protein, 0,5 fat, 10 carbohydrate, 2 fibre (93 % edible); apples 0,5,
// 0, 12, 2,5 (90 %); pears no protein, 0,1, 15, 3 (92 %); the quail egg 13, 11, 0,4, 0 (91 %).
void addMacronutrients(const QString &path)
{
    auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"macro"_s);
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    const int fruit = *findFoodCategory(u"Frutta"_s);
    const int eggs = *findFoodCategory(u"Uova"_s);
    for (const QString &sql :
         {u"INSERT INTO nutrienti VALUES ('PROCNT', 203, 'Proteine', 'Protein', 'g', 1, 'Energia e macronutrienti', "
          u"5), "
          "('FAT', 204, 'Lipidi', 'Fat', 'g', 1, 'Energia e macronutrienti', 6), "
          "('CHOCDF', 205, 'Carboidrati', 'Carbohydrate', 'g', 1, 'Energia e macronutrienti', 7), "
          "('FIBTG', 291, 'Fibra', 'Fibre', 'g', 1, 'Energia e macronutrienti', 8), "
          "('EN_PROT', NULL, 'Energia da proteine', 'Energy from protein', '%En', 0, 'Energia e macronutrienti', 9), "
          "('EN_FAT', NULL, 'Energia da lipidi', 'Energy from fat', '%En', 0, 'Energia e macronutrienti', 10), "
          "('EN_CHO', NULL, 'Energia da carboidrati', 'Energy from carbohydrate', '%En', 0, "
          "'Energia e macronutrienti', 11)"_s,
          u"INSERT INTO valori_nutrienti VALUES (%1, 0, 203, 1), (%1, 0, 204, 0.5), (%1, 0, 205, 10), "
          "(%1, 0, 291, 2), (%1, 1, 203, 0.5), (%1, 1, 204, 0), (%1, 1, 205, 12), (%1, 1, 291, 2.5), "
          "(%1, 2, 204, 0.1), (%1, 2, 205, 15), (%1, 2, 291, 3), "
          "(%2, 0, 203, 13), (%2, 0, 204, 11), (%2, 0, 205, 0.4), (%2, 0, 291, 0)"_s.arg(fruit)
              .arg(eggs)})
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    q = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"macro"_s);
}

MealFileEntry food(const char *category, const char *name, const char *grams)
{
    return {0, *findFoodCategory(QString::fromLatin1(category)), QString::fromUtf8(name), QString::fromLatin1(grams)};
}

// The week from Monday 2 March 2026 of a woman with a requirement: Monday 150 g of apricots and
// 120 g of quail egg; Tuesday nothing; Wednesday a day stored with empty meals; Thursday 200 g of
// pears (no protein known) and 150 g of apples; Friday a food no longer in the catalogue.
class WeekModelTest : public ShellModelTest {
protected:
    void SetUp() override
    {
        ShellModelTest::SetUp();
        addShellProfile(database);
        addMacronutrients(database);
        PersonSession &session = model->persons();
        session.setPath(dir.filePath(u"persone.db"_s));
        session.setToday(QDate(2026, 3, 4));
        ASSERT_TRUE(session.store());
        ASSERT_TRUE(session.store()->addPerson(maria).ok());
        const std::pair<int, MealDay> days[] = {
            {0,
             {{{u"Colazione"_s, {food("Frutta", "Albicocche, crude", "150")}},
               {u"Cena"_s, {food("Uova", "Uovo di quaglia", "120")}}}}},
            {2, emptyDay()},
            {3,
             {{{u"Pranzo"_s,
                {food("Frutta", "Pera, cruda", "200"), food("Frutta", "Mela, con buccia, cruda", "150")}}}}},
            {4, {{{u"Cena"_s, {food("Frutta", "Kiwi", "100")}}}}},
        };
        for (const auto &[day, meals] : days)
            ASSERT_TRUE(
                session.store()->writeDay(maria.name, kMonday.addDays(day), meals, PersonStore::kNotStored).ok());
        session.setCurrentName(maria.name);
    }
    QString cell(const WeekModel &week, int row, WeekModel::Column column)
    {
        return week.index(row, column).data().toString();
    }

    const QDate kMonday{2026, 3, 2};
    const Person maria{u"Maria"_s,
                       Sex::Female,
                       QDate(1986, 5, 10),
                       165,
                       {{QDate(2026, 1, 10), 60, {}}},
                       ActivityLevel::Moderate,
                       RecommendedActivities::With,
                       PersonCondition::None,
                       {}};
};

// Worked out by hand: Monday 150 g × 93 % of apricots and 120 g × 91 % of egg give 239,496 kcal,
// 15,591 g of protein (26,04 %En), 12,7095 g of fat (47,76 %En), 14,3868 g of carbohydrate
// (24,03 %En), 2,79 g of fibre; Thursday 175,08 kcal, protein at least the apples' 0,675 g, fat
// 0,184, carbohydrate 43,8, fibre 8,895. The average of those two days is half their sum, the
// protein a lower bound as Thursday's is.
TEST_F(WeekModelTest, DaysAndTheirDailyAverageAsWorkedOutByHand)
{
    using C = WeekModel::Column;
    // clang-format off
    const struct {
        int line;
        int row;
        C column;
        const char *italian, *english;
    } cases[] = {
        {__LINE__, 0, C::DayColumn, "lun 02/03", "Mon 03/02"},
        {__LINE__, 0, C::EnergyColumn, "239", "239"},
        {__LINE__, 0, C::ProteinColumn, "15,6", "15.6"},
        {__LINE__, 0, C::ProteinShareColumn, "26", "26"},
        {__LINE__, 0, C::FatColumn, "12,7", "12.7"},
        {__LINE__, 0, C::FatShareColumn, "48", "48"},
        {__LINE__, 0, C::CarbohydrateColumn, "14,4", "14.4"},
        {__LINE__, 0, C::CarbohydrateShareColumn, "24", "24"},
        {__LINE__, 0, C::FibreColumn, "2,8", "2.8"},
        {__LINE__, 1, C::EnergyColumn, "nulla di memorizzato", "nothing stored"},
        {__LINE__, 1, C::ProteinColumn, "", ""},
        {__LINE__, 2, C::EnergyColumn, "nulla di memorizzato", "nothing stored"},
        {__LINE__, 3, C::ProteinColumn, "\u2265 0,7", "\u2265 0.7"},
        {__LINE__, 3, C::ProteinShareColumn, "\u2265 2", "\u2265 2"},
        {__LINE__, 3, C::CarbohydrateShareColumn, "100", "100"},
        {__LINE__, 3, C::FibreColumn, "8,9", "8.9"},
        {__LINE__, 4, C::EnergyColumn, "non calcolabile", "cannot be computed"},
        {__LINE__, 6, C::DayColumn, "dom 08/03", "Sun 03/08"},
        {__LINE__, 7, C::DayColumn, "Media giornaliera", "Daily average"},
        {__LINE__, 7, C::EnergyColumn, "207", "207"},
        {__LINE__, 7, C::ProteinColumn, "\u2265 8,1", "\u2265 8.1"},
        {__LINE__, 7, C::ProteinShareColumn, "\u2265 16", "\u2265 16"},
        {__LINE__, 7, C::FatColumn, "6,4", "6.4"},
        {__LINE__, 7, C::FatShareColumn, "28", "28"},
        {__LINE__, 7, C::CarbohydrateColumn, "29,1", "29.1"},
        {__LINE__, 7, C::FibreColumn, "5,8", "5.8"},
    };
    // clang-format on
    for (const bool english : {false, true}) {
        LocaleGuard locale{english ? "en_US" : "it_IT"};
        LanguageGuard language{english ? Language::English : Language::Italian};
        WeekModel week(*model);
        QAbstractItemModelTester tester(&week, QAbstractItemModelTester::FailureReportingMode::Fatal);
        EXPECT_EQ(cell(week, 0, C::EnergyColumn), QString()) << "read before the week is opened";
        ASSERT_TRUE(week.open());
        for (const auto &c : cases) {
            VELMO_CASE(c);
            EXPECT_EQ(cell(week, c.row, c.column), QString::fromUtf8(english ? c.english : c.italian));
        }
        EXPECT_EQ(week.averagedDays(), 2);
        EXPECT_TRUE(week.summary().contains(english ? u"2 days of 7"_s : u"2 giorni su 7"_s))
            << week.summary().toStdString();
        // The chart's numbers, and the requirement the energy model gives the woman on that Monday.
        EXPECT_NEAR(week.index(0, C::EnergyColumn).data(WeekModel::AmountRole).toDouble(), 239.496, 1e-9);
        const double requirement = *personRequirement(maria, kMonday, QLocale())->energy;
        ASSERT_EQ(week.requirementKcal(), requirement);
        EXPECT_NEAR(week.index(7, C::RequirementColumn).data(WeekModel::AmountRole).toDouble(),
                    207.288 * 100 / requirement, 1e-9);
        EXPECT_FALSE(week.index(1, C::EnergyColumn).data(WeekModel::AmountRole).isValid());
    }
}

// The week follows the store and the dates: a day written elsewhere is read once the change is
// committed, and the next week is empty.
TEST_F(WeekModelTest, FollowsTheStoreAndTheChosenWeek)
{
    WeekModel week(*model);
    ASSERT_TRUE(week.open());
    ASSERT_TRUE(model->persons()
                    .store()
                    ->writeDay(maria.name, kMonday.addDays(1),
                               {{{u"Pranzo"_s, {food("Uova", "Uovo di quaglia", "100")}}}}, PersonStore::kNotStored)
                    .ok());
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(week, 1, WeekModel::EnergyColumn), u"144"_s);  // 158 × 91 %
    EXPECT_EQ(week.averagedDays(), 3);
    week.nextWeek();
    EXPECT_EQ(week.from(), kMonday.addDays(7));
    EXPECT_EQ(week.heading(), u"Maria, dal 09/03/2026 al 15/03/2026"_s);
    EXPECT_EQ(week.averagedDays(), 0);
    EXPECT_FALSE(week.averageMeal());
    model->persons().setCurrentName(QString());
    week.previousWeek();
    EXPECT_EQ(week.averagedDays(), 0) << "no current person, no week";
}

// A person past the energy tables has all the week asks for: the week says why no requirement.
TEST_F(WeekModelTest, APersonPastTheEnergyTablesIsToldWhy)
{
    Person ida = maria;
    ida.name = u"Ida"_s;
    ida.birthDate = QDate(1900, 1, 1);
    ASSERT_TRUE(model->persons().store()->addPerson(ida).ok());
    model->persons().setCurrentName(ida.name);
    WeekModel week(*model);
    ASSERT_TRUE(week.open());
    EXPECT_EQ(week.requirementText(),
              u"Nessun fabbisogno con cui confrontare i giorni: non si calcola oltre i 120 anni o i 350 kg."_s);
}

// A personal food changed or deleted is counted as it is now, with no day written; a week whose
// only day cannot be worked out says so, and a food named in English is found.
TEST_F(WeekModelTest, FollowsThePersonalFoodsAndSaysWhyNoDayCounts)
{
    WeekModel week(*model);
    ASSERT_TRUE(week.open());
    PersonalFood cake{u"Torta"_s, 100, {5.0, 10.0, 50.0, 300.0, {}, {}}};
    QString error;
    PersonalFoodCommands &foods = model->personalFoods();
    ASSERT_TRUE(foods.open() && foods.catalogue()->save(cake, {}, &error)) << error.toStdString();
    const auto write = [&](int day, const MealFileEntry &entry) {
        ASSERT_TRUE(
            model->persons()
                .store()
                ->writeDay(maria.name, kMonday.addDays(day), {{{u"Pranzo"_s, {entry}}}}, PersonStore::kNotStored)
                .ok());
    };
    write(7, food("Alimenti personali", "Torta", "100"));
    week.nextWeek();
    EXPECT_EQ(cell(week, 0, WeekModel::EnergyColumn), u"300"_s);
    cake.nutrients[3] = 250.0;
    ASSERT_TRUE(foods.catalogue()->save(cake, cake.name, &error)) << error.toStdString();
    emit foods.foodsChanged({}, {});
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(week, 0, WeekModel::EnergyColumn), u"250"_s);
    ASSERT_TRUE(foods.catalogue()->remove(cake.name, &error)) << error.toStdString();
    emit foods.foodsChanged({}, {});
    QCoreApplication::processEvents();
    EXPECT_EQ(week.averagedDays(), 0);
    EXPECT_EQ(week.summary(), u"Nessun giorno della settimana si può calcolare (6 giorni senza nulla di memorizzato, "
                              "1 giorno con alimenti che non si trovano più nel catalogo): non c'è una media da "
                              "calcolare."_s);
    write(8, food("Frutta", "Apricots, raw", "100"));
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(week, 1, WeekModel::EnergyColumn), cell(week, WeekModel::kAverageRow, WeekModel::EnergyColumn));
    EXPECT_EQ(week.averagedDays(), 1);
}

// Without the foods' profile the week has no figures, and its summary says why.
TEST_F(WeekModelTest, WithoutTheFoodsProfileTheSummarySaysWhy)
{
    {
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"damage"_s);
        db.setDatabaseName(database);
        ASSERT_TRUE(db.open() && QSqlQuery(db).exec(u"DROP TABLE nutrienti"_s));
    }
    QSqlDatabase::removeDatabase(u"damage"_s);
    WeekModel week(*model);
    week.open();
    EXPECT_TRUE(week.summary().startsWith(u"Il profilo degli alimenti non è disponibile"_s))
        << week.summary().toStdString();
    EXPECT_EQ(week.averagedDays(), 0);
}

// The nutrient profile of the day is the sum of its meals' profiles, and that of the week the
// average of its days: a lower bound stays a lower bound.
TEST_F(WeekModelTest, TheProfileShowsTheDayAndTheWeeksAverage)
{
    WeekModel week(*model);
    ASSERT_TRUE(week.open());
    NutrientProfileModel profile(*model);
    const auto amount = [&](const char *key) {
        const auto row = profile.rowOf(QString::fromLatin1(key));
        return row ? profile.index(*row, NutrientProfileModel::AmountColumn).data().toString() : QString();
    };
    profile.setSubject(ProfileSubject::WeekAverage);
    EXPECT_EQ(amount("ENERC_KCAL"), QString()) << "no week given to the profile";
    profile.setWeek(&week);
    EXPECT_EQ(amount("ENERC_KCAL"), u"207 kcal"_s);
    EXPECT_EQ(amount("PROCNT"), u"\u2265 8,1 g"_s);
    // (apricots 13 × 1,395 + egg 640 × 1,092 + apples 6 × 1,35) / 2, the pears lacking
    EXPECT_EQ(amount("CA"), u"\u2265 363 mg"_s);

    // The day: the table's meal (apricots 100 g) and another meal (pears 200 g, egg 100 g).
    add(*model, "Frutta", 0, "100");
    MealDocument::DayState day;
    day.day.meals = {{u"Colazione"_s, {}},
                     {u"Cena"_s, {food("Frutta", "Pera, cruda", "200"), food("Uova", "Uovo di quaglia", "100")}}};
    model->document().setDayState(day);
    profile.setSubject(ProfileSubject::Day);
    EXPECT_EQ(amount("ENERC_KCAL"), u"293 kcal"_s);  // 44,64 + 104,88 + 143,78
    EXPECT_EQ(amount("CA"), u"\u2265 594 mg"_s);     // 12,09 + 582,4, the pears lacking
    EXPECT_EQ(amount("VITC"), u"\u2265 9,3 mg"_s);   // the apricots' alone
}

// The week's CSV: the stored days that have foods, one row per food with its date and meal.
TEST_F(WeekModelTest, ExportsTheDaysWithFoodsAsAPrivateFile)
{
    WeekModel week(*model);
    ASSERT_TRUE(week.open());
    const QString path = dir.filePath(u"settimana.csv"_s);
    dialogs.saveAnswers = {path};
    ASSERT_FALSE(week.exportCsv()) << "Friday's food cannot be placed";
    EXPECT_TRUE(dialogs.messageTexts().join(u' ').contains(u"Kiwi"_s)
                && !dialogs.messageTexts().join(u' ').contains(u"riga 0"_s))
        << dialogs.messageTexts().join(u' ').toStdString();
    ASSERT_TRUE(model->persons().store()->removeDay(maria.name, kMonday.addDays(4), PersonStore::kAnyRevision).ok());
    week.refresh();
    dialogs.saveAnswers = {path};
    ASSERT_TRUE(week.exportCsv()) << dialogs.messageTexts().join(u' ').toStdString();
    // Proposed in the user's folder, not wherever Velmo was started from.
    EXPECT_TRUE(QFileInfo(dialogs.shown.back().prefilled).isAbsolute()) << dialogs.shown.back().prefilled.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.permissions() & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther), 0);
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u"\r\n"_s, Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(u"Data,Pasto,"_s)) << lines[0].toStdString();
    QStringList dates;
    for (const QString &line : lines.mid(1))
        if (!dates.contains(line.section(u',', 0, 0)))
            dates << line.section(u',', 0, 0);
    EXPECT_EQ(dates, (QStringList{u"2026-03-02"_s, u"2026-03-05"_s}));
    EXPECT_TRUE(lines.filter(u"Albicocche"_s).size() == 1 && lines.filter(u"Cena"_s).size() >= 1);
}

}  // namespace
}  // namespace velmo::test
