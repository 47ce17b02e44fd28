// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/personmetrics.h"
#include "plan/plantestsupport.h"
#include "shellfixture.h"
#include "support/tablecase.h"

#include <QFile>
#include <QSqlQuery>

namespace velmo::test {
namespace {

class StoredDaysTest : public ShellModelTest {
protected:
    void SetUp() override
    {
        ShellModelTest::SetUp();
        model->persons().setPath(store);
        ASSERT_TRUE(model->persons().store()->addPerson(fullRecord(u"Anna"_s).person).ok());
        ASSERT_TRUE(model->persons().store()->addPerson(fullRecord(u"Bruno"_s).person).ok());
    }
    std::unique_ptr<MainWindowModel> other(FakeDialogs &boxes) const
    {
        auto w = window(boxes);
        w->persons().setPath(store);
        return w;
    }
    // What the store holds of a day; none when nothing is stored.
    std::optional<MealDay> stored(QDate date = kDay, qint64 *revision = nullptr, const QString &who = u"Anna"_s)
    {
        StoreResult result;
        return model->persons().store()->day(who, date, revision, &result);
    }
    // The foods of each meal, "|" between meals.
    static std::string foods(const std::optional<MealDay> &day)
    {
        std::string text;
        for (const DayMeal &meal : day ? day->meals : std::vector<DayMeal>{}) {
            text += (text.empty() ? "" : "|") + meal.name.toStdString() + ':';
            for (const MealFileEntry &e : meal.entries)
                text += ' ' + e.food.toStdString();
        }
        return text;
    }
    // The coalesced write of the turn.
    static void settle() { QCoreApplication::processEvents(); }
    // Anna's day with apricots at breakfast, written.
    void planned(MainWindowModel &w, QDate date = kDay)
    {
        ASSERT_TRUE(w.storedDays().open(u"Anna"_s, date));
        add(w, "Frutta", 0, "100");
        settle();
    }

    inline static const QDate kDay{2026, 3, 12};
    QString store = dir.filePath(u"utente/persone.db"_s);
};

// A stored day is weighed against the current person's numbers of its own date: her age and her
// weight then, not today's.
TEST_F(StoredDaysTest, ADayIsComparedWithThePersonAsSheWasThatDay)
{
    model->persons().setCurrentName(u"Anna"_s);
    // clang-format off
    const struct { int line; QDate day; double weight; double age; } cases[] = {
        {__LINE__, QDate(2025, 3, 15), 61.25, 41},
        {__LINE__, kDay, 60.5, 42},
        {__LINE__, QDate(1983, 1, 1), 60.5, double(*ageInYears(QDate(1984, 2, 29), QDate::currentDate()))},  // before the birth: today's
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        ASSERT_TRUE(model->storedDays().open(u"Anna"_s, c.day));
        const auto numbers = model->persons().currentRequirement();
        ASSERT_TRUE(numbers && numbers->person);
        EXPECT_EQ(numbers->person->weightKg, c.weight);
        EXPECT_EQ(numbers->person->ageYears, c.age);
    }
}

// A day is read from the store into the window and written back as the user works, without a
// question ever: the next window reads the same day, with the same totals.
TEST_F(StoredDaysTest, ADayComesFromTheStoreAndGoesBackAsTheUserWorks)
{
    const auto next = other(dialogs);
    EXPECT_FALSE(next->persons().isOpen());  // nothing opens the store before a day is asked for
    ASSERT_TRUE(model->storedDays().open(u"Anna"_s, kDay));
    EXPECT_EQ(model->document().windowTitle(), u"Velmo - Anna, giovedì 12 marzo 2026"_s);
    EXPECT_EQ(model->persons().currentName(), u"Anna"_s);
    settle();
    EXPECT_EQ(stored(), std::nullopt);  // nothing changed: nothing written
    add(*model, "Frutta", 0, "100");
    settle();
    EXPECT_EQ(stored(), model->document().day());
    ASSERT_TRUE(next->storedDays().open(u"Anna"_s, kDay));
    EXPECT_EQ(next->document().day(), model->document().day());
    EXPECT_EQ(next->meal().totals().texts, model->meal().totals().texts);
    ASSERT_TRUE(model->storedDays().openDate(kDay.addDays(1)));
    EXPECT_EQ(foods(model->document().day()), foods(emptyDay()));
    EXPECT_TRUE(model->document().newMeal());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(stored(), next->document().day());

    // A portion stored beside its grams whose measure the food no longer has leaves the day whole.
    addShellMeasures(database);
    MealDay sliced = *stored();
    sliced.meals[0].entries.at(0).portion = u"1 spicchio"_s;
    qint64 written = 0;
    ASSERT_TRUE(
        model->persons().store()->writeDay(u"Anna"_s, kDay.addDays(2), sliced, PersonStore::kNotStored, &written).ok());
    ASSERT_TRUE(model->storedDays().openDate(kDay.addDays(2))) << dialogs.messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Gross).text, u"100"_s);
    EXPECT_EQ(model->meal().row(0).portion, QString());
}

