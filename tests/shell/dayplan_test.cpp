// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/dayfile.h"
#include "report/planreport.h"
#include "shell/daypanelmodel.h"
#include "shell/nutrientprofilemodel.h"
#include "shellfixture.h"
#include "support/languageguard.h"

#include <QAbstractItemModelTester>

#include <string>

namespace velmo::test {
namespace {

class DayPlanTest : public ShellModelTest {
protected:
    // The day as the user has it: the meal shown, each meal's name and foods, and the table.
    static std::string snapshot(MainWindowModel &w)
    {
        std::string text = std::to_string(w.day().current()) + ' ' + w.document().windowTitle().toStdString();
        for (const DayMeal &meal : w.document().day().meals) {
            text += '\n' + meal.name.toStdString() + ':';
            for (const MealFileEntry &e : meal.entries)
                text += ' ' + e.food.toStdString() + ' ' + e.grams.toStdString();
        }
        for (const QString &total : w.meal().totals().texts)
            text += ' ' + total.toStdString();
        return text;
    }
    // Apricots at breakfast, a quail egg at lunch, which the table shows.
    std::unique_ptr<MainWindowModel> plannedDay()
    {
        auto w = window(dialogs);
        EXPECT_TRUE(w->document().newDay());
        add(*w, "Frutta", 0, "100");
        EXPECT_TRUE(w->day().switchTo(2));
        add(*w, "Uova", 0, "30");
        return w;
    }
};

TEST_F(DayPlanTest, EachMealKeepsItsFoodsAndTheTableShowsTheOneChosen)
{
    const auto w = plannedDay();
    EXPECT_EQ(w->day().mealNames(), defaultMealNames());
    ASSERT_TRUE(w->day().switchTo(0));
    const auto apricots = window(dialogs);
    add(*apricots, "Frutta", 0, "100");
    EXPECT_EQ(w->meal().totals().texts, apricots->meal().totals().texts);
    const MealDay day = w->document().day();
    EXPECT_EQ(day.meals[0].entries, apricots->document().entries());
    ASSERT_EQ(day.meals[2].entries.size(), 1u);
    EXPECT_EQ(day.meals[2].entries[0].food, u"Uovo di quaglia"_s);
    EXPECT_TRUE(day.meals[1].entries.empty() && day.meals[3].entries.empty() && day.meals[4].entries.empty());
}

// A meal that cannot be shown (a personal food of it removed since) leaves the meal shown as it
// was, though that one holds the removed food too.
TEST_F(DayPlanTest, AMealThatCannotBeShownLeavesTheShownOneWhole)
{
    const auto w = window(dialogs);
    ASSERT_TRUE(w->document().newDay());
    PersonalCatalogue *catalogue = nullptr;
    QString error;
    ASSERT_TRUE(w->personalFoods().open() && (catalogue = w->personalFoods().catalogue()));
    ASSERT_TRUE(catalogue->save({u"Zuppa"_s, 100, {5.0, 1.0, 10.0, 70.0, {}, {}}}, {}, &error)) << error.toStdString();
    ASSERT_TRUE(w->day().switchTo(2));
    add(*w, "Alimenti personali", 0, "100");
    ASSERT_TRUE(w->day().switchTo(0));
    add(*w, "Frutta", 0, "100");
    add(*w, "Alimenti personali", 0, "50");
    const std::string before = snapshot(*w);
    ASSERT_TRUE(catalogue->remove(u"Zuppa"_s, &error)) << error.toStdString();
    EXPECT_FALSE(w->day().switchTo(2));
    EXPECT_EQ(snapshot(*w), before);
    EXPECT_EQ(w->document().entries().size(), 2u);
}

// Names are checked as a day file checks them; a day holds one to eight meals.
TEST_F(DayPlanTest, RenameAddAndRemoveKeepTheDaysLimits)
{
    enum Act { Rename, Add, Remove };
    // names: the selector's after the act, from the planned day showing "Pranzo"; message: a part of
    // the refusal, none when the act is done or cancelled.
    // clang-format off
    const struct { int line; Act act; const char *answer; const char *names; const char *message; } cases[] = {
        {__LINE__, Rename, " Pranzo leggero ", "Colazione|Spuntino|Pranzo leggero|Merenda|Cena", nullptr},
        {__LINE__, Rename, "", "Colazione|Spuntino|Pranzo|Merenda|Cena", nullptr},
        {__LINE__, Rename, "cena", "Colazione|Spuntino|Pranzo|Merenda|Cena", "c'è già un pasto \"cena\""},
        {__LINE__, Rename, "a]b", "Colazione|Spuntino|Pranzo|Merenda|Cena", "contiene \"]\""},
        {__LINE__, Rename, "12345678901234567890123456789012345678901", "Colazione|Spuntino|Pranzo|Merenda|Cena",
         "più lungo di 40"},
        {__LINE__, Add, "Spuntino 2", "Colazione|Spuntino|Pranzo|Spuntino 2|Merenda|Cena", nullptr},
        {__LINE__, Add, "MERENDA", "Colazione|Spuntino|Pranzo|Merenda|Cena", "c'è già"},
        {__LINE__, Remove, nullptr, "Colazione|Spuntino|Merenda|Cena", nullptr},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto w = plannedDay();
        dialogs.clear();
        dialogs.inputAnswers = {QString::fromUtf8(c.answer ? c.answer : "")};
        const bool done = c.act == Rename ? w->day().renameMeal()
                          : c.act == Add  ? w->day().addMeal()
                                          : w->day().removeMeal();
        EXPECT_EQ(w->day().mealNames().join(u'|'), QString::fromUtf8(c.names));
        EXPECT_EQ(done, !c.message && (!c.answer || *c.answer));
        EXPECT_EQ(dialogs.messageTexts().join(u'\n').contains(QString::fromUtf8(c.message ? c.message : "\x01")),
                  c.message != nullptr)
            << dialogs.messageTexts().join(u'\n').toStdString();
    }
    const auto w = plannedDay();
    dialogs.inputAnswers = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
    for (int meals = 6; meals <= kMaxMealsPerDay + 1; ++meals)
        EXPECT_EQ(w->day().addMeal(), meals <= kMaxMealsPerDay);
    while (w->day().mealCount() > 1)
        ASSERT_TRUE(w->day().removeMeal());
    dialogs.clear();
    EXPECT_FALSE(w->day().removeMeal());
    EXPECT_EQ(dialogs.messageTexts().size(), 1);
    // The name proposed is the first usual meal the day lacks under any of its names: a day made
    // under Italian has its breakfast, whatever the interface's language.
    for (const Language language : {Language::Italian, Language::English}) {
        const LanguageGuard speaking(language);
        const auto named = plannedDay();
        ASSERT_TRUE(named->day().switchTo(1));
        ASSERT_TRUE(named->day().removeMeal());  // no "Spuntino" left
        dialogs.clear();
        dialogs.inputAnswers.clear();
        EXPECT_FALSE(named->day().addMeal());  // cancelled
        EXPECT_EQ(dialogs.shown.back().prefilled, language == Language::Italian ? u"Spuntino"_s : u"Morning snack"_s);
        dialogs.inputAnswers = {u"Spuntino"_s};
        ASSERT_TRUE(named->day().addMeal());
        dialogs.clear();
        EXPECT_FALSE(named->day().addMeal());
        EXPECT_EQ(dialogs.shown.back().prefilled, language == Language::Italian ? u"Pasto 6"_s : u"Meal 6"_s);
    }
    // A meal added to the one without a name gives it the name the selector shows.
    const auto single = window(dialogs);
    dialogs.inputAnswers = {u"pasto"_s, u"Cena"_s};
    EXPECT_FALSE(single->day().addMeal());
    EXPECT_TRUE(single->day().addMeal());
    EXPECT_EQ(single->day().mealNames().join(u'|'), u"Pasto|Cena"_s);
    EXPECT_EQ(single->document().day().meals[0].name, u"Pasto"_s);
}

// Each change of the day, done, undone and done again: the day and the table as they were. An
// edit is undone in the meal it was made in.
TEST_F(DayPlanTest, EachChangeIsUndoneAndRedoneExactly)
{
    enum Act { Switch, Rename, Add, Remove, NewDay };
    // clang-format off
    const struct { int line; Act act; const char *text; } cases[] = {
        {__LINE__, Switch, "passaggio a Colazione"},
        {__LINE__, Rename, "rinomina di Pranzo in Pranzo & cena"},
        {__LINE__, Add, "aggiunta di Spuntino 2"},
        {__LINE__, Remove, "rimozione di Pranzo"},
        {__LINE__, NewDay, "nuovo giorno"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto w = plannedDay();
        w->lockBoxClicked(0, false);  // the egg back in the open row, unlocked
        const std::string before = snapshot(*w);
        dialogs.inputAnswers = {c.act == Rename ? u"Pranzo & cena"_s : u"Spuntino 2"_s};
        dialogs.questionAnswers = {Answer::No};
        switch (c.act) {
        case Switch: ASSERT_TRUE(w->day().switchTo(0)); break;
        case Rename: ASSERT_TRUE(w->day().renameMeal()); break;
        case Add: ASSERT_TRUE(w->day().addMeal()); break;
        case Remove: ASSERT_TRUE(w->day().removeMeal()); break;
        case NewDay: ASSERT_TRUE(w->document().newDay()); break;
        }
        const std::string after = snapshot(*w);
        ASSERT_NE(after, before);
        EXPECT_EQ(w->undoStack().undoText(), QString::fromUtf8(c.text).replace(u'&', u"&&"_s));
        w->undoStack().undo();
        EXPECT_EQ(snapshot(*w), before);
        w->undoStack().redo();
        EXPECT_EQ(snapshot(*w), after);
    }
    const auto w = plannedDay();
    const std::string lunch = snapshot(*w);
    w->lockBoxClicked(0, false);
    ASSERT_TRUE(w->day().switchTo(4));
    w->undoStack().undo();
    w->undoStack().undo();
    EXPECT_EQ(snapshot(*w), lunch);
}

// A day saved opens again as it was, and the question before losing it speaks of the day.
TEST_F(DayPlanTest, ADaySavedOpensAgainAsItWas)
{
    const auto w = plannedDay();
    ASSERT_TRUE(w->day().switchTo(4));  // the table's meal saved as well as the others
    dialogs.saveAnswers = {dir.filePath(u"giorno"_s)};
    ASSERT_TRUE(w->document().save());
    const QString path = dir.filePath(u"giorno.pasto"_s);
    EXPECT_EQ(fileBytes(path), dayFileText(w->document().day()));
    EXPECT_EQ(readDayFile(fileBytes(path)).day, w->document().day());
    ASSERT_TRUE(model->document().openFile(path)) << dialogs.messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(model->document().day(), w->document().day());
    EXPECT_EQ(model->day().current(), 0);
    EXPECT_EQ(model->document().windowTitle(), u"Velmo - giorno.pasto"_s);
    ASSERT_TRUE(model->day().switchTo(2));
    model->lockBoxClicked(0, false);
    ASSERT_TRUE(model->day().switchTo(0));
    dialogs.clear();
    EXPECT_FALSE(model->document().newMeal());  // cancelled
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, MealDocument::daySavePrompt());
    dialogs.saveAnswers = {dir.filePath(u"giorno.csv"_s)};
    ASSERT_TRUE(w->document().exportCsv(std::nullopt, 2000));
    const QByteArray csv = fileBytes(dir.filePath(u"giorno.csv"_s));
    EXPECT_TRUE(csv.startsWith("Pasto,Alimento,")) << csv.toStdString();
    EXPECT_EQ(csv.count("Totale del giorno"), 1) << csv.toStdString();
    EXPECT_TRUE(csv.contains("\r\nColazione,\"Albicocche, crude\",") && csv.contains("\r\nPranzo,Uovo di quaglia,"))
        << csv.toStdString();
}

// The day's macronutrients in the profile's tables, as the shell's foods have them in theirs.
void addMacroProfile(const QString &path)
{
    auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"macro"_s);
    db.setDatabaseName(path);
    ASSERT_TRUE(db.open());
    QSqlQuery q(db);
    for (const QString &sql :
         {u"CREATE TABLE nutrienti (chiave, fonte, nome, nome_inglese, unita, decimali, gruppo, ordine)"_s,
          u"INSERT INTO nutrienti VALUES ('ENERC_KCAL', 208, 'Energia', '', 'kcal', 0, '', 1), "
          "('PROCNT', 203, 'Proteine', '', 'g', 1, '', 2), ('FAT', 204, 'Lipidi', '', 'g', 1, '', 3), "
          "('CHOCDF', 205, 'Carboidrati', '', 'g', 1, '', 4), ('FIBTG', 291, 'Fibra', '', 'g', 1, '', 5), "
          "('EN_PROT', 0, 'da proteine', '', '%En', 0, '', 6), ('EN_FAT', 0, 'da lipidi', '', '%En', 0, '', 7), "
          "('EN_CHO', 0, 'da carboidrati', '', '%En', 0, '', 8)"_s,
          u"CREATE TABLE valori_nutrienti (categoria, riga, nutriente, valore)"_s,
          u"INSERT INTO valori_nutrienti VALUES (%1, 0, 208, 48), (%1, 0, 203, 1.4), (%1, 0, 204, 0.39), "
          "(%1, 0, 205, 11.12), (%1, 0, 291, 2), (%2, 0, 208, 158), (%2, 0, 203, 13.05), (%2, 0, 204, 11.09), "
          "(%2, 0, 205, 0.41), (%2, 0, 291, 0)"_s.arg(*findFoodCategory(u"Frutta"_s))
              .arg(*findFoodCategory(u"Uova"_s))})
        ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
    q = QSqlQuery();
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"macro"_s);
}

