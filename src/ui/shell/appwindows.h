// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/settings.h"
#include "shell/requirementchoice.h"
#include "ui/shell/qtdialogs.h"

#include <QObject>

#include <memory>

namespace velmo {
class PrinterService;
}  // namespace velmo

namespace velmo::ui {

class EnergyUi;
class HelpWindow;
class LoadedMainWindow;
class MainWindow;
class PrintModule;

// The program's windows and the services they share, for the whole run; each window exists
// at most once. It connects the commands that lead from one window to another. Only the main
// window is made at start: the energy windows with their launcher, the print module with the
// printers, and the help are made when first asked for, so that the first screen comes sooner.
// Before any window is made it watches the application's keys for F1.
class AppWindows : public QObject {
    Q_OBJECT
public:
    explicit AppWindows(QObject *parent = nullptr);
    ~AppWindows() override;

    // Loads the main window (its load handler opens the food database at `databasePath`) and
    // shows it. False, with the reason in `error`, when the program cannot start.
    bool start(const QString &databasePath, QString *error);

    // Brings the main window to the front; once it has been closed, loads it anew first, so
    // the user finds it as at start-up.
    void showMainWindow();
    // "&Help" and the toolbar's help button: the help's contents.
    void showHelp();
    // The help at `page` ("pasto.html", "alimenti.html#cerca").
    void showHelpPage(const QString &page);
    // Ends the program at once: no window is asked or closed first.
    void quitNow();
    // Ends the program once the main window's meal may be lost (saved, or not wanted).
    void quitAsked();
    // Opens a meal file in the main window, as "&Apri..." does once the file is chosen. The
    // window holds one meal: of several files the first is opened, and a message names the
    // others, which stay closed.
    void openMealFiles(const QStringList &paths);

    // Null while the main window is not loaded (not yet, or closed).
    MainWindow *mainWindow() const;
    // Null until asked for, and again once the main window has been closed: the help goes with
    // it.
    HelpWindow *helpWindow() const { return help_.get(); }
    // The energy windows and the print module, made on the first call (after `start`).
    EnergyUi *energy();
    PrintModule *printModule();

    // "&Stampa": the landscape sheet of the printer in use, then the print window over the main
    // window's picture.
    void printMainWindow();
    Dialogs &dialogs() { return *dialogs_; }
    // The printers, looked up on the first call.
    PrinterService &printers();

    // What the windows keep between runs; nothing until the program gives the settings a file.
    Settings &settings() { return settings_; }

    // Tests replace the real boxes and printers before `start`.
    void setDialogs(Dialogs *dialogs) { dialogsOverride_ = dialogs; }
    void setPrinters(PrinterService *printers) { printersOverride_ = printers; }

protected:
    // F1, in any window of the program, modal ones included, opens the help at the page about
    // that window; no shortcut of the window takes the key first.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool loadMainWindow(QString *error);
    void unloadMainWindow();
    // The meal is set against the current person's requirement, or else that of the energy window
    // computed last.
    void showRequirement();
    // The current person's numbers read again (the store opened for them) and shown.
    void showCurrentPerson();

    std::unique_ptr<QtDialogs> ownDialogs_;
    Dialogs *dialogsOverride_ = nullptr;
    Dialogs *dialogs_ = nullptr;
    std::unique_ptr<PrinterService> printers_;
    PrinterService *printersOverride_ = nullptr;
    QString databasePath_;
    LoadedMainWindow *main_ = nullptr;  // a child of this object
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<EnergyUi> energy_;
    std::unique_ptr<PrintModule> printModule_;
    RequirementChoice requirement_;
    Settings settings_;
};

}  // namespace velmo::ui
