// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/personalfoodtable.h"
#include "plan/personstore.h"
#include "shellfixture.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

#include <algorithm>
#include <csignal>
#include <vector>

namespace velmo::test {
namespace {

class PersonalFoodCommandsTest : public ShellModelTest {
protected:
    // What the user types into the food window before pressing Salva.
    void fillFoodWindow(const QStringList &texts)
    {
        ASSERT_TRUE(model->personalFoods().foodForm());
        for (int i = 0; i < texts.size(); ++i)
            model->personalFoods().foodForm()->setText(i, texts[i]);
        ASSERT_TRUE(model->personalFoods().foodForm()->accept());
        model->personalFoods().foodWindowClosed();
    }
    // The foods of `lines` imported from a CSV file, as the menu imports them.
    void importFoods(const QByteArray &lines)
    {
        QFile file(dir.filePath(u"torte.csv"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\n" + lines);
        file.close();
        dialogs.openAnswers = {file.fileName()};
        model->personalFoods().importFoods();
    }
};

TEST_F(PersonalFoodCommandsTest, NewModifyDeleteAndTheFoodReachesTheOpenRow)
{
#ifdef Q_OS_UNIX  // a folder found open to other users is closed to them, and the user is told
    const QString folder = QFileInfo(personal).absolutePath();
    ASSERT_TRUE(QDir().mkpath(folder) && QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOther));
    model->personalFoods().newFood();
    EXPECT_TRUE(dialogs.shown.at(0).text.contains(u"era accessibile anche ad altri utenti"_s))
        << dialogs.shown[0].text.toStdString();
    EXPECT_FALSE(QFile::permissions(folder) & QFile::ReadOther);
#endif
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    EXPECT_TRUE(QFile::exists(personal));
    EXPECT_EQ(model->categoryHeading(), u"Alimenti personali"_s);
    EXPECT_EQ(model->meal().row(0).name(), u"Torta"_s);
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Protein).text, u"6,5"_s);

    model->personalFoods().modifyFood();
    EXPECT_EQ(model->personalFoods().foodForm()->text(2), u"6,5"_s);
    dialogs.clear();
    dialogs.questionAnswers = {Answer::Yes};  // saved files that name it will not open: asked even with no steps
    fillFoodWindow({u"Torta di mele"_s});
    EXPECT_TRUE(dialogs.shown.at(0).text.contains(u"non si potranno più aprire"_s));
    EXPECT_EQ(model->meal().row(0).name(), u"Torta di mele"_s);
    model->personalFoods().modifyFood();  // the first food of its category, its name kept
    fillFoodWindow({u"Torta di mele"_s, u"100"_s, u"7,5"_s});
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Protein).text, u"7,5"_s);
    // The search and a meal file see the food as it is now.
    const FoodSearch::Result found = model->foodSearch().find(u"MELE"_s);
    ASSERT_EQ(found.total, 1);
    EXPECT_EQ(model->foodSearch().heading(found.foods[0]), u"Alimenti personali"_s);
    QFile meal(dir.filePath(u"torta.pasto"_s));
    ASSERT_TRUE(meal.open(QIODevice::WriteOnly));
    meal.write("Alimenti personali;Torta di mele;150\n");
    meal.close();
    ASSERT_TRUE(model->document().openFile(meal.fileName())) << dialogs.messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Gross).text, u"150"_s);

    dialogs.questionAnswers = {Answer::No, Answer::Yes, Answer::Yes};
    model->personalFoods().deleteFood();
    EXPECT_EQ(model->dataControl().rowCount(), 1);
    QSqlQuery keep(model->personalFoods().catalogue()->connection());  // a deletion the file refuses is told
    ASSERT_TRUE(keep.exec(u"CREATE TEMP TRIGGER keep BEFORE DELETE ON %1 BEGIN SELECT RAISE(ABORT, 'no'); END"_s.arg(
        PersonalFoodTable::name())));
    model->personalFoods().deleteFood();
    EXPECT_TRUE(dialogs.messageTexts().back().startsWith(u"Impossibile eliminare"_s));
    ASSERT_TRUE(keep.exec(u"DROP TRIGGER keep"_s));
    model->personalFoods().deleteFood();
    ASSERT_GE(dialogs.shown.size(), 2u);
    EXPECT_TRUE(
        dialogs.shown[dialogs.shown.size() - 2].text.startsWith(u"Eliminare l'alimento personale \"Torta di mele\""_s));
    EXPECT_TRUE(dialogs.shown.back().text.contains(u"Torta di mele"_s));  // and it leaves the meal
    EXPECT_TRUE(model->document().entries().empty());
    EXPECT_EQ(model->dataControl().rowCount(), 0);
}

