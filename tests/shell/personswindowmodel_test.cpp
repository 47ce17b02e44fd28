// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/settings.h"
#include "plan/plantestsupport.h"
#include "shell/personswindowmodel.h"
#include "shell/personsession.h"
#include "support/fakedialogs.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>
#include <map>

using namespace Qt::StringLiterals;

namespace velmo::test {
namespace {

class PersonsWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        session.setPath(path);
        session.setSettings(&settings);
        session.setToday(QDate(2026, 3, 1));
    }
    // Every person of the store with every weight and day.
    std::map<QString, PersonRecord> snapshot()
    {
        std::map<QString, PersonRecord> all;
        StoreResult result;
        for (const QString &name : session.store()->personNames(&result))
            all[name] = *session.store()->record(name, &result);
        return all;
    }
    Person anna() const
    {
        Person p = fullRecord(u"Anna"_s).person;
        p.condition = PersonCondition::None;
        return p;
    }
    QModelIndex weightCell(int row, int column) { return model.weights().index(row, column); }

    LocaleGuard italian{"it_IT"};
    QTemporaryDir dir;
    QString path = dir.filePath(u"dati/persone.db"_s);
    Settings settings{dir.filePath(u"velmo.conf"_s)};
    FakeDialogs dialogs;
    QUndoStack stack;
    PersonSession session{dialogs};
    PersonsWindowModel model{session, stack};
    QAbstractItemModelTester listTester{&model.persons(), QAbstractItemModelTester::FailureReportingMode::Fatal};
    QAbstractItemModelTester weightTester{&model.weights(), QAbstractItemModelTester::FailureReportingMode::Fatal};
};

// The store is opened by the window's first use, not before; a file that is no store is told
// and left as it was, and the window does not open.
TEST_F(PersonsWindowModelTest, TheStoreOpensAtTheWindowsFirstUseAndABadFileIsLeftAlone)
{
    EXPECT_FALSE(session.isOpen());
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(session.currentRequirement(), std::nullopt);  // no current person: nothing read
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(model.open());
    EXPECT_TRUE(QFile::exists(path));

    PersonSession other(dialogs);
    other.setPath(dir.filePath(u"rotto.db"_s));
    QFile bad(other.path());
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("non è un archivio");
    bad.close();
    PersonsWindowModel broken(other, stack);
    EXPECT_FALSE(broken.open());
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.messageTexts().value(0).contains(u"rotto.db"_s))
        << dialogs.messageTexts().join(u"|"_s).toStdString();
    // A current person remembered in it, read at start, is told the same way (the folder's
    // permissions, tightened by then, aside).
    settings.setCurrentPerson(u"Anna"_s);
    other.setSettings(&settings);
    EXPECT_EQ(other.currentRequirement(), std::nullopt);
    ASSERT_EQ(dialogs.messageTexts().size(), 2);
    EXPECT_TRUE(dialogs.messageTexts()[0].startsWith(dialogs.messageTexts()[1]))
        << dialogs.messageTexts()[1].toStdString();
    EXPECT_EQ(fileBytes(other.path()), QByteArray("non è un archivio"));
}

// Each edit the window makes is one step: done, undone and done again, the store is each time as
// the step found it or left it.
TEST_F(PersonsWindowModelTest, EveryEditIsAStepThatUndoAndRedoTakeBackAndMakeAgain)
{
    ASSERT_TRUE(model.open());
    dialogs.questionAnswers = {Answer::Yes};
    // clang-format off
    const struct { int line; const char *text; std::function<bool()> edit; std::function<void()> before = {}; } steps[] = {
        {__LINE__, "nuova persona Anna", [&] { return model.addPerson(anna()); }},
        {__LINE__, "nuova persona Bice", [&] { Person b = anna(); b.name = u"Bice"_s; return model.addPerson(b); }},
        {__LINE__, "modifica di Bice", [&] { model.select(u"Bice"_s); Person b = *model.selectedPerson(); b.heightCm = 170; return model.editSelected(b); }},
        {__LINE__, "nome di Anna", [&] { return model.persons().setData(model.persons().index(0), u"Anita"_s); }},
        {__LINE__, "peso del 01/03/2026", [&] { model.select(u"Anita"_s); return model.weights().addWeight({QDate(2026, 3, 1), 58.4, 70}); }},
        {__LINE__, "peso del 02/04/2025", [&] { return model.weights().setData(weightCell(1, WeightListModel::KilogramsColumn), 59.0); }},
        {__LINE__, "peso del 01/03/2025", [&] { return model.weights().setData(weightCell(0, WeightListModel::WaistColumn), 0.0); }},
        {__LINE__, "eliminazione del peso del 01/03/2025", [&] { return model.weights().removeWeight(0); }},
        {__LINE__, "eliminazione di Anita", [&] { return model.removeSelected(); }, [&] {  // a day goes and comes back too
             EXPECT_TRUE(session.store()->writeDay(u"Anita"_s, QDate(2026, 3, 1), fullRecord().days[0].second, PersonStore::kNotStored).ok()); }},
    };
    // clang-format on
    for (const auto &s : steps) {
        VELMO_CASE(s);
        if (s.before)
            s.before();
        const auto before = snapshot();
        ASSERT_TRUE(s.edit()) << dialogs.messageTexts().join(u'|').toStdString();
        const auto after = snapshot();
        EXPECT_NE(after, before);
        EXPECT_EQ(stack.undoText(), QString::fromUtf8(s.text));
        stack.undo();
        EXPECT_EQ(snapshot(), before);
        stack.redo();
        EXPECT_EQ(snapshot(), after);
    }
    EXPECT_EQ(stack.count(), 9);
    EXPECT_EQ(dialogs.messageTexts(), QStringList());
}