// After each kind of change the day is written once, with the revision it was read at; what
// leaves the day leaves it as stored.
TEST_F(StoredDaysTest, EachChangeIsWrittenOnceAndUndoWritesBack)
{
    enum Act { Lock, Unlock, Switch, Rename, Add, Remove, Undo, Redo, NewDay, OtherDate, UndoOtherDate };
    // writes: how many the act made; stored: Anna's day afterwards, "=" for the window's day.
    // clang-format off
    const struct { int line; Act act; int writes; const char *stored; } cases[] = {
        {__LINE__, Lock, 1, "="},
        {__LINE__, Unlock, 1, "="},
        {__LINE__, Switch, 0, "="},
        {__LINE__, Rename, 1, "="},
        {__LINE__, Add, 1, "="},
        {__LINE__, Remove, 1, "="},
        {__LINE__, Undo, 1, "Colazione:|Spuntino:|Pranzo:|Merenda:|Cena:"},
        {__LINE__, Redo, 2, "="},
        {__LINE__, NewDay, 0, "Colazione: Albicocche, crude|Spuntino:|Pranzo:|Merenda:|Cena:"},
        {__LINE__, OtherDate, 0, "Colazione: Albicocche, crude|Spuntino:|Pranzo:|Merenda:|Cena:"},
        {__LINE__, UndoOtherDate, 0, "="},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto w = other(dialogs);
        const QDate date = kDay.addDays(3 * c.line);
        planned(*w, date);
        qint64 before = 0;
        stored(date, &before);
        dialogs.inputAnswers = {u"Pranzo leggero"_s, u"Spuntino 2"_s};
        switch (c.act) {
        case Lock: add(*w, "Uova", 0, "30"); break;
        case Unlock: w->lockBoxClicked(0, false); break;
        case Switch: ASSERT_TRUE(w->day().switchTo(2)); break;
        case Rename: ASSERT_TRUE(w->day().renameMeal()); break;
        case Add: ASSERT_TRUE(w->day().addMeal()); break;
        case Remove: ASSERT_TRUE(w->day().removeMeal()); break;
        case Undo: w->undoStack().undo(); break;
        case Redo:
            w->undoStack().undo();
            settle();
            w->undoStack().redo();
            break;
        case NewDay: ASSERT_TRUE(w->document().newDay()); break;
        case OtherDate: ASSERT_TRUE(w->storedDays().openDate(date.addDays(1))); break;
        case UndoOtherDate:
            ASSERT_TRUE(w->storedDays().openDate(date.addDays(1)));
            w->undoStack().undo();
            break;
        }
        settle();
        qint64 after = 0;
        const auto day = stored(date, &after);
        EXPECT_EQ(after - before, c.writes);
        EXPECT_EQ(foods(day), *c.stored == '=' ? foods(w->document().day()) : c.stored);
        EXPECT_EQ(stored(date.addDays(1)), std::nullopt);  // a day only looked at is not written
        EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join(u'\n').toStdString();
    }
}