// The table's rows follow a personal food changed, replaced or renamed, in every meal of the day;
// a meal saved as a food in its place keeps its name.
TEST_F(PersonalFoodCommandsTest, TheDayFollowsAPersonalFoodChangedOrRenamed)
{
    model->personalFoods().newFood();
    model->personalFoods().foodForm()->setMeasures(u"fetta=80"_s);
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    add(*model, "Alimenti personali", 0, "100");
    dialogs.inputAnswers = {u"Cena"_s};
    ASSERT_TRUE(model->day().addMeal());
    add(*model, "Frutta", 0, "200");
    add(*model, "Alimenti personali", 0, "50");
    model->personalFoods().modifyFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"20"_s});
    EXPECT_EQ(model->meal().row(1).cell(MealColumn::Protein).text, u"10,00"_s);
    // New values alone are no step, which taking back would seem to do nothing; steps taken back
    // put the rows back, never the values the food no longer has.
    EXPECT_FALSE(model->undoStack().undoText().contains(u"alimenti personali"_s))
        << model->undoStack().undoText().toStdString();
    const QString total = model->meal().totalText(MealColumn::Protein);
    model->undoStack().undo();  // the cake's lock in the dinner
    model->undoStack().redo();
    EXPECT_EQ(model->meal().row(1).cell(MealColumn::Protein).text, u"10,00"_s);
    EXPECT_EQ(model->meal().totalText(MealColumn::Protein), total);

    dialogs.inputAnswers = {u"TORTA"_s};
    dialogs.questionAnswers = {Answer::Yes};
    model->personalFoods().saveMealAsFood();
    EXPECT_TRUE(dialogs.shown.back().text.startsWith(u"Sostituito"_s)) << dialogs.shown.back().text.toStdString();
    EXPECT_EQ(model->personalFoods().catalogue()->find(u"torta"_s)->name, u"Torta"_s);
    EXPECT_EQ(measuresText(model->personalFoods().catalogue()->find(u"torta"_s)->measures), u"fetta=80"_s);
    importFoods("TORTA,100,8,12,50,340,,\n");
    EXPECT_EQ(model->document().day().meals[0].entries.at(0).food, u"TORTA"_s);
    EXPECT_EQ(model->meal().row(1).cell(MealColumn::Protein).text, u"4,00"_s);

    model->chooseCategory(kPersonalCategory);
    model->personalFoods().modifyFood();
    dialogs.questionAnswers = {Answer::Yes};  // the steps before go
    fillFoodWindow({u"Torta di mele"_s});
    ASSERT_EQ(model->document().day().meals.size(), 2u);
    EXPECT_EQ(model->document().day().meals[0].entries.at(0).food, u"Torta di mele"_s);
    EXPECT_EQ(model->document().day().meals[1].entries.at(1).food, u"Torta di mele"_s);
    EXPECT_EQ(model->meal().row(1).cell(MealColumn::Protein).text, u"4,00"_s);
}

// A row composed again after an undo, named anew by an import's capitals, keeps its category
// whatever category is browsed: it is written so into the file and the stored day.
TEST_F(PersonalFoodCommandsTest, ARowComposedAgainKeepsItsCategory)
{
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    add(*model, "Alimenti personali", 0, "100");
    importFoods("TORTA,100,8,12,50,340,,\n");
    model->chooseCategory(category("Frutta"));
    model->undoStack().undo();
    const std::vector<MealFileEntry> entries = model->document().entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].category, kPersonalCategory);
    EXPECT_EQ(entries[0].food, u"TORTA"_s);
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Protein).text, u"8,00"_s);
}