// A removal taken back puts the person back as the store held it, even where the rules of a form
// would refuse it now: weighed tomorrow, as an import from a time zone ahead may leave it.
TEST_F(PersonsWindowModelTest, ARemovalTakenBackPutsThePersonBackAsStored)
{
    ASSERT_TRUE(model.open());
    PersonRecord imported{anna(), {}};
    const QDate tomorrow = QDate::currentDate().addDays(1);
    imported.person.weights.push_back({tomorrow, 61, {}});
    ASSERT_TRUE(session.store()->importRecord(imported, false, tomorrow).ok());
    ASSERT_TRUE(model.open());
    model.select(imported.person.name);
    dialogs.questionAnswers = {Answer::Yes};
    ASSERT_TRUE(model.removeSelected());
    stack.undo();
    StoreResult result;
    const auto back = session.store()->person(imported.person.name, nullptr, &result);
    ASSERT_TRUE(back) << dialogs.messageTexts().join(u'|').toStdString();
    EXPECT_EQ(back->weights.size(), imported.person.weights.size());
}

// A birth date typed more than 130 years back is refused; one stored so (an import, an older
// version) leaves the person open to every other change.
TEST_F(PersonsWindowModelTest, ABirthDateTypedTooFarBackIsRefusedAStoredOneIsKept)
{
    ASSERT_TRUE(model.open());
    Person old = anna();
    old.birthDate = session.today().addYears(-kMaxPersonAge - 1);
    EXPECT_FALSE(model.addPerson(old));
    EXPECT_TRUE(dialogs.messageTexts().join(u'|').contains(u"più di 130 anni fa"_s));
    ASSERT_TRUE(session.store()->importRecord({old, {}}, false).ok());
    ASSERT_TRUE(model.open());
    model.select(old.name);
    Person taller = old;
    taller.heightCm = 170;
    EXPECT_TRUE(model.editSelected(taller)) << dialogs.messageTexts().join(u'|').toStdString();
    taller.birthDate = taller.birthDate.addDays(-1);
    EXPECT_FALSE(model.editSelected(taller));
}

// What the store refuses is told and leaves no step: a value out of range, a name taken, a
// person changed by another window since it was read (also when undoing).
TEST_F(PersonsWindowModelTest, ARefusedEditIsToldAndLeavesNoStep)
{
    ASSERT_TRUE(model.open());
    ASSERT_TRUE(model.addPerson(anna()));
    Person tiny = anna();
    tiny.name = u"Bice"_s;
    tiny.heightCm = 20;
    EXPECT_FALSE(model.addPerson(tiny));
    EXPECT_FALSE(model.addPerson(anna()));
    EXPECT_FALSE(model.weights().addWeight({QDate(2026, 1, 1), 1, std::nullopt}));
    QString error;
    auto otherWindow = PersonStore::open(path, false, &error);
    const int shown = model.weights().rowCount();
    ASSERT_TRUE(otherWindow->addWeight(u"Anna"_s, {QDate(2026, 2, 2), 62, std::nullopt}).ok());
    EXPECT_FALSE(model.weights().addWeight({QDate(2026, 2, 3), 61, std::nullopt}));
    EXPECT_EQ(stack.count(), 1);
    ASSERT_EQ(model.weights().rowCount(), shown + 1);  // the other window's weight is shown: the change may be repeated
    ASSERT_TRUE(otherWindow->addWeight(u"Anna"_s, {QDate(2026, 2, 4), 62, std::nullopt}).ok());
    stack.undo();  // the person added is no longer the one this step added
    EXPECT_EQ(stack.count(), 0);
    StoreResult result;
    EXPECT_TRUE(session.store()->person(u"Anna"_s, nullptr, &result));
    const QStringList told = dialogs.messageTexts();
    ASSERT_EQ(told.size(), 5) << told.join(u'|').toStdString();
    EXPECT_TRUE(told[0].contains(u"altezza"_s));
    EXPECT_TRUE(told[1].contains(u"nome"_s));
    EXPECT_TRUE(told[2].contains(u"peso"_s));
    EXPECT_TRUE(told[3].contains(u"un'altra finestra"_s));
    EXPECT_TRUE(told[4].contains(u"un'altra finestra"_s));
    EXPECT_TRUE(model.weights().addWeight({QDate(2026, 2, 3), 61, std::nullopt}));  // repeated, it is made
}