// Worked out by hand: 100 g of apricots, 93 % edible, at breakfast (44,64 kcal; protein 1,302 g,
// fat 0,3627 g, carbohydrate 10,3416 g, fibre 1,86 g) and 30 g of quail egg, 91 % edible, at
// lunch (43,134 kcal; 3,56265 g, 3,02757 g, 0,11193 g, no fibre): 87,774 kcal, split 51 % / 49 %;
// fat 34,8 %En and carbohydrate 47,6 %En of it, within the adult's 20-35 and 45-60 %En.
TEST_F(DayPlanTest, ThePanelAddsUpTheDayAndFollowsTheTable)
{
    addMacroProfile(database);
    const auto w = plannedDay();
    DayPanelModel panel(*w);
    QAbstractItemModelTester tester(&panel);
    const auto row = [&](int meal) {
        QStringList cells;
        for (int c = 0; c < DayPanelModel::ColumnCount; ++c)
            cells << panel.index(meal, c).data().toString();
        return cells.join(u'|');
    };
    const auto lines = [](const std::vector<DayPanelModel::Line> &shown) {
        QStringList texts;
        for (const auto &l : shown)
            texts << QStringList{l.name, l.amount, l.reference, l.status}.join(u'|');
        return texts.join(u'\n');
    };
    int refreshes = 0;
    QObject::connect(&panel, &DayPanelModel::refreshed, [&] { ++refreshes; });
    w->setRequirement(1000, {});
    w->setRequirement(2000, {});  // two changes in one turn: one recomputation, of the last
    QCoreApplication::processEvents();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(row(0), u"Colazione|45 kcal|51 %|circa 20 %"_s);
    EXPECT_EQ(row(1), u"Spuntino|0 kcal|0 %|circa 5 %"_s);
    EXPECT_EQ(row(2), u"Pranzo|43 kcal|49 %|circa 40 %"_s);
    EXPECT_EQ(panel.index(2, 0).data(Qt::FontRole).value<QFont>().bold(), true);  // the table's meal
    EXPECT_EQ(lines(panel.totals()),
              u"Energia|88 kcal||\nProteine|4,9 g||\nLipidi|3,4 g||\nCarboidrati|10,5 g||\nFibra|1,9 g||"_s);
    EXPECT_EQ(lines(panel.split()), u"da proteine|22 %En||\nda lipidi|35 %En|RI 20–35 %En|nell'intervallo\n"
                                    "da carboidrati|48 %En|RI 45–60 %En|nell'intervallo"_s);
    EXPECT_EQ(panel.summary(), u"Giorno 88 kcal = 4 % di 2000 kcal"_s);
    w->lockBoxClicked(0, false);  // the egg's lunch unlocked: the breakfast is the whole day
    QCoreApplication::processEvents();
    EXPECT_EQ(row(0), u"Colazione|45 kcal|100 %|circa 20 %"_s);
    EXPECT_EQ(row(2), u"Pranzo|0 kcal|0 %|circa 40 %"_s);
}

