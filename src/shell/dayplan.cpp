// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/dayplan.h"

#include "common/inputecho.h"
#include "meal/dayfigures.h"
#include "meal/dayfile.h"

#include <algorithm>

namespace velmo {

DayPlan::DayPlan(Parts parts, QObject *parent) : QObject(parent), parts_(parts)
{
    connect(&parts_.document, &MealDocument::dayChanged, this, &DayPlan::changed);
}

QString DayPlan::shownName(int index) const
{
    const QString &name = parts_.document.dayState().day.meals[static_cast<std::size_t>(index)].name;
    return name.isEmpty() ? tr("Pasto") : name;
}

QStringList DayPlan::mealNames() const
{
    QStringList names;
    for (int m = 0; m < mealCount(); ++m)
        names << shownName(m);
    return names;
}

bool DayPlan::isSingleMeal() const
{
    return isMealFile(parts_.document.dayState().day);
}

void DayPlan::refuse(const QString &text)
{
    parts_.dialogs.message(text, warningTitle(), MessageIcon::Critical);
}

bool DayPlan::switchTo(int index)
{
    if (index < 0 || index >= mealCount() || index == current())
        return false;
    QString error;
    const bool switched = parts_.steps.record(tr("passaggio a %1").arg(shownName(index)),
                                              [&] { return parts_.document.showMeal(index, &error); });
    if (!switched && !error.isEmpty())
        refuse(tr("Il pasto %1 non può essere mostrato: %2").arg(echoInput(shownName(index)), error));
    return switched;
}

QString DayPlan::nameFault(const QString &name, int except) const
{
    if (const QString fault = mealNameFault(name); !fault.isEmpty())
        return fault;
    const std::vector<DayMeal> &meals = parts_.document.dayState().day.meals;
    for (int m = 0; m < mealCount(); ++m)
        if (m != except && meals[static_cast<std::size_t>(m)].name.compare(name, Qt::CaseInsensitive) == 0)
            return tr("c'è già un pasto %1: i pasti di un giorno hanno nomi diversi").arg(echoInput(name));
    return {};
}

// Blanks around a typed name are no part of it; an empty answer is the user's Cancel.
QString DayPlan::askName(const QString &prompt, const QString &proposed)
{
    return parts_.dialogs.input(prompt, tr("Pasti del giorno"), proposed).trimmed();
}

bool DayPlan::renameMeal()
{
    const int shown = current();
    const QString was = shownName(shown);
    const QString name = askName(tr("Nuovo nome del pasto %1:").arg(was), was);
    if (name.isEmpty() || name == parts_.document.dayState().day.meals[static_cast<std::size_t>(shown)].name)
        return false;
    if (const QString fault = nameFault(name, shown); !fault.isEmpty()) {
        refuse(tr("Il pasto non è stato rinominato: %1. Scegliere un altro nome.").arg(fault));
        return false;
    }
    return parts_.steps.record(tr("rinomina di %1 in %2").arg(was, name), [&] {
        MealDocument::DayState day = parts_.document.dayState();
        day.day.meals[static_cast<std::size_t>(shown)].name = name;
        parts_.document.setDayState(day);
        return true;
    });
}

bool DayPlan::addMeal()
{
    if (mealCount() >= kMaxMealsPerDay) {
        refuse(tr("Un giorno ha al massimo %1 pasti: per aggiungerne uno, rimuoverne prima un altro.")
                   .arg(kMaxMealsPerDay));
        return false;
    }
    // The first of the usual meals the day lacks, under any of its names ("Colazione" is the
    // breakfast of a day made under Italian), else a number.
    QString proposed = tr("Pasto %1").arg(mealCount() + 1);
    const QStringList usual = defaultMealNames();
    const QStringList names = mealNames();
    for (int i = 0; i < usual.size(); ++i) {
        const bool had = std::any_of(names.cbegin(), names.cend(),
                                     [i](const QString &name) { return usualMealIndex(name) == i; });
        if (!had && nameFault(usual[i], -1).isEmpty()) {
            proposed = usual[i];
            break;
        }
    }
    const QString name = askName(tr("Nome del nuovo pasto:"), proposed);
    if (name.isEmpty())
        return false;
    // The meal the day was gets the name the selector showed it by, since a day file names each.
    const bool single = isSingleMeal();
    const QString fault = single && name.compare(tr("Pasto"), Qt::CaseInsensitive) == 0
                              ? tr("c'è già un pasto %1: i pasti di un giorno hanno nomi diversi").arg(echoInput(name))
                              : nameFault(name, -1);
    if (!fault.isEmpty()) {
        refuse(tr("Il pasto non è stato aggiunto: %1. Scegliere un altro nome.").arg(fault));
        return false;
    }
    QString error;
    const bool added = parts_.steps.record(tr("aggiunta di %1").arg(name), [&] {
        const MealDocument::DayState was = parts_.document.dayState();
        MealDocument::DayState day = was;
        if (single)
            day.day.meals.front().name = tr("Pasto");
        day.day.meals.insert(day.day.meals.begin() + day.current + 1, DayMeal{name, {}});
        parts_.document.setDayState(day);
        if (parts_.document.showMeal(day.current + 1, &error))
            return true;
        parts_.document.setDayState(was);
        return false;
    });
    if (!added && !error.isEmpty())
        refuse(tr("Il pasto %1 non può essere mostrato: %2").arg(echoInput(name), error));
    return added;
}

bool DayPlan::removeMeal()
{
    if (mealCount() <= 1) {
        refuse(tr("Un giorno ha almeno un pasto: l'ultimo rimasto non si può rimuovere."));
        return false;
    }
    const int removed = current();
    QString error;
    const bool done = parts_.steps.record(tr("rimozione di %1").arg(shownName(removed)), [&] {
        if (!parts_.document.showMeal(removed + 1 < mealCount() ? removed + 1 : removed - 1, &error))
            return false;
        MealDocument::DayState day = parts_.document.dayState();
        day.day.meals.erase(day.day.meals.begin() + removed);
        if (day.current > removed)
            --day.current;
        parts_.document.setDayState(day);
        return true;
    });
    if (!done && !error.isEmpty())
        refuse(tr("Il pasto %1 non può essere rimosso: %2").arg(echoInput(shownName(removed)), error));
    return done;
}

}  // namespace velmo