// A personal food deleted after a step that held it: taking the step back leaves it out of the
// meal, and says so.
TEST_F(PersonalFoodCommandsTest, AnUndoBringsNoDeletedFoodBack)
{
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    add(*model, "Frutta", 0, "100");
    add(*model, "Alimenti personali", 0, "80");
    model->lockBoxClicked(1, false);
    model->chooseCategory(kPersonalCategory);
    dialogs.questionAnswers = {Answer::Yes};
    model->personalFoods().deleteFood();
    ASSERT_FALSE(model->personalFoods().catalogue()->find(u"Torta"_s));
    dialogs.clear();
    model->undoStack().undo();  // the cake's unlock
    const std::vector<MealFileEntry> entries = model->document().entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].food, u"Albicocche, crude"_s);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(u"Torta"_s)) << dialogs.shown[0].text.toStdString();
    model->undoStack().undo();  // the cake's lock: its row comes back open, and empty
    EXPECT_EQ(model->meal().row(1).name(), QString());
    EXPECT_EQ(model->meal().row(1).cell(MealColumn::Gross).text, u"80"_s);
}

// A change made by another window or velmo-pasto reaches this one as it comes to the front.
TEST_F(PersonalFoodCommandsTest, AChangeMadeElsewhereIsShownWhenTheWindowComesBack)
{
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    add(*model, "Alimenti personali", 0, "100");
    QString error;
    auto elsewhere = PersonalCatalogue::open(personal, false, &error);
    ASSERT_TRUE(elsewhere) << error.toStdString();
    PersonalFood cake = *elsewhere->find(u"Torta"_s);
    cake.nutrients[0] = 20.0;
    ASSERT_TRUE(elsewhere->save(cake, u"Torta"_s, &error)) << error.toStdString();
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Protein).text, u"6,50"_s);
    model->followPersonalFoodsChangedElsewhere();
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Protein).text, u"20,00"_s);
    EXPECT_EQ(model->browser().current().fields[2], u"20"_s);  // the category shown anew
    ASSERT_TRUE(elsewhere->remove(u"Torta"_s, &error));
    dialogs.clear();
    model->followPersonalFoodsChangedElsewhere();
    EXPECT_TRUE(model->document().entries().empty());
    EXPECT_EQ(dialogs.shown.size(), 1u);
    model->followPersonalFoodsChangedElsewhere();  // nothing new: nothing said again
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

// Shown in a stored day, a food renamed elsewhere is read again as the store has it, and one
// deleted elsewhere keeps its rows in the store.
TEST_F(PersonalFoodCommandsTest, AStoredDayFollowsChangesElsewhereAsTheStoreHasThem)
{
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    const QString persons = dir.filePath(u"persone.db"_s);
    model->persons().setPath(persons);
    PersonStore *store = model->persons().store();
    ASSERT_TRUE(store->addPerson({u"Anna"_s, Sex::Female, QDate(1980, 1, 1), 165, {}, {}, {}, {}, {}}).ok());
    const QDate day(2026, 3, 2);
    const MealFileEntry cake{0, kPersonalCategory, u"Torta"_s, u"100"_s};
    const MealFileEntry pear{0, *findFoodCategory(u"Frutta"_s), u"Pera, cruda"_s, u"100"_s};
    ASSERT_TRUE(store->writeDay(u"Anna"_s, day, {{{u"Pranzo"_s, {pear, cake}}}}, PersonStore::kNotStored).ok());
    ASSERT_TRUE(model->storedDays().open(u"Anna"_s, day));
    QString error;
    auto elsewhere = PersonalCatalogue::open(personal, false, &error);
    auto otherStore = PersonStore::open(persons, false, &error);
    ASSERT_TRUE(elsewhere && otherStore) << error.toStdString();
    // New values alone are composed in place: no reading again, no step.
    PersonalFood richer = *elsewhere->find(u"Torta"_s);
    richer.nutrients[0] = 8.0;
    ASSERT_TRUE(elsewhere->save(richer, u"Torta"_s, &error));
    const int steps = model->undoStack().count();
    model->followPersonalFoodsChangedElsewhere();
    EXPECT_EQ(model->meal().row(1).cell(MealColumn::Protein).text, u"8,00"_s);
    EXPECT_EQ(model->undoStack().count(), steps);
    PersonalFood renamed = *elsewhere->find(u"Torta"_s);
    renamed.name = u"Crostata"_s;
    ASSERT_TRUE(elsewhere->save(renamed, u"Torta"_s, &error));
    ASSERT_TRUE(otherStore->renamePersonalFood(u"Torta"_s, u"Crostata"_s).ok());
    dialogs.clear();
    model->followPersonalFoodsChangedElsewhere();
    EXPECT_EQ(model->document().day().meals.at(0).entries.at(1).food, u"Crostata"_s);
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text.toStdString();
    ASSERT_TRUE(elsewhere->remove(u"Crostata"_s, &error));
    dialogs.questionAnswers = {Answer::Yes};
    model->followPersonalFoodsChangedElsewhere();
    EXPECT_EQ(model->document().day().meals.at(0).entries.size(), 1u);
    QCoreApplication::processEvents();
    EXPECT_TRUE(model->storedDays().flush());
    StoreResult result;
    EXPECT_EQ(store->day(u"Anna"_s, day, nullptr, &result)->meals.at(0).entries.size(), 2u);
}

