#pragma once

#include "printing/qtprinterservice.h"
#include "shell/mainwindowmodel.h"
#include "ui/shell/qtdialogs.h"

#include <QObject>

#include <memory>

namespace velmo::ui {

class EnergyUi;
class HelpWindow;
class MainWindow;
class PrintModule;

// The program's windows and the services they share, for the whole run; each window exists
// at most once. It connects the commands that lead from one window to another.
class AppWindows : public QObject {
    Q_OBJECT
public:
    explicit AppWindows(QObject *parent = nullptr);
    ~AppWindows() override;

    // Loads the main window (its load handler opens the food database at `databasePath`) and
    // shows it. False, with the reason in `error`, when the program cannot start.
    bool start(const QString &databasePath, QString *error);

    void showMainWindow();
    void showHelp();
    // Ends the program at once: no window is asked or closed first.
    void quitNow();

    MainWindow *mainWindow() const { return mainWindow_.get(); }
    MainWindowModel &mainModel() { return *mainModel_; }
    HelpWindow *helpWindow() const { return help_.get(); }
    EnergyUi *energy() const { return energy_.get(); }
    PrintModule *printModule() const { return printModule_.get(); }

    // "&Stampa": the landscape sheet of the printer in use, then the print window over the main
    // window's picture.
    void printMainWindow();
    Dialogs &dialogs() { return *dialogs_; }
    PrinterService &printers() { return *printers_; }

    // Tests replace the real boxes before `start`.
    void setDialogs(Dialogs *dialogs) { dialogsOverride_ = dialogs; }

private:
    std::unique_ptr<QtDialogs> ownDialogs_;
    Dialogs *dialogsOverride_ = nullptr;
    Dialogs *dialogs_ = nullptr;
    std::unique_ptr<QtPrinterService> printers_;
    std::unique_ptr<MainWindowModel> mainModel_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<EnergyUi> energy_;
    std::unique_ptr<PrintModule> printModule_;
};

}  // namespace velmo::ui