// Undoing the addition of a person whose days were planned since (here by another window) leaves
// the person and the days: they go only with "Elimina persona", which asks first.
TEST_F(PersonsWindowModelTest, AnAdditionUndoneKeepsThePersonPlannedSince)
{
    ASSERT_TRUE(model.open());
    ASSERT_TRUE(model.addPerson(anna()));
    QString error;
    auto otherWindow = PersonStore::open(path, false, &error);
    const MealDay planned{{{u"Pranzo"_s, {{0, *findFoodCategory(u"Frutta"_s), u"Mela"_s, u"100"_s}}}}};
    ASSERT_TRUE(otherWindow->writeDay(u"Anna"_s, QDate(2026, 3, 2), planned, PersonStore::kNotStored).ok());
    stack.undo();
    StoreResult result;
    EXPECT_TRUE(session.store()->day(u"Anna"_s, QDate(2026, 3, 2), nullptr, &result));
    ASSERT_EQ(dialogs.messageTexts().size(), 1);
    EXPECT_TRUE(dialogs.messageTexts()[0].contains(u"giorni"_s)) << dialogs.messageTexts()[0].toStdString();
    // A day without foods, as a window leaves one whose only change was undone, holds nothing back.
    dialogs.clear();
    Person bice = anna();
    bice.name = u"Bice"_s;
    ASSERT_TRUE(model.addPerson(bice));
    ASSERT_TRUE(otherWindow->writeDay(u"Bice"_s, QDate(2026, 3, 2), emptyDay(), PersonStore::kNotStored).ok());
    stack.undo();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(session.store()->person(u"Bice"_s, nullptr, &result));
}

// The current person is remembered by name, follows a rename, is forgotten with the person (and
// comes back with it when the removal is undone), and gives the requirement the energy model computes; the window says
// age, index and requirement.
TEST_F(PersonsWindowModelTest, TheCurrentPersonIsRememberedAndGivesItsRequirement)
{
    ASSERT_TRUE(model.open());
    ASSERT_TRUE(model.addPerson(anna()));  // 42 on 2026-03-01, 60,5 kg, 163,5 cm, moderate with
    model.makeSelectedCurrent();
    // The main window reads the current person at each change of the persons, steps included.
    QObject::connect(&session, &PersonSession::personsChanged, &session, [this] { session.currentRequirement(); });
    EXPECT_EQ(settings.currentPerson(), u"Anna"_s);
    const auto current = session.currentRequirement();
    ASSERT_TRUE(current && current->kcal && current->person);
    EXPECT_EQ(current->name, u"Anna"_s);
    EXPECT_DOUBLE_EQ(*current->kcal, 1.64 * (8.7 * 60 + 829));  // 2215,64  // the window takes 60,5 kg as 60
    EXPECT_TRUE(current->person->female && current->person->ageYears == 42 && current->person->weightKg == 60.5);
    PersonSession next(dialogs);  // the next start reads it without opening the store, which its first use opens
    next.setPath(path);
    next.setSettings(&settings);
    EXPECT_EQ(next.currentRequirement()->kcal, current->kcal);
    EXPECT_FALSE(next.isOpen());
    EXPECT_TRUE(next.store() && next.isOpen());
    EXPECT_EQ(model.ageText(), u"Età: 42 anni"_s);
    EXPECT_EQ(model.bmiText(), u"Indice di massa corporea: 22,6 (normopeso)"_s);
    EXPECT_TRUE(model.requirementText().contains(u"Fabbisogno energetico: 2215,64 kcal"_s))
        << model.requirementText().toStdString();
    model.setDate(QDate(2110, 3, 1));  // past the energy windows' ages
    EXPECT_EQ(model.requirementText(), u"Fabbisogno energetico: non si calcola oltre i 120 anni o i 350 kg."_s);
    model.setDate(QDate(1984, 2, 28));
    EXPECT_TRUE(model.ageText().contains(u"prima della nascita"_s));
    ASSERT_TRUE(model.persons().setData(model.persons().index(0), u"Anita"_s));
    EXPECT_EQ(session.currentName(), u"Anita"_s);
    dialogs.questionAnswers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(model.removeSelected());
    ASSERT_TRUE(model.removeSelected());
    EXPECT_EQ(session.currentName(), QString());
    EXPECT_EQ(settings.currentPerson(), QString());
    EXPECT_EQ(next.currentRequirement(), std::nullopt);  // its Anna is gone: forgotten there too
    EXPECT_EQ(next.currentName(), QString());
    EXPECT_EQ(dialogs.shown.back().title, u"Elimina persona"_s);
    stack.undo();  // the removal taken back: the person is current again, and remembered so
    EXPECT_EQ(session.currentName(), u"Anita"_s);
    EXPECT_EQ(settings.currentPerson(), u"Anita"_s);
    stack.redo();
    EXPECT_EQ(session.currentName(), QString());
}

