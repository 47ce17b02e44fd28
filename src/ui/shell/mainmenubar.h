// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QList>
#include <QMenuBar>

class QMenu;

namespace velmo {
class MainWindowModel;
}

namespace velmo::ui {

// The main window's menu bar: "&Pasto" (the meal's or the day's file, the day's meals and the
// recent files), "&Modifica" (undo
// and redo), "&N° Persone" (there, never opened), "&Persona" (the persons' window and the week),
// "&Scelta alimenti" (the search, the categories and the personal foods' commands), "&LAF" (the
// energy windows) and the titles that are commands themselves. What the model can do it does at
// once; what needs another window, or the window's own widgets, it asks for with a signal.
class MainMenuBar : public QMenuBar {
    Q_OBJECT
public:
    MainMenuBar(MainWindowModel &model, QWidget *parent);

    QMenu *mealMenu() const { return mealMenu_; }
    QMenu *editMenu() const { return editMenu_; }
    // "File recenti" in "&Pasto": its items are made anew each time it opens.
    QMenu *recentFilesMenu() const { return recentFilesMenu_; }
    QMenu *personsMenu() const { return personsMenu_; }
    QMenu *personMenu() const { return personMenu_; }
    QMenu *categoryMenu() const { return categoryMenu_; }
    // The commands on the day's meals: next, previous, rename, add, remove.
    QList<QAction *> dayCommands() const { return dayCommands_; }
    // "Bilancia quantità...", greyed out, with the reason as its status tip, while the meal has no
    // food to balance.
    QAction *balanceAction() const { return balanceAction_; }

signals:
    // A category of the sixteen has been chosen from the menu: the grid is to take the focus.
    void categoryChosen();
    void foodSearchRequested();
    void rankingRequested();
    void nutrientProfileRequested();
    void personsWindowRequested();
    void weekWindowRequested();
    // "Stampa piano...", "Esporta PDF..." and "Intestazione dello studio..." of "&Persona".
    void planPrintRequested();
    void planPdfRequested();
    void practiceHeadingRequested();
    // "Giorno della persona...", "Copia pasto in..." or "Copia giorno in...", "Inserisci pasto
    // abituale...": each asks in a dialog of its own.
    void personDayRequested();
    void copyRequested(bool wholeDay);
    void insertHabitualRequested();
    // "Bilancia quantità..." of "&Pasto": the shown meal's weights.
    void balanceRequested();
    void femaleEnergyWindowRequested();
    void maleEnergyWindowRequested();
    void printRequested();
    void helpRequested();

private:
    void buildMealMenu();
    void buildDayCommands();
    void buildBalanceCommand();
    void buildEditMenu();
    void buildRecentFilesMenu();
    void fillRecentFilesMenu();
    void buildPersonsMenu();
    void buildCategoryMenu();
    void buildPersonalFoodsMenu();
    void buildCommands();
    void exitChosen();

    MainWindowModel &model_;
    QMenu *mealMenu_ = nullptr;
    QMenu *editMenu_ = nullptr;
    QMenu *recentFilesMenu_ = nullptr;
    QMenu *personsMenu_ = nullptr;
    QMenu *personMenu_ = nullptr;
    QMenu *categoryMenu_ = nullptr;
    QList<QAction *> dayCommands_;
    QAction *balanceAction_ = nullptr;
};

}  // namespace velmo::ui
