// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/safefile.h"
#include "shellfixture.h"

#include <string>

namespace velmo::test {
namespace {

class MealStepsTest : public ShellModelTest {
protected:
    // What the user sees of the meal: the title, the totals, the chart, and each row shown or
    // not, locked or not, with every cell's text and look.
    static std::string seen(MainWindowModel &w)
    {
        const MealGridState table = w.meal().state();
        std::string text = w.document().windowTitle().toStdString();
        for (const QString &total : table.totals.texts)
            text += ' ' + total.toStdString();
        for (double value : table.chart)
            text += ' ' + std::to_string(value);
        for (const MealRow &row : table.rows) {
            text += '\n' + std::to_string(row.visible * 10 + row.lock);
            for (const MealCell &cell : row.cells)
                text += " |" + cell.text.toStdString() + ' '
                        + std::to_string(int(cell.alignment) * 100 + int(cell.background) * 10 + int(cell.textColour));
        }
        return text;
    }
    void browse(MainWindowModel &w, const char *heading, int food) const
    {
        w.chooseCategory(category(heading));
        w.gridRowChosen(food);
    }
    // Apricots and a quail egg locked by the user and saved: the open row, row 2, stays empty.
    std::unique_ptr<MainWindowModel> twoRowsSaved()
    {
        auto w = window(dialogs);
        add(*w, "Frutta", 0, "100");
        add(*w, "Uova", 0, "30");
        dialogs.saveAnswers = {dir.filePath(u"cena.pasto"_s)};
        EXPECT_TRUE(w->document().saveAs());
        return w;
    }
};

enum class Act { Lock, Unlock, New, Open };

// Each step of the table, done, undone and done again: the table and the title as they were before
// and after it, cell by cell, and "Annulla" names the step.
TEST_F(MealStepsTest, EachStepIsUndoneAndRedoneExactly)
{
    // browse: the food shown in the open row before the step, if any; row and gross: the step's.
    // clang-format off
    const struct { int line; const char *browse; Act act; int row; const char *gross; const char *text; } cases[] = {
        {__LINE__, "Frutta", Act::Lock, 2, "150", "blocco di Mela, con buccia, cruda"},
        {__LINE__, "Frutta", Act::Lock, 2, "0", "rifiuto del blocco di Mela, con buccia, cruda"},
        {__LINE__, "Frutta", Act::Lock, 2, nullptr, "rifiuto del blocco di Mela, con buccia, cruda"},
        {__LINE__, nullptr, Act::Lock, 2, "50", "blocco della riga 3"},
        {__LINE__, nullptr, Act::Unlock, 0, nullptr, "sblocco di Albicocche, crude"},
        {__LINE__, "Frutta", Act::Unlock, 1, nullptr, "sblocco di Uovo di quaglia"},
        {__LINE__, "Frutta", Act::New, 0, nullptr, "nuovo pasto"},
        {__LINE__, nullptr, Act::Open, 0, nullptr, "apertura di uovo.pasto"},
    };
    // clang-format on
    const QString egg = dir.filePath(u"uovo.pasto"_s);
    QString reason;
    ASSERT_TRUE(writeFileSafely(egg, "Uova;Uovo di quaglia;45\n", &reason)) << reason.toStdString();
    for (const auto &c : cases) {
        VELMO_CASE(c);
        for (const char *locale : {"it_IT", "en_US"}) {
            SCOPED_TRACE(locale);
            LocaleGuard guard(locale);
            const auto w = twoRowsSaved();
            if (c.browse)
                browse(*w, c.browse, 1);
            if (c.gross)
                w->meal().setGrossText(c.row, QString::fromLatin1(c.gross));
            const std::string before = seen(*w);
            switch (c.act) {
            case Act::Lock: w->lockBoxClicked(c.row, true); break;
            case Act::Unlock: w->lockBoxClicked(c.row, false); break;
            case Act::New: ASSERT_TRUE(w->document().newMeal()); break;
            case Act::Open: ASSERT_TRUE(w->document().openFile(egg)); break;
            }
            const std::string after = seen(*w);
            ASSERT_NE(after, before);
            EXPECT_EQ(w->undoStack().undoText(), QString::fromUtf8(c.text));
            w->undoStack().undo();
            EXPECT_EQ(seen(*w), before);
            w->undoStack().redo();
            EXPECT_EQ(seen(*w), after);
        }
    }
}

// A food browsed after a step stays in the open row whichever way the step goes: the table is
// the one browsing would have made.
TEST_F(MealStepsTest, TheCurrentFoodStaysInTheOpenRow)
{
    const auto w = twoRowsSaved();
    w->lockBoxClicked(0, false);
    browse(*w, "Frutta", 1);  // into row 0, which the undo gives back to the apricots
    browse(*w, "Uova", 0);    // the egg again, current when the row was unlocked
    w->undoStack().undo();
    const auto browsedBefore = twoRowsSaved();
    browse(*browsedBefore, "Frutta", 1);
    browse(*browsedBefore, "Uova", 0);
    EXPECT_EQ(seen(*w), seen(*browsedBefore));  // the egg in row 2

    w->undoStack().redo();
    browsedBefore->lockBoxClicked(0, false);
    EXPECT_EQ(seen(*w), seen(*browsedBefore));
}

// Undoing a lock after another food was browsed gives back the row as it was, its food with the
// weight typed for it, which a lock then takes again: the browsed food never gets that weight.
TEST_F(MealStepsTest, UndoingALockGivesTheRowBackWithItsOwnFood)
{
    const auto w = twoRowsSaved();
    browse(*w, "Frutta", 1);
    w->meal().setGrossText(2, u"80"_s);
    const std::string typed = seen(*w);
    w->lockBoxClicked(2, true);
    const std::string locked = seen(*w);
    browse(*w, "Uova", 0);
    w->undoStack().undo();
    EXPECT_EQ(seen(*w), typed);
    w->lockBoxClicked(2, true);
    EXPECT_EQ(seen(*w), locked);
}

// The title's "*" and the stack's clean state agree: undoing back to the saved meal is the saved
// meal again, whatever the steps between.
TEST_F(MealStepsTest, TheTitleFollowsTheCleanState)
{
    enum Do { Unlock, Undo, Redo, Save, New };
    // clang-format off
    const struct { int line; Do act; const char *title; } steps[] = {
        {__LINE__, Unlock, "Velmo - cena.pasto*"},
        {__LINE__, Undo, "Velmo - cena.pasto"},
        {__LINE__, Redo, "Velmo - cena.pasto*"},
        {__LINE__, Save, "Velmo - cena.pasto"},   // the egg alone
        {__LINE__, New, "Velmo"},
        {__LINE__, Undo, "Velmo - cena.pasto"},
        {__LINE__, Undo, "Velmo - cena.pasto*"},  // the apricots again
        {__LINE__, Undo, "Velmo - cena.pasto*"},  // the egg's lock, made before the first save
        {__LINE__, Undo, "Velmo - cena.pasto*"},  // the apricots' lock: they come back open, with their weight
    };
    // clang-format on
    const auto w = twoRowsSaved();
    for (const auto &s : steps) {
        VELMO_CASE(s);
        switch (s.act) {
        case Unlock: w->lockBoxClicked(0, false); break;
        case Undo: w->undoStack().undo(); break;
        case Redo: w->undoStack().redo(); break;
        case Save: ASSERT_TRUE(w->document().save()); break;
        case New: ASSERT_TRUE(w->document().newMeal()); break;
        }
        EXPECT_EQ(w->document().windowTitle(), QString::fromUtf8(s.title));
        EXPECT_EQ(w->undoStack().isClean(), !w->document().windowTitle().endsWith(u'*'));
    }
    const auto fresh = window(dialogs);
    browse(*fresh, "Frutta", 0);
    fresh->meal().setGrossText(0, u"100"_s);
    EXPECT_EQ(w->meal().state(), fresh->meal().state());

    // A save made after a change of the day is not undone with the change.
    dialogs.inputAnswers = {u"Cena"_s};
    ASSERT_TRUE(w->day().addMeal());
    ASSERT_TRUE(w->document().save());
    w->undoStack().undo();
    EXPECT_EQ(w->document().windowTitle(), u"Velmo - cena.pasto*"_s);
    w->undoStack().redo();
    EXPECT_EQ(w->document().windowTitle(), u"Velmo - cena.pasto"_s);
}

// A file saved over after "Nuovo": undoing back to the meal it held before shows that meal as
// unsaved, since the file now holds another.
TEST_F(MealStepsTest, AStepBeforeASaveComparesWithTheFileAsItIsNow)
{
    const auto w = twoRowsSaved();
    ASSERT_TRUE(w->document().newMeal());
    add(*w, "Frutta", 1, "100");
    dialogs.saveAnswers = {dir.filePath(u"cena.pasto"_s)};
    ASSERT_TRUE(w->document().saveAs());
    EXPECT_EQ(w->document().windowTitle(), u"Velmo - cena.pasto"_s);
    w->undoStack().undo();  // the apple's lock
    w->undoStack().undo();  // "Nuovo": apricots and the egg
    EXPECT_EQ(w->document().windowTitle(), u"Velmo - cena.pasto*"_s);
    EXPECT_TRUE(w->document().isModified());
}

}  // namespace
}  // namespace velmo::test
