// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/cli/mealfoods.h"

#include "catalogue/foodcategory.h"
#include "common/consoleoutput.h"
#include "common/inputecho.h"
#include "common/programdir.h"
#include "meal/measurestore.h"
#include "plan/personstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmo {

std::unique_ptr<PersonalCatalogue> openPersonal(bool create, QString *error)
{
    auto personal = PersonalCatalogue::open(PersonalCatalogue::defaultPath(), create, error);
    if (personal)
        for (const QString &notice : personal->notices())
            writeStandardError(QStringLiteral("velmo-pasto: %1\n").arg(notice));
    return personal;
}

namespace {

// Whether `path` is the file the standard input reads.
bool isStandardInput(const QString &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    struct stat in {};
    struct stat out {};
    return ::fstat(STDIN_FILENO, &in) == 0 && S_ISREG(in.st_mode)
           && ::stat(QFile::encodeName(path).constData(), &out) == 0 && in.st_dev == out.st_dev
           && in.st_ino == out.st_ino;
#endif
}

}  // namespace

QString replacedDataProblem(const QString &output, const std::optional<QString> &input)
{
    const QFileInfo target(output);
    if (!target.exists())
        return {};  // a new file replaces nothing
    const QString canonical = target.canonicalFilePath();
    QStringList read;
    for (const QString &store : {PersonStore::defaultPath(), PersonalCatalogue::defaultPath()})
        for (const char *end : {"", "-journal", "-wal", "-shm"})
            read << store + QLatin1StringView(end);
    read << programFile(QString::fromLatin1(FoodDatabase::kFileName));
    const bool isInput = input
                         && (*input == QStringLiteral("-") ? isStandardInput(output)
                                                           : QFileInfo(*input).canonicalFilePath() == canonical);
    const bool isStore = std::any_of(read.cbegin(), read.cend(), [&](const QString &path) {
        return QFileInfo::exists(path) && QFileInfo(path).canonicalFilePath() == canonical;
    });
    if (!isInput && !isStore)
        return {};
    return (isInput ? QCoreApplication::translate("MealFoods", "%1 è il file da leggere: scegliere un altro file")
                    : QCoreApplication::translate("MealFoods", "%1 è un archivio di Velmo, che andrebbe perduto: "
                                                               "scegliere un altro file"))
        .arg(echoInput(QDir::toNativeSeparators(output)));
}

std::optional<MealFoods> openMealFoods(const std::vector<MealFileEntry> &entries, QString *error)
{
    MealFoods foods;
    foods.database = FoodDatabase::open(programFile(QString::fromLatin1(FoodDatabase::kFileName)), error);
    if (!foods.database)
        return std::nullopt;
    MeasureStore::showEnglishNamesOf(foods.database->connection());
    if (std::any_of(entries.cbegin(), entries.cend(),
                    [](const MealFileEntry &e) { return isPersonalCategory(e.category); })) {
        foods.personal = openPersonal(false, error);
        if (!foods.personal)
            return std::nullopt;
    }
    return foods;
}

bool composeDay(ComposedDay &composed, const MealDay &day, const QSqlDatabase &database,
                const PersonalCatalogue *personal, QString *error)
{
    for (const DayMeal &meal : day.meals) {
        composed.composers.push_back(std::make_unique<MealComposer>(database));
        if (personal)
            composed.composers.back()->setPersonalDatabase(personal->connection());
        if (!composed.composers.back()->addAll(meal.entries, error))
            return false;
        composed.meals.push_back({meal.name, &composed.composers.back()->grid()});
        const auto &placed = composed.composers.back()->placed();
        composed.placed.insert(composed.placed.end(), placed.cbegin(), placed.cend());
    }
    return true;
}

std::vector<InputError> storedDaysFaults(const MealFoods &foods, const std::vector<std::pair<QDate, MealDay>> &days,
                                         QString *databaseError)
{
    MealComposer check(foods.database->connection());
    if (foods.personal)
        check.setPersonalDatabase(foods.personal->connection());
    check.setStoredLabels(true);
    std::vector<InputError> faults;
    databaseError->clear();
    for (const auto &[date, day] : days)
        for (const DayMeal &meal : day.meals) {
            for (InputError fault : check.missingFoods(meal.entries, databaseError)) {
                fault.text = QCoreApplication::translate("VelmoPasto", "%1, %2: %3")
                                 .arg(date.toString(Qt::ISODate), echoInput(meal.name), fault.text);
                faults.push_back(fault);
            }
            if (!databaseError->isEmpty())
                return {};
        }
    return faults;
}

}  // namespace velmo