// A food only browsed, in the open row, is no food of the meal: deleted, it leaves without a word.
TEST_F(PersonalFoodCommandsTest, AFoodOnlyBrowsedLeavesWithoutAWord)
{
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    ASSERT_EQ(model->meal().row(0).name(), u"Torta"_s);
    dialogs.clear();
    dialogs.questionAnswers = {Answer::Yes};
    model->personalFoods().deleteFood();
    EXPECT_EQ(dialogs.messageTexts(), QStringList());
}

// An unlocked row that a step puts back holds the food's values of now, so that locking it again
// counts them.
TEST_F(PersonalFoodCommandsTest, AnUnlockedRowPutBackHoldsTheValuesOfNow)
{
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    add(*model, "Alimenti personali", 0, "50");
    model->personalFoods().modifyFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"20"_s});
    model->undoStack().undo();  // the cake's lock
    ASSERT_EQ(model->meal().row(0).name(), u"Torta"_s);
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Gross).text, u"50"_s);
    model->lockBoxClicked(0, true);
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Protein).text, u"10,00"_s);
}

// A deleted food's rows are unlocked where they stand: the other rows keep the places that the
// steps to take back name, so that an undo and a redo count each food once.
TEST_F(PersonalFoodCommandsTest, ADeletedFoodLeavesTheOtherRowsWhereTheStepsFindThem)
{
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    add(*model, "Alimenti personali", 0, "50");
    add(*model, "Frutta", 0, "100");
    model->chooseCategory(kPersonalCategory);
    dialogs.questionAnswers = {Answer::Yes};
    model->personalFoods().deleteFood();
    const auto foods = [this] {
        QStringList names;
        for (const MealFileEntry &entry : model->document().entries())
            names.append(entry.food);
        return names;
    };
    EXPECT_EQ(foods(), QStringList{u"Albicocche, crude"_s});
    model->undoStack().undo();  // the apricots' lock
    EXPECT_EQ(foods(), QStringList{});
    model->undoStack().redo();
    EXPECT_EQ(foods(), QStringList{u"Albicocche, crude"_s});
}

