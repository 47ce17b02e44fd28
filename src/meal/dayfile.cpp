// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/dayfile.h"

#include "common/inputecho.h"
#include "meal/mealfilelines.h"
#include "meal/mealgrid.h"

#include <QBuffer>
#include <QCoreApplication>

#include <algorithm>

namespace velmo {

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The meals of a day file as their lines come: a `[...]` line starts a meal, any other line is
// a food of the meal being read.
class DayFileLines : public MealTextLines {
public:
    explicit DayFileLines(DayFile &file) : file_(file) {}

    bool line(int number, const std::optional<QString> &content) override
    {
        if (content && content->startsWith(u'['))
            return startMeal(number, *content);
        if (file_.day.meals.empty())
            file_.day.meals.push_back({});
        DayMeal &meal = file_.day.meals.back();
        if (content)
            readFoodLine(number, *content, meal.entries, file_.errors);
        if (++foodLines_ <= kMealRows)
            return true;
        file_.errors.push_back(
            {number,
             meal.name.isEmpty()
                 ? tooManyFoods()
                 : QCoreApplication::translate(
                       "DayFile", "più di dodici alimenti nel pasto %1: la tabella del pasto ha %2 righe; lettura "
                                  "interrotta")
                       .arg(echoInput(meal.name), QString::number(kMealRows))});
        return false;
    }

    bool headed() const { return headed_; }

private:
    bool startMeal(int number, const QString &content)
    {
        headed_ = true;
        if (file_.day.meals.size() == kMaxMealsPerDay) {
            file_.errors.push_back(
                {number, QCoreApplication::translate(
                             "DayFile", "più di %1 pasti: un giorno ne ha al massimo %1; lettura interrotta")
                             .arg(kMaxMealsPerDay)});
            return false;
        }
        // The line is trimmed: "]" can only be its last character.
        const bool closed = content.size() > 1 && content.endsWith(u']');
        const QString name = content.mid(1, closed ? content.size() - 2 : -1).trimmed();
        if (!closed) {
            file_.errors.push_back(
                {number, QCoreApplication::translate("DayFile",
                                                     "manca \"]\" alla fine della riga: un pasto inizia con una riga "
                                                     "[Nome del pasto]")});
        } else if (const QString fault = mealNameFault(name); !fault.isEmpty()) {
            file_.errors.push_back({number, fault});
        } else if (const auto same = std::find_if(lines_.cbegin(), lines_.cend(),
                                                  [&](const auto &seen) { return sameName(seen.second, name); });
                   same != lines_.cend()) {
            file_.errors.push_back(
                {number, QCoreApplication::translate(
                             "DayFile", "il pasto %1 c'è già alla riga %2: i pasti di un giorno hanno nomi "
                                        "diversi")
                             .arg(echoInput(name), QString::number(same->first))});
        }
        lines_.emplace_back(number, name);
        file_.day.meals.push_back({name, {}});
        foodLines_ = 0;
        return true;
    }

    DayFile &file_;
    std::vector<std::pair<int, QString>> lines_;  // where each named meal starts
    int foodLines_ = 0;
    bool headed_ = false;
};

}  // namespace

QString mealNameFault(const QString &name)
{
    if (name.isEmpty())
        return QCoreApplication::translate("DayFile", "manca il nome del pasto tra \"[\" e \"]\"");
    if (name.toUcs4().size() > kMaxMealNameLength)
        return QCoreApplication::translate("DayFile", "il nome del pasto %1 è più lungo di %2 caratteri")
            .arg(echoInput(name), QString::number(kMaxMealNameLength));
    if (name.contains(u']') || hasHiddenCharacters(name))
        return QCoreApplication::translate("DayFile", "il nome del pasto %1 contiene \"]\" o un carattere di controllo")
            .arg(echoInput(name));
    if (name != name.trimmed())
        return QCoreApplication::translate("DayFile", "il nome del pasto %1 inizia o finisce con spazi")
            .arg(echoInput(name));
    return {};
}

bool isMealFile(const MealDay &day)
{
    return day.meals.size() == 1 && day.meals.front().name.isEmpty();
}

DayFile readDayFile(QIODevice &input)
{
    DayFile file;
    DayFileLines lines(file);
    readMealTextLines(input, lines, file.errors);
    if (file.day.meals.empty() && file.errors.empty())
        file.errors.push_back(nothingToCompute());
    return file;
}

DayFile readDayFile(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return readDayFile(buffer);
}

std::optional<QByteArray> dayFileText(const MealDay &day)
{
    if (isMealFile(day))
        return day.meals.front().entries.size() <= kMealRows ? std::optional(mealFileText(day.meals.front().entries))
                                                             : std::nullopt;
    if (day.meals.empty() || day.meals.size() > kMaxMealsPerDay)
        return std::nullopt;
    QByteArray text = QByteArrayLiteral("# Giornata di Velmo: ogni riga [Nome] inizia un pasto, poi "
                                        "categoria;alimento;grammi (peso lordo).\n");
    for (std::size_t m = 0; m < day.meals.size(); ++m) {
        const DayMeal &meal = day.meals[m];
        const bool unnamedFirst = m == 0 && meal.name.isEmpty() && !meal.entries.empty();
        const bool repeated = std::any_of(day.meals.cbegin(), day.meals.cbegin() + static_cast<std::ptrdiff_t>(m),
                                          [&](const DayMeal &other) { return sameName(other.name, meal.name); });
        if ((!unnamedFirst && !mealNameFault(meal.name).isEmpty()) || repeated || meal.entries.size() > kMealRows)
            return std::nullopt;
        if (!unnamedFirst)
            text += '\n' + (u'[' + meal.name + u']').toUtf8() + '\n';
        // The meal file's own lines, without its heading comment.
        const QByteArray lines = mealFileText(meal.entries);
        text += lines.mid(lines.indexOf('\n') + 1);
    }
    return text;
}

}  // namespace velmo
