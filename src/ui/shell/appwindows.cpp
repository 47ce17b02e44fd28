// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/appwindows.h"

#include "common/inputecho.h"
#include "printing/systemprinters.h"
#include "shell/mainwindowmodel.h"
#include "ui/energy/energyui.h"
#include "ui/printing/printmodule.h"
#include "ui/shell/helpwindow.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/windowplacement.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QTimer>

namespace velmo::ui {

// One loading of the main window: its model and the window, unloaded together. The members go in
// reverse order, so the view goes before the model it shows.
class LoadedMainWindow : public QObject {
public:
    std::unique_ptr<MainWindowModel> model;
    std::unique_ptr<MainWindow> window;
};

AppWindows::AppWindows(QObject *parent) : QObject(parent), ownDialogs_(std::make_unique<QtDialogs>())
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

AppWindows::~AppWindows() = default;

bool AppWindows::start(const QString &databasePath, QString *error)
{
    dialogs_ = dialogsOverride_ ? dialogsOverride_ : ownDialogs_.get();
    databasePath_ = databasePath;
    if (!loadMainWindow(error))
        return false;
    showMainWindow();
    return true;
}

PrinterService &AppWindows::printers()
{
    if (printersOverride_)
        return *printersOverride_;
    // Asking for the printers wakes the print system, which the first screen does not need.
    if (!printers_) {
        QString error;
        printers_ = newSystemPrinterService(&error);
        if (!error.isEmpty())
            dialogs_->message(error, warningTitle(), MessageIcon::Critical);
    }
    return *printers_;
}

EnergyUi *AppWindows::energy()
{
    if (energy_)
        return energy_.get();
    energy_ = std::make_unique<EnergyUi>(
        printers(), *dialogs_, [this] { showMainWindow(); }, [this] { quitAsked(); });
    for (const auto &[sex, name] : {std::pair{Sex::Female, tr("femmina")}, std::pair{Sex::Male, tr("maschio")}}) {
        EnergyWindowModel &model = energy_->model(sex);
        const QString whose = name;  // a lambda may not capture a structured binding (clang 14)
        connect(&model, &EnergyWindowModel::controlChanged, this, [this, &model, whose](EnergyControl control) {
            if (control != EnergyControl::RequirementBox)
                return;
            // The profile's references are those of the person the requirement was computed for.
            const auto age = model.ageMember();
            const auto weight = model.weightMember();
            const auto person = age ? std::optional(IntakePerson{
                                    model.sex() == Sex::Female, static_cast<double>(*age), false, false,
                                    ReferenceSource::Larn, weight ? std::optional<double>(*weight) : std::nullopt})
                                    : std::nullopt;
            requirement_.update(whose, model.requirementText(), QLocale(), person);
            showRequirement();
        });
    }
    return energy_.get();
}

PrintModule *AppWindows::printModule()
{
    if (!printModule_)
        printModule_ = std::make_unique<PrintModule>(printers(), *dialogs_);
    return printModule_.get();
}

MainWindow *AppWindows::mainWindow() const
{
    return main_ ? main_->window.get() : nullptr;
}

bool AppWindows::loadMainWindow(QString *error)
{
    auto loaded = std::make_unique<LoadedMainWindow>();
    loaded->model = std::make_unique<MainWindowModel>(*dialogs_);
    // The window before the load handler runs, so that it sees every value the handler sets.
    loaded->window = std::make_unique<MainWindow>(*loaded->model);
    if (!loaded->model->load(databasePath_, error))
        return false;
    loaded->model->recentFiles().keepIn(settings_.path());

    MainWindow *window = loaded->window.get();
    window->setSettings(&settings_);
    connect(window, &MainWindow::femaleEnergyWindowRequested, this,
            [this] { energy()->showEnergyWindow(Sex::Female); });
    connect(window, &MainWindow::maleEnergyWindowRequested, this, [this] { energy()->showEnergyWindow(Sex::Male); });
    connect(window, &MainWindow::printRequested, this, &AppWindows::printMainWindow);
    connect(window, &MainWindow::helpRequested, this, &AppWindows::showHelp);
    connect(window, &MainWindow::exitRequested, this, &AppWindows::quitNow);
    connect(window, &MainWindow::closed, this, &AppWindows::unloadMainWindow);
    PersonSession &persons = loaded->model->persons();
    persons.setSettings(&settings_);
    connect(&persons, &PersonSession::currentChanged, this, &AppWindows::showCurrentPerson);
    connect(&persons, &PersonSession::personsChanged, this, &AppWindows::showCurrentPerson);
    // Another stored day is weighed against the requirement of its date.
    connect(&loaded->model->storedDays(), &StoredDays::changed, this, [this] {
        if (!main_->model->persons().currentName().isEmpty())
            showCurrentPerson();
    });
    // Start-up does not open the persons' store: a remembered current person is read once the
    // first screen is up.
    if (!persons.currentName().isEmpty())
        QTimer::singleShot(0, this, &AppWindows::showCurrentPerson);
    main_ = loaded.release();
    main_->setParent(this);
    showRequirement();
    return true;
}

void AppWindows::showRequirement()
{
    if (!main_)
        return;
    main_->model->setRequirement(requirement_.kcal(), requirement_.whose());
    main_->model->setCalculatedPerson(requirement_.person());
}

void AppWindows::showCurrentPerson()
{
    if (!main_)
        return;
    if (const auto current = main_->model->persons().currentRequirement())
        requirement_.setCurrentPerson(current->name, current->kcal, current->person);
    else
        requirement_.clearCurrentPerson();
    showRequirement();
}

void AppWindows::openMealFiles(const QStringList &paths)
{
    if (!main_ || paths.isEmpty())
        return;
    main_->model->document().openFile(paths.front());
    if (paths.size() == 1)
        return;
    QStringList others;
    for (qsizetype i = 1; i < paths.size(); ++i)
        others << echoInput(paths[i]);
    dialogs_->message(tr("Velmo apre un solo pasto per volta, il primo dei file indicati (%1).\n"
                         "Non sono stati aperti: %2.\n"
                         "Per vederli, aprirli con \"Apri...\" dal menu Pasto.")
                          .arg(echoInput(paths.front()), others.join(QStringLiteral(", "))),
                      warningTitle(), MessageIcon::Information);
}

void AppWindows::quitAsked()
{
    if (!main_ || main_->model->mayClose())
        quitNow();
}

void AppWindows::unloadMainWindow()
{
    if (!main_)
        return;
    // Within the window's own close: the help goes at once; the window itself is deleted once its
    // close is over.
    if (help_) {
        help_->close();
        help_.release()->deleteLater();
    }
    main_->deleteLater();
    main_ = nullptr;
}

void AppWindows::showMainWindow()
{
    if (!main_) {
        QString error;
        if (!loadMainWindow(&error)) {
            dialogs_->message(error, QStringLiteral("Velmo"), MessageIcon::Critical);
            return;
        }
    }
    MainWindow *window = main_->window.get();
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

void AppWindows::printMainWindow()
{
    if (!main_)
        return;
    int widthMm = 0;
    int heightMm = 0;
    printModule()->measureSheet(widthMm, heightMm, 2);
    // A printer gone since it was last used has said so and been let go: the default one is tried.
    if (widthMm <= 0 || heightMm <= 0)
        printModule()->measureSheet(widthMm, heightMm, 2);
    if (widthMm <= 0 || heightMm <= 0)
        return;
    printModule()->printWindowImage(main_->window.get(), 0, 0, widthMm, heightMm, 0, QStringLiteral("Velmo"),
                                    500000.0F);
}

void AppWindows::showHelp()
{
    showHelpPage(QStringLiteral("index.html"));
}

void AppWindows::showHelpPage(const QString &page)
{
    if (!help_) {
        help_ = std::make_unique<HelpWindow>();
        rememberPlacement(*help_, settings_, RememberedWindow::Help);
    }
    help_->showPage(page);
}

bool AppWindows::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) && watched->isWidgetType()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
            if (type == QEvent::ShortcutOverride)
                event->accept();  // the key goes to the widget, here, as a key press
            else
                showHelpPage(HelpWindow::pageFor(static_cast<QWidget *>(watched)));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void AppWindows::quitNow()
{
    QCoreApplication::exit(0);
}

}  // namespace velmo::ui