// A personal food renamed is renamed in every person's stored days, whatever the capitals they
// name it in, and in the habitual meals: the day shown as well, with no word of another window.
TEST_F(PersonalFoodCommandsTest, ARenamedFoodIsRenamedInTheStoredDays)
{
    model->personalFoods().newFood();
    fillFoodWindow({u"Torta"_s, u"100"_s, u"6,5"_s, u"12"_s, u"50"_s, u"340"_s});
    model->persons().setPath(dir.filePath(u"persone.db"_s));
    PersonStore *store = model->persons().store();
    ASSERT_TRUE(store);
    ASSERT_TRUE(store->addPerson({u"Anna"_s, Sex::Female, QDate(1980, 1, 1), 165, {}, {}, {}, {}, {}}).ok());
    const MealFileEntry cake{0, kPersonalCategory, u"TORTA"_s, u"100"_s};
    const MealFileEntry pear{0, *findFoodCategory(u"Frutta"_s), u"Pera, cruda"_s, u"100"_s};
    const QDate shown(2026, 3, 2), other(2026, 3, 3);
    for (const QDate date : {shown, other})
        ASSERT_TRUE(store->writeDay(u"Anna"_s, date, {{{u"Pranzo"_s, {pear, cake}}}}, PersonStore::kNotStored).ok());
    ASSERT_TRUE(store->saveHabitualMeal({u"Merenda"_s, {cake}}).ok());
    ASSERT_TRUE(model->storedDays().open(u"Anna"_s, shown));
    StoreResult result;
    qint64 before = 0;
    ASSERT_TRUE(store->day(u"Anna"_s, other, &before, &result));
    dialogs.inputAnswers = {u"Cena"_s};
    ASSERT_TRUE(model->day().addMeal());  // a step that knows the food by its old name
    dialogs.clear();
    model->chooseCategory(kPersonalCategory);
    model->personalFoods().modifyFood();
    // The steps that would go are told first; No keeps the old name.
    dialogs.questionAnswers = {Answer::No};
    model->personalFoods().foodForm()->setText(0, u"Torta di mele"_s);
    EXPECT_FALSE(model->personalFoods().foodForm()->accept());
    EXPECT_TRUE(model->personalFoods().catalogue()->find(u"Torta"_s));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(model->undoStack().canUndo());
    dialogs.clear();
    dialogs.questionAnswers = {Answer::Yes};
    fillFoodWindow({u"Torta di mele"_s});
    dialogs.clear();
    for (const QDate date : {shown, other}) {
        qint64 revision = 0;
        const auto day = store->day(u"Anna"_s, date, &revision, &result);
        ASSERT_TRUE(day) << result.message.toStdString();
        EXPECT_EQ(day->meals.at(0).entries.at(1).food, u"Torta di mele"_s);
        EXPECT_TRUE(date == shown || revision != before);
    }
    EXPECT_EQ(store->habitualMeal(u"Merenda"_s, &result)->entries.at(0).food, u"Torta di mele"_s);
    EXPECT_TRUE(model->storedDays().flush());
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front().text.toStdString();
    // No step before the new name is left to write the old one back.
    EXPECT_FALSE(model->undoStack().canUndo());
    model->undoStack().undo();
    EXPECT_TRUE(model->storedDays().flush());
    EXPECT_EQ(store->day(u"Anna"_s, shown, nullptr, &result)->meals.at(0).entries.at(1).food, u"Torta di mele"_s);
    // Its deletion is asked naming where it is planned, whatever the capitals.
    model->chooseCategory(kPersonalCategory);
    dialogs.clear();
    dialogs.questionAnswers = {Answer::No};
    model->personalFoods().deleteFood();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.endsWith(u"\n\nÈ nei giorni salvati di Anna (2 giorni) e in 1 pasto abituale."_s))
        << dialogs.shown[0].text.toStdString();
    EXPECT_TRUE(model->personalFoods().catalogue()->find(u"torta di mele"_s));
    // So is a meal saved in its place.
    add(*model, "Frutta", 0, "100");
    dialogs.clear();
    dialogs.inputAnswers = {u"TORTA DI MELE"_s};
    model->personalFoods().saveMealAsFood();
    model->chooseCategory(kPersonalCategory);
    ASSERT_EQ(dialogs.shown.size(), 2u) << dialogs.shown[0].text.toStdString();
    EXPECT_TRUE(dialogs.shown[1].text.endsWith(u"(2 giorni) e in 1 pasto abituale. Lì prenderà i valori nuovi."_s))
        << dialogs.shown[1].text.toStdString();
    // A store that cannot say is said to be so, not taken for a food planned nowhere.
    const auto unread = window(dialogs);
    unread->persons().setPath(dir.filePath(u"rotto.db"_s));
    QFile broken(dir.filePath(u"rotto.db"_s));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write(QByteArray(4096, 'x')) == 4096);
    broken.close();
    unread->chooseCategory(kPersonalCategory);
    dialogs.clear();
    dialogs.questionAnswers = {Answer::No};
    unread->personalFoods().deleteFood();
    EXPECT_TRUE(
        dialogs.shown.back().text.endsWith(u"Non si è potuto controllare in quali giorni delle persone è usato."_s))
        << dialogs.shown.back().text.toStdString();
    // Once deleted, a day naming it opens without it at the user's word; the store keeps the row
    // until the day changes.
    dialogs.questionAnswers = {Answer::Yes};
    model->personalFoods().deleteFood();
    dialogs.clear();
    ASSERT_TRUE(model->storedDays().open(u"Anna"_s, shown));
    EXPECT_FALSE(model->storedDays().open(u"Anna"_s, other));  // cancelled
    EXPECT_EQ(model->document().storedDay()->date, shown);
    dialogs.questionAnswers = {Answer::Yes};
    ASSERT_TRUE(model->storedDays().open(u"Anna"_s, other));
    EXPECT_TRUE(dialogs.shown.back().text.contains(u"Pranzo: l'alimento \"Torta di mele\""_s))
        << dialogs.shown.back().text.toStdString();
    EXPECT_EQ(model->document().day().meals.at(0).entries.size(), 1u);
    EXPECT_EQ(store->day(u"Anna"_s, other, nullptr, &result)->meals.at(0).entries.size(), 2u);
    // Nor does coming back to it by an undo change it.
    ASSERT_TRUE(model->storedDays().open(u"Anna"_s, shown));
    model->undoStack().undo();
    ASSERT_EQ(model->document().storedDay()->date, other);
    EXPECT_TRUE(model->storedDays().flush());
    EXPECT_EQ(store->day(u"Anna"_s, other, nullptr, &result)->meals.at(0).entries.size(), 2u);
    // Copied, it goes without them, once the user has been told.
    const QDate copy(2026, 3, 9);
    dialogs.clear();
    EXPECT_FALSE(model->dayCopies().copyDay({u"Anna"_s, copy}));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(u"la copia non le avrà"_s));
    dialogs.questionAnswers = {Answer::Yes};
    EXPECT_TRUE(model->dayCopies().copyDay({u"Anna"_s, copy}));
    EXPECT_EQ(store->day(u"Anna"_s, copy, nullptr, &result)->meals.at(0).entries.size(), 1u);
    add(*model, "Frutta", 1, "100");
    QCoreApplication::processEvents();
    EXPECT_EQ(store->day(u"Anna"_s, other, nullptr, &result)->meals.at(0).entries.at(1).category,
              *findFoodCategory(u"Frutta"_s));
}