// Two windows on one day: the later write finds the day changed and asks; nothing is overwritten
// without the user's word, and a day not written keeps the window from closing until the user
// lets it go.
TEST_F(StoredDaysTest, TwoWindowsOnOneDayLoseNoUpdate)
{
    // clang-format off
    const struct { int line; std::deque<Answer> answers; const char *stored; const char *shown; bool closes; } cases[] = {
        {__LINE__, {Answer::Yes}, "Albicocche, crude", "Albicocche, crude", true},  // read again
        {__LINE__, {Answer::No}, "Uovo di quaglia", "Uovo di quaglia", true},       // keep this one
        {__LINE__, {Answer::Cancel, Answer::Cancel, Answer::Cancel}, "Albicocche, crude", "Uovo di quaglia", false},
        {__LINE__, {Answer::Cancel, Answer::Cancel, Answer::Yes}, "Albicocche, crude", "Uovo di quaglia", true},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QDate date = kDay.addDays(c.line);
        FakeDialogs theirBoxes;
        const auto theirs = other(theirBoxes);
        const auto mine = other(dialogs);
        ASSERT_TRUE(mine->storedDays().open(u"Anna"_s, date));
        planned(*theirs, date);
        dialogs.clear();
        dialogs.questionAnswers = c.answers;
        add(*mine, "Uova", 0, "30");
        settle();
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_TRUE(dialogs.shown[0].text.contains(u"modificato da un'altra finestra di Velmo"_s));
        EXPECT_EQ(stored(date)->meals[0].entries.at(0).food.toStdString(), c.stored);
        EXPECT_EQ(mine->document().day().meals[0].entries.at(0).food.toStdString(), c.shown);
        EXPECT_EQ(mine->mayClose(), c.closes);
    }
}

// The day's person taken away and brought back with the same days, as an undo of the deletion
// does: the day holds what the window knew, so the next change is written without a question.
TEST_F(StoredDaysTest, ADayBroughtBackUnchangedIsNoOtherWindowsChange)
{
    planned(*model);
    PersonStore &persons = *model->persons().store();
    StoreResult result;
    const auto record = persons.record(u"Anna"_s, &result);
    ASSERT_TRUE(record) << result.message.toStdString();
    ASSERT_TRUE(persons.removePerson(u"Anna"_s).ok());
    ASSERT_TRUE(persons.importRecord(*record, false).ok());
    settle();
    dialogs.clear();
    add(*model, "Uova", 0, "30");
    settle();
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.messageTexts().join(u'\n').toStdString();
    ASSERT_TRUE(stored());
    EXPECT_EQ(stored()->meals.at(0).entries.size(), 2u);
}

// "Read again" chosen while an undo writes the window's day: the other window's day is read once
// the undo is over, and nothing of this window is written over it.
TEST_F(StoredDaysTest, ReadingAgainChosenDuringAnUndoKeepsTheOtherWindowsDay)
{
    FakeDialogs theirBoxes;
    const auto theirs = other(theirBoxes);
    ASSERT_TRUE(model->storedDays().open(u"Anna"_s, kDay));
    planned(*theirs);
    const std::optional<MealDay> saved = stored();
    dialogs.questionAnswers = {Answer::Cancel};  // the change stays unwritten
    add(*model, "Uova", 0, "30");
    settle();
    dialogs.clear();
    dialogs.questionAnswers = {Answer::Yes};  // "Rileggi il giorno salvato"
    model->undoStack().undo();
    settle();
    settle();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(stored(), saved);
    EXPECT_EQ(model->document().day(), *saved);
    add(*model, "Uova", 0, "30");  // and the window's next change is written as ever
    settle();
    EXPECT_EQ(stored(), model->document().day());
    EXPECT_TRUE(model->mayClose());
}

