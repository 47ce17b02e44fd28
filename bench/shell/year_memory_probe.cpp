// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The program's memory with a year of a person's days in use: what bench/shell/memory_year.sh
// measures. `year_memory_probe --crea FILE` makes the persons' store FILE with one person and 365
// days of five meals of twelve foods of the food database, drawn with a fixed seed; then
// `year_memory_probe FILE` starts the program's windows on it, opens a stored day in the main
// window, "Settimana..." and the profile of the week's average, and prints the peak of resident
// memory (VmHWM) in kilobytes.
#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "plan/personstore.h"
#include "shell/mainwindowmodel.h"
#include "shell/weekmodel.h"
#include "silentdialogs.h"
#include "ui/nutrition/nutrientprofilewindow.h"
#include "ui/plan/weekwindow.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/startup.h"

#include <QPushButton>
#include <QAction>
#include <QApplication>
#include <QFile>

#include <cstdio>
#include <random>

namespace {

using namespace velmo;

const QString kPerson = QStringLiteral("Prova Anno");
const QDate kFirstDay(2025, 1, 1);
constexpr int kDays = 365;

QString databasePath()
{
    return programFile(QString::fromLatin1(FoodDatabase::kFileName));
}

// The year of days, each meal twelve foods of the shipped catalogue chosen at random.
int makeYear(const QString &path)
{
    bench::SilentDialogs dialogs;
    MainWindowModel model(dialogs);
    QString error;
    if (!model.load(databasePath(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    const FoodSearch &search = model.foodSearch();
    std::vector<int> shipped;
    for (int i = 0; i < search.size(); ++i)
        if (!isPersonalCategory(search.food(i).category))
            shipped.push_back(i);
    std::mt19937 random(28);
    PersonRecord record{{kPerson,
                         Sex::Female,
                         QDate(1980, 1, 1),
                         165,
                         {{kFirstDay, 60, {}}},
                         ActivityLevel::Moderate,
                         RecommendedActivities::With,
                         PersonCondition::None,
                         {}},
                        {}};
    for (int d = 0; d < kDays; ++d) {
        MealDay day;
        for (const QString &name : defaultMealNames()) {
            DayMeal meal{name, {}};
            for (int r = 0; r < kMealRows; ++r) {
                const SearchableFood &food = search.food(shipped[random() % shipped.size()]);
                meal.entries.push_back({0, food.category, food.name, QString::number(10 + random() % 240)});
            }
            day.meals.push_back(std::move(meal));
        }
        record.days.emplace_back(kFirstDay.addDays(d), std::move(day));
    }
    QFile::remove(path);
    const std::unique_ptr<PersonStore> store = PersonStore::open(path, true, &error);
    const StoreResult stored = store ? store->importRecord(record, false) : StoreResult{};
    if (!store || !stored.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(store ? stored.message : error));
        return 1;
    }
    return 0;
}

long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

int showYear(const QString &path)
{
    QString error;
    ui::prepareApplication(Language::Italian);
    bench::SilentDialogs dialogs;
    ui::AppWindows windows;
    windows.setDialogs(&dialogs);
    if (!windows.start(databasePath(), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    ui::MainWindow &window = *windows.mainWindow();
    PersonSession &persons = window.model().persons();
    persons.setPath(path);
    persons.setToday(kFirstDay.addDays(kDays / 2));
    persons.setCurrentName(kPerson);
    QCoreApplication::processEvents();
    if (!window.model().storedDays().open(kPerson, persons.today()))
        return 1;
    QCoreApplication::processEvents();
    window.findChild<QAction *>(QStringLiteral("mnuSettimana"))->trigger();
    ui::WeekWindow *week = window.weekWindow();
    if (!week || week->model().averagedDays() != WeekModel::kDays)
        return 1;
    week->button(QStringLiteral("cmdProfiloSettimana"))->click();
    QCoreApplication::processEvents();
    ui::NutrientProfileWindow *profile = window.nutrientProfileWindow();
    if (!profile || !profile->isVisible() || profile->model().rowCount() == 0 || dialogs.messages != 0)
        return 1;
    window.grab();
    week->grab();
    profile->grab();
    std::printf("%ld\n", peakResidentKb());
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--crea"))
        return makeYear(arguments[2]);
    if (arguments.size() == 2)
        return showYear(arguments[1]);
    std::fprintf(stderr, "uso: year_memory_probe [--crea] FILE\n");
    return 2;
}