TEST_F(PersonalFoodCommandsTest, ADamagedCatalogueIsLeftAloneUntilTheUserSetsItAside)
{
    QDir().mkpath(QFileInfo(personal).absolutePath());
    QFile damaged(personal);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray(4096, '\x7f')) == 4096);
    damaged.close();

    model->chooseCategory(kPersonalCategory);  // the question is cancelled
    EXPECT_EQ(model->categoryHeading(), u"Alimenti"_s);
    EXPECT_EQ(fileBytes(personal), QByteArray(4096, '\x7f'));
    EXPECT_TRUE(dialogs.shown.back().text.contains(personal));
    const auto asked = dialogs.shown.size();
    model->foodSearch();  // a search, once the user said no, goes on without asking
    EXPECT_EQ(dialogs.shown.size(), asked);

    dialogs.questionAnswers = {Answer::Yes};
    model->chooseCategory(kPersonalCategory);
    EXPECT_EQ(model->categoryHeading(), u"Alimenti personali"_s);
    const QStringList aside = QDir(QFileInfo(personal).absolutePath()).entryList({u"*.non-apribile-*"_s});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(fileBytes(QFileInfo(personal).absolutePath() + u'/' + aside.front()), QByteArray(4096, '\x7f'));
}

TEST_F(PersonalFoodCommandsTest, AMealSavedAsAFoodThenExportedAndImported)
{
    add(*model, "Frutta", 0, "200");
    dialogs.inputAnswers = {u"Spuntino"_s};
    model->personalFoods().saveMealAsFood();
    // 200 g of apricots, 186 g net: per 100 g, each amount with the decimals of its unit.
    EXPECT_EQ(dialogs.messageTexts().back(),
              u"Creato l'alimento personale \"Spuntino\" (parte edibile 100%), per 100 g "
              "di pasto:\nprotidi 1,4 g, lipidi 0,4 g, glucidi 11,1 g, energia 48 kcal, "
              "fibra 2,0 g, colesterolo 0,0 mg."_s);
    EXPECT_EQ(model->personalFoods().catalogue()->find(u"spuntino"_s)->nutrients[0], 1.4);

    const QString exported = dir.filePath(u"esportati.csv"_s);
    dialogs.saveAnswers = {dir.filePath(u"esportati"_s)};  // the suffix is added
    model->personalFoods().exportFoods();
    QString error;
    EXPECT_EQ(QString::fromUtf8(fileBytes(exported)), foodsToCsv(model->personalFoods().catalogue()->foods(&error)));
#ifdef Q_OS_UNIX
    {  // a disk that takes no more: the export says so, and the earlier file stays whole
        const QByteArray before = fileBytes(exported);
        struct rlimit was {};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &was), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = was;
        tiny.rlim_cur = 10;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        dialogs.saveAnswers = {exported};
        dialogs.questionAnswers = {Answer::Yes};
        model->personalFoods().exportFoods();
        setrlimit(RLIMIT_FSIZE, &was);
        std::signal(SIGXFSZ, oldHandler);
        EXPECT_TRUE(dialogs.messageTexts().back().startsWith(u"Impossibile scrivere"_s))
            << dialogs.messageTexts().back().toStdString();
        EXPECT_EQ(fileBytes(exported), before);
    }