// A file held by another window: the write waits for the user's "Riprova", and nothing is lost
// meanwhile.
TEST_F(StoredDaysTest, ABusyFileIsTriedAgainAtTheUsersWord)
{
    planned(*model);
    auto holder = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"holder"_s);
    holder.setDatabaseName(store);
    ASSERT_TRUE(holder.open());
    {
        QSqlQuery hold(holder);
        ASSERT_TRUE(hold.exec(u"BEGIN IMMEDIATE"_s));
        model->persons().store()->setBusyTimeout(20);
        dialogs.questionAnswers = {Answer::Yes, Answer::Cancel};  // "Riprova", then later
        add(*model, "Uova", 0, "30");
        settle();
        EXPECT_EQ(dialogs.shown.size(), 2u);
        EXPECT_TRUE(dialogs.shown.at(0).text.contains(u"in uso da un'altra finestra di Velmo"_s));
        dialogs.clear();  // a copy too is tried again at the user's word, then given up and told
        dialogs.questionAnswers = {Answer::Yes, Answer::Cancel};
        EXPECT_FALSE(model->dayCopies().copyMeal({u"Bruno"_s, kDay, 0}));
        EXPECT_EQ(dialogs.shown.size(), 3u);
        ASSERT_TRUE(hold.exec(u"ROLLBACK"_s));
    }
    holder.close();
    holder = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"holder"_s);
    EXPECT_EQ(foods(stored()), "Colazione: Albicocche, crude|Spuntino:|Pranzo:|Merenda:|Cena:");
    EXPECT_TRUE(model->storedDays().flush());
    EXPECT_EQ(stored(), model->document().day());
}

// A person removed by another window: its day stays in the window, no longer stored, and the user
// is told how to keep it.
TEST_F(StoredDaysTest, TheDayOfAPersonRemovedElsewhereStaysInTheWindow)
{
    planned(*model);
    ASSERT_TRUE(other(dialogs)->persons().store()->removePerson(u"Anna"_s).ok());
    add(*model, "Uova", 0, "30");
    settle();
    EXPECT_TRUE(dialogs.messageTexts().value(0).contains(u"non è più nell'archivio"_s));
    EXPECT_FALSE(model->document().storedDay());
    // Nor is another of its days shown, as if empty: the window's day stays.
    dialogs.clear();
    dialogs.questionAnswers = {Answer::No};  // its unsaved day may go
    EXPECT_FALSE(model->storedDays().open(u"Anna"_s, kDay.addDays(1)));
    EXPECT_FALSE(model->document().storedDay());
    EXPECT_EQ(dialogs.messageTexts(), QStringList{u"Nessuna persona con questo nome: forse è stata eliminata, "
                                                  "nella finestra Persone o in un'altra finestra di Velmo."_s});
}

