#include "ui/shell/appwindows.h"

#include "ui/energy/energyui.h"
#include "ui/printing/printmodule.h"
#include "ui/shell/helpwindow.h"
#include "ui/shell/mainwindow.h"

#include <QCoreApplication>

namespace velmo::ui {

AppWindows::AppWindows(QObject *parent)
    : QObject(parent), ownDialogs_(std::make_unique<QtDialogs>()), printers_(std::make_unique<QtPrinterService>())
{
}

AppWindows::~AppWindows() = default;

bool AppWindows::start(const QString &databasePath, QString *error)
{
    dialogs_ = dialogsOverride_ ? dialogsOverride_ : ownDialogs_.get();
    mainModel_ = std::make_unique<MainWindowModel>(*dialogs_);
    mainWindow_ = std::make_unique<MainWindow>(*mainModel_);
    if (!mainModel_->load(databasePath, error))
        return false;

    energy_ = std::make_unique<EnergyUi>(*printers_, *dialogs_, [this] { showMainWindow(); }, [this] { quitNow(); });
    connect(mainWindow_.get(), &MainWindow::lafFemminaRequested, this,
            [this] { energy_->showEnergyWindow(Sex::Female); });
    connect(mainWindow_.get(), &MainWindow::lafMaschioRequested, this,
            [this] { energy_->showEnergyWindow(Sex::Male); });
    printModule_ = std::make_unique<PrintModule>(*printers_, *dialogs_);
    connect(mainWindow_.get(), &MainWindow::printRequested, this, &AppWindows::printMainWindow);
    connect(mainWindow_.get(), &MainWindow::helpRequested, this, &AppWindows::showHelp);
    connect(mainWindow_.get(), &MainWindow::exitRequested, this, &AppWindows::quitNow);
    showMainWindow();
    return true;
}

void AppWindows::showMainWindow()
{
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

void AppWindows::printMainWindow()
{
    int widthMm = 0;
    int heightMm = 0;
    printModule_->FoglioStampa(widthMm, heightMm, 2);
    printModule_->StampaFPB(mainWindow_.get(), 0, 0, widthMm, heightMm, 0, QStringLiteral("Velmo"), 500000.0F);
}

void AppWindows::showHelp()
{
    if (!help_)
        help_ = std::make_unique<HelpWindow>();
    help_->showContents();
}

void AppWindows::quitNow()
{
    QCoreApplication::exit(0);
}

}  // namespace velmo::ui