// The printed plan repeats the day panel's figures and the profile window's rows for the same plan;
// a plan without foods, of a person without a weight, says both.
TEST_F(DayPlanTest, ThePrintedPlanShowsTheWindowsNumbers)
{
    addMacroProfile(database);
    const auto w = plannedDay();
    w->setRequirement(2000, {});
    DayPanelModel panel(*w);
    NutrientProfileModel profile(*w);
    profile.setPerson(IntakePerson{false, 30});
    panel.refresh();
    profile.refresh();
    PlanInput input;
    input.days = {{QDate(2026, 3, 2), w->document().day()}};
    input.requirementKcal = w->requirementKcal();
    QString error;
    const auto day = buildPlanReport(input, *w->nutrientStore(), nullptr, QLocale(), &error);
    ASSERT_TRUE(day) << error.toStdString();
    const auto join = [](const QStringList &cells) { return cells.join(u'|').toStdString(); };
    const auto lines = [&](const std::vector<FigureLine> &shown) {
        std::string text;
        for (const FigureLine &l : shown)
            text += join({l.name, l.amount, l.reference, l.status}) + '\n';
        return text;
    };
    ASSERT_EQ(day->days[0].meals.size(), 5u);
    for (int m = 0; m < panel.rowCount(); ++m) {
        const ReportMeal &printed = day->days[0].meals[static_cast<std::size_t>(m)];
        EXPECT_EQ(join({printed.name, printed.energy, printed.share}),
                  join({panel.index(m, 0).data().toString(), panel.index(m, 1).data().toString(),
                        panel.index(m, 2).data().toString()}));
    }
    EXPECT_EQ(lines(day->totals), lines(panel.totals()));
    EXPECT_EQ(lines(day->split), lines(panel.split()));
    EXPECT_EQ(day->summary, panel.summary());
    input.scope = ReportScope::Meal;
    // The table's meal of the day: its share is of the whole day, its figures are its own.
    input.meal = w->day().current();
    const auto lunch = buildPlanReport(input, *w->nutrientStore(), nullptr, QLocale(), &error);
    ASSERT_TRUE(lunch) << error.toStdString();
    ASSERT_EQ(lunch->days[0].meals.size(), 1u);
    EXPECT_EQ(join({lunch->days[0].meals[0].name, lunch->days[0].meals[0].share}),
              join({panel.index(2, 0).data().toString(), panel.index(2, 2).data().toString()}));
    EXPECT_EQ(lunch->summary, u"Pasto 43 kcal = 2 % di 2000 kcal"_s);
    input.meal = -1;
    EXPECT_FALSE(day->hasPortions);
    std::vector<MealFileEntry> entries = w->document().entries();
    entries.back().portion = u"2 uova"_s;  // the portion the user chose is printed beside its food
    input.days = {{QDate(), MealDay{{{QString(), entries}}}}};
    const auto meal = buildPlanReport(input, *w->nutrientStore(), nullptr, QLocale(), &error);
    ASSERT_TRUE(meal) << error.toStdString();
    const ReportFood &egg = meal->days[0].meals[0].foods.at(0);
    EXPECT_EQ(join({egg.name, egg.edibleGrams, egg.grossGrams, egg.energy}), "Uovo di quaglia|27 g|30 g|43 kcal");
    EXPECT_TRUE(meal->hasPortions);
    EXPECT_EQ(meal->days[0].meals[0].foods.back().portion, u"2 uova"_s);
    EXPECT_EQ(egg.portion.isEmpty(), entries.size() > 1);
    ASSERT_EQ(meal->nutrients.size(), std::size_t(profile.rowCount()));
    for (int r = 0; r < profile.rowCount(); ++r) {
        const ReportNutrient &n = meal->nutrients[static_cast<std::size_t>(r)];
        const auto shown = [&](int column) { return profile.index(r, column).data().toString(); };
        EXPECT_EQ(join({n.name, n.amount, n.reference, n.percent, n.note}),
                  join({shown(0), shown(1), shown(2), shown(3), shown(5)}));
    }
    // A day stored without food is not one of the planned days averaged, nor printed: it is listed
    // among the days without a plan. Nor is a day with a food no longer in the database averaged:
    // it is printed as such, and the week says why.
    input.scope = ReportScope::Week;
    input.date = QDate(2026, 3, 2);
    std::vector<MealFileEntry> gone = w->document().entries();
    gone.front().food = u"Torta della nonna"_s;
    input.days = {{QDate(2026, 3, 2), w->document().day()},
                  {QDate(2026, 3, 3), emptyDay()},
                  {QDate(2026, 3, 4), MealDay{{{u"Pranzo"_s, gone}}}}};
    const auto week = buildPlanReport(input, *w->nutrientStore(), nullptr, QLocale(), &error);
    ASSERT_TRUE(week) << error.toStdString();
    EXPECT_TRUE(week->figuresCaption.startsWith(u"Media giornaliera di 1 giorn"_s))
        << week->figuresCaption.toStdString();
    ASSERT_EQ(week->days.size(), 2u);
    EXPECT_TRUE(week->days[1].meals.empty() && week->days[1].summary.startsWith(u"non calcolabile"_s));
    EXPECT_TRUE(week->missing.join(u'\n').contains(u"Giorni senza piano conservato: 03/03/2026, 05/03/2026, "_s))
        << week->missing.join(u'\n').toStdString();
    EXPECT_TRUE(week->missing.join(u'\n').contains(u"Il giorno mercoledì 4 marzo non entra nella media: "_s))
        << week->missing.join(u'\n').toStdString();
    EXPECT_TRUE(week->missing.join(u'\n').contains(u"Torta della nonna"_s));
    input.scope = ReportScope::Day;  // a day is its plan: it is not printed without a food of its own
    input.days.erase(input.days.begin(), input.days.begin() + 2);
    EXPECT_FALSE(buildPlanReport(input, *w->nutrientStore(), nullptr, QLocale(), &error));
    input.scope = ReportScope::Week;
    input.days = {{QDate(2026, 3, 2), w->document().day()}, {QDate(2026, 3, 3), emptyDay()}};
    EXPECT_EQ(lines(week->totals), lines(panel.totals()));
    EXPECT_TRUE(week->summary.startsWith(u"Media giornaliera "_s)) << week->summary.toStdString();
    input = PlanInput{};
    input.person = Person{u"Ada"_s, Sex::Female, QDate(1990, 5, 1), 165, {}, {}, {}, {}, {}};
    input.date = QDate(2026, 3, 2);
    input.days = {{input.date, emptyDay()}};
    const auto empty = buildPlanReport(input, *w->nutrientStore(), nullptr, QLocale(), &error);
    ASSERT_TRUE(empty) << error.toStdString();
    EXPECT_EQ(empty->missing.join(u'\n').count(u"Il piano non ha alimenti"_s), 1);
    EXPECT_EQ(empty->missing.join(u'\n').count(u"Nessun peso registrato"_s), 1);
    EXPECT_EQ(empty->person.at(2).second, u"35 anni"_s);
    // A pregnancy is printed beside the person, as the references take it; a child under ten has
    // the basal metabolism alone, which no choice of activity changes.
    input.person->condition = PersonCondition::Pregnancy;
    input.person->weights = {{QDate(2026, 1, 1), 60, std::nullopt}};
    input.person->activity = ActivityLevel::Light;
    input.person->recommended = RecommendedActivities::Without;
    const auto pregnant = buildPlanReport(input, *w->nutrientStore(), nullptr, QLocale(), &error);
    ASSERT_TRUE(pregnant) << error.toStdString();
    EXPECT_EQ(pregnant->person.at(3).second, u"gravidanza"_s);
    // Her requirement is a woman's like any other: the page says what it leaves out.
    EXPECT_EQ(pregnant->missing.join(u'\n').count(u"l'energia in più che la gravidanza richiede"_s), 1);
    input.person = Person{u"Bruno"_s, Sex::Male, QDate(2021, 1, 1), 110, {}, {}, {}, {}, {}};
    input.person->weights = {{QDate(2026, 1, 1), 20, std::nullopt}};
    const auto child = buildPlanReport(input, *w->nutrientStore(), nullptr, QLocale(), &error);
    ASSERT_TRUE(child) << error.toStdString();
    const QString missing = child->missing.join(u'\n');
    EXPECT_TRUE(!missing.contains(u"attività"_s) && missing.contains(u"sotto i 10 anni"_s)) << missing.toStdString();
}

}  // namespace
}  // namespace velmo::test