// Each copy and each habitual meal, done, undone and done again: the store and the window's day
// as they were.
TEST_F(StoredDaysTest, CopiesAndHabitualMealsAreUndoneAndRedoneExactly)
{
    ASSERT_TRUE(model->persons()
                    .store()
                    ->saveHabitualMeal({u"Merenda sana"_s, {{0, category("Uova"), u"Uovo di quaglia"_s, u"30"_s}}})
                    .ok());
    enum Act { CopyMeal, CopyDay, SaveHabitual, InsertHabitual, ReplaceWithHabitual, RemoveHabitual };
    // From Anna's day with apricots at breakfast, shown: the copy goes to the day of `who` so many
    // days after it into `meal`; expected: that day's foods, or the window's after a habitual meal.
    // clang-format off
    const struct { int line; Act act; const char *who; int days; int meal; const char *expected; } cases[] = {
        {__LINE__, CopyMeal, "Bruno", 0, DayCopies::kNewMeal,
         "Colazione:|Spuntino:|Pranzo:|Merenda:|Cena:|Colazione 2: Albicocche, crude"},
        {__LINE__, CopyMeal, "Bruno", 0, 2, "Colazione:|Spuntino:|Pranzo: Albicocche, crude|Merenda:|Cena:"},
        {__LINE__, CopyMeal, "Anna", 0, 4, "Colazione: Albicocche, crude|Spuntino:|Pranzo:|Merenda:|Cena: Albicocche, crude"},
        {__LINE__, CopyDay, "Anna", 1, 0, "Colazione: Albicocche, crude|Spuntino:|Pranzo:|Merenda:|Cena:"},
        {__LINE__, SaveHabitual, "", 0, 0, "Merenda sana: Uovo di quaglia|Prima colazione: Albicocche, crude"},
        {__LINE__, InsertHabitual, "", 0, 0,
         "Colazione: Albicocche, crude|Merenda sana: Uovo di quaglia|Spuntino:|Pranzo:|Merenda:|Cena:"},
        {__LINE__, ReplaceWithHabitual, "", 0, 0, "Colazione: Uovo di quaglia|Spuntino:|Pranzo:|Merenda:|Cena:"},
        {__LINE__, RemoveHabitual, "", 0, 0, ""},
    };
    // clang-format on
    const auto habitual = [this] {
        MealDay all;
        StoreResult result;
        for (const QString &name : model->persons().store()->habitualMeals(&result))
            all.meals.push_back(*model->persons().store()->habitualMeal(name, &result));
        return all;
    };
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto w = other(dialogs);
        const QDate date = kDay.addDays(3 * c.line);
        planned(*w, date);
        const auto snapshot = [&] {
            settle();
            std::string text = foods(w->document().day()) + '#' + foods(habitual());
            StoreResult result;
            for (const char *who : {"Anna", "Bruno"})
                for (const auto &[when, day] :
                     model->persons().store()->days(QString::fromLatin1(who), kDay, date.addDays(9), &result))
                    text += '#' + when.toString(Qt::ISODate).toStdString() + foods(day);
            return text;
        };
        const std::string before = snapshot();
        const DayCopies::Target target{QString::fromLatin1(c.who), date.addDays(c.days), c.meal};
        dialogs.inputAnswers = {u"Prima colazione"_s};
        DayCopies &copies = w->dayCopies();
        switch (c.act) {
        case CopyMeal: ASSERT_TRUE(copies.copyMeal(target)); break;
        case CopyDay: ASSERT_TRUE(copies.copyDay(target)); break;
        case SaveHabitual: ASSERT_TRUE(copies.saveHabitual()); break;
        case InsertHabitual: ASSERT_TRUE(copies.insertHabitual(u"Merenda sana"_s, false)); break;
        case ReplaceWithHabitual: ASSERT_TRUE(copies.insertHabitual(u"Merenda sana"_s, true)); break;
        case RemoveHabitual:
            dialogs.questionAnswers = {Answer::No, Answer::Yes};  // asked each time
            ASSERT_FALSE(copies.removeHabitual(u"Merenda sana"_s));
            ASSERT_TRUE(copies.removeHabitual(u"Merenda sana"_s));
            break;
        }
        const std::string after = snapshot();
        ASSERT_NE(after, before);
        EXPECT_EQ(c.act == SaveHabitual || c.act == RemoveHabitual ? foods(habitual())
                  : c.who[0]                                       ? foods(stored(target.date, nullptr, target.person))
                                                                   : foods(w->document().day()),
                  c.expected);
        w->undoStack().undo();
        EXPECT_EQ(snapshot(), before);
        w->undoStack().redo();
        EXPECT_EQ(snapshot(), after);
        EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join(u'\n').toStdString();
        if (c.act == SaveHabitual)
            w->undoStack().undo();
    }
    // The shown meal onto itself and the shown day onto itself are refused, and said.
    planned(*model);
    EXPECT_FALSE(model->dayCopies().copyMeal({u"Anna"_s, kDay, 0}) || model->dayCopies().copyDay({u"Anna"_s, kDay}));
    EXPECT_EQ(dialogs.messageTexts().size(), 2);
}

