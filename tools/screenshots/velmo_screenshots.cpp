// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The screenshots of the README and the AppStream data: the main window with a meal read from a
// meal file, the energy window of a worked example, and the print window over the main window;
// or, with "en" after the meal file, the main window alone in English (finestra-principale-en.png);
// or, with "giorno" after a day file, the main window with that day and its panel (giorno.png),
// and the week of a person who ate that day with a few changes (settimana.png).
#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "meal/dayfile.h"
#include "meal/mealfile.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"
#include "ui/catalogue/foodgridview.h"
#include "ui/energy/energyui.h"
#include "ui/energy/energywindow.h"
#include "ui/meal/compositiontableview.h"
#include "ui/printing/printsetupwindow.h"
#include "ui/plan/personswindow.h"
#include "ui/plan/weekwindow.h"
#include "ui/printing/printmodule.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

using namespace velmo;

namespace {

int fail(const QString &message)
{
    QTextStream(stderr) << "velmo_screenshots: " << message << '\n';
    return 1;
}

// The meal of the file, entered as a user does: the category, the food in the grid, its gross
// weight in the open row, the lock.
bool composeMeal(ui::MainWindow &window, const MealFile &meal, QString *error)
{
    for (const MealFileEntry &entry : meal.entries) {
        const FoodCategory &category = foodCategory(entry.category);
        window.findChild<QAction *>(QString::fromLatin1(category.menuItem))->trigger();
        QAbstractItemModel *foods = window.grid()->model();
        const QModelIndexList found = foods->match(foods->index(0, 0), Qt::DisplayRole, entry.food, 1,
                                                   Qt::MatchFixedString);
        const std::optional<int> row = window.model().meal().openRow();
        if (found.isEmpty() || !row) {
            *error =
                QStringLiteral("riga %1: alimento \"%2\" non trovato o tabella piena").arg(entry.line).arg(entry.food);
            return false;
        }
        window.grid()->setCurrentIndex(found.first());
        window.model().meal().setGrossText(*row, entry.grams);
        window.table()->lockBox(*row)->click();
    }
    return true;
}

void fillEnergyWindow(EnergyWindowModel &m)
{
    for (QChar c : QStringLiteral("30"))
        m.userEdit(EnergyControl::AgeBox, m.ageText() + c);
    for (QChar c : QStringLiteral("60"))
        m.userEdit(EnergyControl::WeightBox, m.weightText() + c);
    for (int option : {4, 12}) {  // moderate activity, with the recommended activities
        m.userFocus(EnergyWindowModel::optionControl(option));
        m.userClickOption(option);
    }
}

// A person with a few weights, in the persons' window over a store of its own, never the user's.
ui::PersonsWindow *openPersons(ui::MainWindow &window, const QString &storePath)
{
    window.model().persons().setPath(storePath);
    window.findChild<QAction *>(QStringLiteral("mnuPersoneFinestra"))->trigger();
    ui::PersonsWindow *persons = window.personsWindow();
    if (!persons)
        return nullptr;
    const QDate today = QDate::currentDate();
    Person maria{QStringLiteral("Maria Rossi"),
                 Sex::Female,
                 today.addYears(-42).addDays(-40),
                 164,
                 {},
                 ActivityLevel::Moderate,
                 RecommendedActivities::With,
                 PersonCondition::None,
                 QString()};
    Person luca = maria;
    luca.name = QStringLiteral("Luca Bianchi");
    luca.sex = Sex::Male;
    luca.heightCm = 178;
    persons->model().addPerson(luca);
    persons->model().addPerson(maria);
    const double kilograms[] = {71.8, 70.9, 70.2, 69.6, 69.1, 68.4};
    for (int i = 0; i < 6; ++i)
        persons->model().weights().addWeight({today.addDays(-28 * (5 - i)), kilograms[i], 84.0 - i});
    persons->resize(980, 640);
    persons->show();
    return persons;
}

// Six days of the current week made of `day`, each food's weight a little changed, and Sunday
// left empty; the person is made current and the week window opened over a store of its own.
ui::WeekWindow *openWeek(ui::MainWindow &window, const MealDay &day, const QString &storePath)
{
    PersonSession &session = window.model().persons();
    session.setPath(storePath);
    PersonStore *store = session.store();
    if (!store)
        return nullptr;
    const QDate today = QDate::currentDate();
    Person maria{QStringLiteral("Maria Rossi"),
                 Sex::Female,
                 today.addYears(-42).addDays(-40),
                 164,
                 {{today.addDays(-7), 68.4, 84.0}},
                 ActivityLevel::Moderate,
                 RecommendedActivities::With,
                 PersonCondition::None,
                 QString()};
    if (!store->addPerson(maria).ok())
        return nullptr;
    const double factors[] = {1.0, 0.85, 1.15, 0.9, 1.25, 1.05};
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    for (int d = 0; d < 6; ++d) {
        MealDay changed = day;
        for (DayMeal &meal : changed.meals)
            for (MealFileEntry &entry : meal.entries)
                entry.grams = QString::number(qRound(entry.grams.toDouble() * factors[d]));
        if (!store->writeDay(maria.name, monday.addDays(d), changed, PersonStore::kNotStored).ok())
            return nullptr;
    }
    session.setCurrentName(maria.name);
    window.findChild<QAction *>(QStringLiteral("mnuSettimana"))->trigger();
    ui::WeekWindow *week = window.weekWindow();
    if (week)
        week->resize(1060, 720);
    return week;
}

// The main window with the day of `dayFile` and its panel at the size the window takes for it,
// then the week window.
int shootDay(QApplication &app, const QDir &out, const QString &dayFile)
{
    QFile input(dayFile);
    if (!input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("file del giorno non leggibile"));
    const DayFile day = readDayFile(input);
    if (!day.ok())
        return fail(errorReport(day.errors).join(QLatin1Char('\n')));
    test::FakeDialogs dialogs;
    test::FakePrinterService printers;
    ui::AppWindows windows;
    windows.setDialogs(&dialogs);
    windows.setPrinters(&printers);
    QString error;
    if (!windows.start(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error))
        return fail(error);
    ui::MainWindow &window = *windows.mainWindow();
    windows.openMealFiles({dayFile});
    QDockWidget *dock = window.dayDock();
    if (!dialogs.shown.empty() || !dock)
        return fail(dialogs.messageTexts().join(QLatin1Char('\n')));
    // The screen of the offscreen platform is small: the window is given the size a desktop gives it.
    window.resize(window.fullSize());
    QTemporaryDir personsFolder;
    ui::WeekWindow *week = openWeek(window, day.day, personsFolder.filePath(QStringLiteral("persone.db")));
    if (!week)
        return fail(QStringLiteral("settimana non aperta: ") + dialogs.messageTexts().join(QLatin1Char('\n')));
    bool saved = false;
    QTimer::singleShot(300, [&] {
        saved = window.grab().save(out.filePath(QStringLiteral("giorno.png")))
                && week->grab().save(out.filePath(QStringLiteral("settimana.png")));
        QCoreApplication::exit(0);
    });
    app.exec();
    return saved ? 0 : fail(QStringLiteral("impossibile scrivere le immagini in %1").arg(out.path()));
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool english = argc == 4 && qstrcmp(argv[3], "en") == 0;
    ui::prepareApplication(english ? Language::English : Language::Italian);
    QLocale::setDefault(english ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                : QLocale(QLocale::Italian, QLocale::Italy));
    if (argc != 3 && !english && !(argc == 4 && qstrcmp(argv[3], "giorno") == 0))
        return fail(
            QStringLiteral("uso: velmo_screenshots CARTELLA FILE_DEL_PASTO [en] | CARTELLA FILE_DEL_GIORNO giorno"));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (argc == 4 && qstrcmp(argv[3], "giorno") == 0)
        return shootDay(app, out, QString::fromLocal8Bit(argv[2]));
    QFile input(QString::fromLocal8Bit(argv[2]));
    if (!out.exists() || !input.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cartella o file del pasto non leggibili"));
    const MealFile meal = readMealFile(input);
    if (!meal.errors.empty())
        return fail(errorReport(meal.errors).join(QLatin1Char('\n')));

    test::FakeDialogs dialogs;
    test::FakePrinterService printers;
    ui::AppWindows windows;
    windows.setDialogs(&dialogs);
    windows.setPrinters(&printers);
    QString error;
    if (!windows.start(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error))
        return fail(error);
    ui::MainWindow &window = *windows.mainWindow();
    // The grid shows the foods' English names in English, so there the meal is opened as a file:
    // the file names them in Italian.
    if (english)
        windows.openMealFiles({input.fileName()});
    if (english ? !dialogs.shown.empty() : !composeMeal(window, meal, &error))
        return fail(english ? dialogs.messageTexts().join(QLatin1Char('\n')) : error);

    windows.energy()->showEnergyWindow(Sex::Female);
    fillEnergyWindow(windows.energy()->model(Sex::Female));
    QTemporaryDir personsFolder;
    ui::PersonsWindow *persons = english ? nullptr
                                         : openPersons(window, personsFolder.filePath(QStringLiteral("persone.db")));
    if (!english && !persons)
        return fail(dialogs.messageTexts().join(QLatin1Char('\n')));

    const auto save = [&out](QWidget &widget, const char *name) {
        return widget.grab().save(out.filePath(QString::fromLatin1(name)));
    };
    bool saved = true;
    // After the windows have been laid out and painted once.
    QTimer::singleShot(300, [&] {
        if (english) {
            saved = save(window, "finestra-principale-en.png");
            QCoreApplication::exit(0);
            return;
        }
        saved = save(window, "finestra-principale.png")
                && save(*windows.energy()->energyWindow(Sex::Female), "fabbisogno.png")
                && save(*persons, "persone.png");
        windows.printModule()->onWindowReady = [&](ui::PrintSetupWindow &print) {
            QTimer::singleShot(300, &print, [&] {
                saved = save(print, "stampa.png") && saved;
                print.close();
            });
        };
        windows.printMainWindow();
        // exit(), not quit(): quitting closes the main window, which would ask whether to save the meal.
        QCoreApplication::exit(0);
    });
    app.exec();
    return saved ? 0 : fail(QStringLiteral("impossibile scrivere le immagini in %1").arg(out.path()));
}