#endif
    dialogs.openAnswers = {exported};
    model->personalFoods().importFoods();
    EXPECT_TRUE(dialogs.messageTexts().back().startsWith(u"Importato 1 alimento"_s))
        << dialogs.messageTexts().back().toStdString();

    // Values the food window would ask about are asked about once for the whole file.
    QFile wine(dir.filePath(u"vino.csv"_s));
    ASSERT_TRUE(wine.open(QIODevice::WriteOnly));
    wine.write("alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\nVino,100,0,0,1,70,,\n");
    wine.close();
    dialogs.openAnswers = {wine.fileName(), wine.fileName()};
    dialogs.questionAnswers = {Answer::No, Answer::Yes};
    model->personalFoods().importFoods();
    EXPECT_TRUE(dialogs.shown.back().text.startsWith(u"Il file"_s)) << dialogs.shown.back().text.toStdString();
    EXPECT_FALSE(model->personalFoods().catalogue()->find(u"Vino"_s));
    QSignalSpy pointer(model.get(), &MainWindowModel::mousePointerChanged);
    model->personalFoods().importFoods();
    EXPECT_TRUE(model->personalFoods().catalogue()->find(u"Vino"_s));
    // The hourglass while the file is read, then the arrow again: read twice, for its doubtful
    // values and then to take them.
    EXPECT_EQ(pointer.count(), 4);
    EXPECT_EQ(model->mousePointer(), MousePointer::Default);

    // How far the file is read is shown; the user may stop the reading, which imports nothing
    // and says nothing more.
    QFile many(dir.filePath(u"molti.csv"_s));
    ASSERT_TRUE(many.open(QIODevice::WriteOnly));
    many.write("alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\n");
    for (int i = 0; i < 5000; ++i)
        many.write(QByteArray("Cibo ") + QByteArray::number(i) + ",100,10,5,20,165,1,0\n");
    many.close();
    for (const bool stop : {true, false}) {
        std::vector<int> shown;
        model->setReadingProgress([&](int permille) {
            shown.push_back(permille);
            return !stop;
        });
        dialogs.clear();
        dialogs.openAnswers = {many.fileName()};
        model->personalFoods().importFoods();
        EXPECT_EQ(dialogs.shown.size(), stop ? 1u : 2u);  // the file's choice, then the count when imported
        EXPECT_EQ(model->personalFoods().catalogue()->find(u"Cibo 4999"_s).has_value(), !stop);
        ASSERT_GE(shown.size(), stop ? 2u : 3u);
        EXPECT_EQ(shown.back(), -1);
        EXPECT_EQ(shown[shown.size() - 2], stop ? shown.front() : 1000);
        EXPECT_TRUE(std::is_sorted(shown.cbegin(), shown.cend() - 1));
    }
    model->setReadingProgress({});
}

}  // namespace
}  // namespace velmo::test