// A habitual meal named again with other capitals is the same meal, replaced once the user says
// so; the list goes in the order of a dictionary.
TEST_F(StoredDaysTest, HabitualMealsDifferingInCapitalsAreOneAndListedAsInADictionary)
{
    planned(*model);
    DayCopies &copies = model->dayCopies();
    dialogs.inputAnswers = {u"Prima colazione"_s, u"merenda"_s, u"PRIMA colazione"_s};
    ASSERT_TRUE(copies.saveHabitual());
    ASSERT_TRUE(copies.saveHabitual());
    dialogs.questionAnswers = {Answer::Yes};
    ASSERT_TRUE(copies.saveHabitual());
    EXPECT_EQ(copies.habitualMeals(), QStringList({u"merenda"_s, u"Prima colazione"_s}));
}

// A day or a meal copied onto one that has foods replaces them only once the user says so; a meal
// gone from the day meanwhile is said.
TEST_F(StoredDaysTest, ACopyReplacesAPlanOnlyWhenTheUserSaysSo)
{
    planned(*model, kDay.addDays(1));
    const std::optional<MealDay> theirs = stored(kDay.addDays(1));
    planned(*model);
    add(*model, "Uova", 0, "30");
    settle();
    for (const bool wholeDay : {false, true})
        for (const Answer answer : {Answer::No, Answer::Yes}) {
            dialogs.clear();
            dialogs.questionAnswers = {answer};
            if (wholeDay && answer == Answer::No)
                model->undoStack().undo();  // the meal copied before
            const DayCopies::Target target{u"Anna"_s, kDay.addDays(1), 0};
            EXPECT_EQ(wholeDay ? model->dayCopies().copyDay(target) : model->dayCopies().copyMeal(target),
                      answer == Answer::Yes);
            ASSERT_EQ(dialogs.shown.size(), 1u);
            const std::optional<MealDay> now = stored(kDay.addDays(1));
            ASSERT_TRUE(now);
            if (answer == Answer::No)
                EXPECT_EQ(now, theirs);
            else if (wholeDay)
                EXPECT_EQ(now, model->document().day());
            else
                EXPECT_EQ(now->meals.at(0).entries, model->document().day().meals.at(0).entries);
        }
    dialogs.clear();
    EXPECT_FALSE(model->dayCopies().copyMeal({u"Bruno"_s, kDay, 7}));
    EXPECT_EQ(dialogs.messageTexts().size(), 1);
}

// Taking back a habitual meal saved leaves alone what another window saved under its name since;
// one that cannot be read is not replaced unseen.
TEST_F(StoredDaysTest, AHabitualMealSavedElsewhereSinceIsKept)
{
    planned(*model);
    const auto theirs = other(dialogs);
    planned(*theirs, kDay.addDays(1));
    add(*theirs, "Uova", 0, "30");
    dialogs.inputAnswers = {u"Merenda sana"_s, u"Merenda sana"_s};
    dialogs.questionAnswers = {Answer::Yes};
    ASSERT_TRUE(model->dayCopies().saveHabitual() && theirs->dayCopies().saveHabitual());
    dialogs.clear();
    model->undoStack().undo();
    EXPECT_EQ(dialogs.messageTexts().size(), 1);
    StoreResult result;
    EXPECT_EQ(model->persons().store()->habitualMeal(u"Merenda sana"_s, &result)->entries.size(), 2u);
    {
        auto db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"newer-program"_s);
        db.setDatabaseName(store);
        ASSERT_TRUE(db.open());
        EXPECT_TRUE(QSqlQuery(db).exec(u"UPDATE righe_pasto_abituale SET categoria = 99"_s));  // a newer Velmo's
    }
    QSqlDatabase::removeDatabase(u"newer-program"_s);
    dialogs.inputAnswers = {u"Merenda sana"_s};
    dialogs.clear();
    EXPECT_FALSE(model->dayCopies().saveHabitual());
    EXPECT_EQ(dialogs.shown.back().kind, FakeDialogs::Shown::Kind::Message);
}