// A removal the store cannot finish: a store another program reads keeps the person, and the
// user is told; a name the file holds elsewhere (every store's header says "SQLite") is gone from
// the persons, so the step is done, and the user is told that a trace is left.
TEST_F(PersonsWindowModelTest, ARemovalTheStoreCannotFinishIsToldAndKeepsWhatIsStored)
{
    const struct {
        int line;
        const char *name;
        bool storeHeld;
        bool removed;
    } kCases[] = {
        {__LINE__, "SQLite", false, true},
        {__LINE__, "Anna", true, false},
    };
    ASSERT_TRUE(model.open());
    session.store()->setBusyTimeout(20);
    for (const auto &c : kCases) {
        VELMO_CASE(c);
        Person person = anna();
        person.name = QString::fromLatin1(c.name);
        ASSERT_TRUE(model.addPerson(person));
        const int steps = stack.count();
        const auto messages = dialogs.shown.size();
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"holder"_s);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery holder(db);
        if (c.storeHeld) {  // another program reading: the removal cannot be written
            ASSERT_TRUE(holder.exec(u"BEGIN"_s) && holder.exec(u"SELECT count(*) FROM persone"_s) && holder.next());
        }
        dialogs.questionAnswers = {Answer::Yes};
        EXPECT_EQ(model.removeSelected(), c.removed);
        if (c.storeHeld)
            holder.exec(u"ROLLBACK"_s);
        holder = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(u"holder"_s);
        EXPECT_EQ(stack.count(), steps + (c.removed ? 1 : 0));
        EXPECT_EQ(dialogs.shown.size(), messages + 2);  // the question, then what went wrong
        StoreResult result;
        EXPECT_EQ(session.store()->personNames(&result).contains(person.name), !c.removed);
    }
}

// A store another program holds is never shown as a store without persons: the window says so and
// does not open, and the person shown stays shown.
TEST_F(PersonsWindowModelTest, AStoreAnotherProgramHoldsIsToldNotShownEmpty)
{
    ASSERT_TRUE(model.open());
    ASSERT_TRUE(model.addPerson(anna()));
    Person bruno = anna();
    bruno.name = u"Bruno"_s;
    ASSERT_TRUE(model.addPerson(bruno));
    model.select(u"Anna"_s);
    session.store()->setBusyTimeout(20);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"holder"_s);
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery holder(db);
        ASSERT_TRUE(holder.exec(u"BEGIN EXCLUSIVE"_s));
        dialogs.clear();
        EXPECT_FALSE(model.open());
        model.select(u"Bruno"_s);
        EXPECT_EQ(dialogs.messageTexts().size(), 2);
        EXPECT_TRUE(dialogs.messageTexts().front().contains(u"in uso"_s))
            << dialogs.messageTexts().join(u'|').toStdString();
        EXPECT_EQ(model.persons().rowCount(), 2);
        EXPECT_EQ(model.selectedPerson()->name, u"Anna"_s);
        holder.exec(u"ROLLBACK"_s);
    }
    QSqlDatabase::removeDatabase(u"holder"_s);
    model.select(u"Bruno"_s);
    EXPECT_EQ(model.selectedPerson()->name, u"Bruno"_s);
}

}  // namespace
}  // namespace velmo::test