// A day file whose first meal has no name is copied with that meal named.
TEST_F(StoredDaysTest, ADayFilesUnnamedFirstMealIsCopiedNamed)
{
    const QString path = dir.filePath(u"giorno.pasto"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Frutta;Albicocche, crude;100\n[Cena]\nUova;Uovo di quaglia;30\n");
    file.close();
    ASSERT_TRUE(model->document().openFile(path));
    ASSERT_TRUE(model->dayCopies().copyDay({u"Bruno"_s, kDay}));
    EXPECT_EQ(foods(stored(kDay, nullptr, u"Bruno"_s)), "Pasto: Albicocche, crude|Cena: Uovo di quaglia");
}

// A copy into the shown day goes by the window's meals, whatever another window stored since; a
// copy into another day is undone after the window has opened that day, changed it and taken the
// change back, without taking this window's own write for another's.
TEST_F(StoredDaysTest, CopiesGoByTheWindowsDayAndUndoPastItsOwnWrites)
{
    planned(*model);
    const auto theirs = other(dialogs);
    ASSERT_TRUE(theirs->storedDays().open(u"Anna"_s, kDay));
    dialogs.inputAnswers = {u"Spuntino 2"_s};
    ASSERT_TRUE(theirs->day().addMeal());  // six meals stored, five shown here
    settle();
    DayCopies &copies = model->dayCopies();
    EXPECT_EQ(copies.mealsOf(u"Anna"_s, kDay).size(), 5);
    EXPECT_EQ(copies.mealsOf(u"Bruno"_s, kDay).size(), 5);
    dialogs.clear();
    EXPECT_FALSE(copies.copyMeal({u"Anna"_s, kDay, 5}));
    EXPECT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_EQ(model->document().day().meals.size(), 5u);
    ASSERT_TRUE(model->day().switchTo(1));  // an empty meal is not copied
    dialogs.clear();
    EXPECT_FALSE(copies.copyMeal({u"Anna"_s, kDay, 0}) || copies.copyMeal({u"Bruno"_s, kDay, 0}));
    EXPECT_EQ(dialogs.messageTexts().size(), 2);
    add(*model, "Uova", 0, "30");
    dialogs.questionAnswers = {Answer::Yes};  // the first meal is one of the day's like the others
    EXPECT_TRUE(copies.copyMeal({u"Anna"_s, kDay, 0}));
    EXPECT_EQ(model->document().day().meals[0].entries, model->document().day().meals[1].entries);

    const auto w = other(dialogs);
    planned(*w, kDay.addDays(1));
    const int start = w->undoStack().index();
    ASSERT_TRUE(w->dayCopies().copyMeal({u"Bruno"_s, kDay, DayCopies::kNewMeal}));
    ASSERT_TRUE(w->storedDays().open(u"Bruno"_s, kDay));
    add(*w, "Uova", 0, "30");
    settle();
    dialogs.clear();
    while (w->undoStack().index() > start) {
        w->undoStack().undo();
        settle();
    }
    EXPECT_TRUE(dialogs.messageTexts().isEmpty()) << dialogs.messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(stored(kDay, nullptr, u"Bruno"_s), std::nullopt);
    w->undoStack().redo();
    EXPECT_EQ(foods(stored(kDay, nullptr, u"Bruno"_s)),
              "Colazione:|Spuntino:|Pranzo:|Merenda:|Cena:|Colazione 2: Albicocche, crude");
}

}  // namespace
}  // namespace velmo::test
