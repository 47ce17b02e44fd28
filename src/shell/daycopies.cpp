// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/daycopies.h"

#include "common/inputecho.h"
#include "common/numbertext.h"
#include "meal/dayfile.h"

#include <QCollator>
#include <QLocale>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>
#include <memory>

namespace velmo {

namespace {

using Work = std::function<StoreResult()>;

// The work done, trying again while the file is busy as long as the user asks to; a failure is
// told.
StoreResult attempt(Dialogs &dialogs, const Work &work)
{
    for (;;) {
        const StoreResult result = work();
        if (result.kind == StoreResult::Kind::Busy
            && dialogs.choose(result.message, warningTitle(), {DayCopies::tr("Riprova")}) == 0)
            continue;
        if (!result.message.isEmpty() && !result.ok())
            dialogs.message(result.message, warningTitle(), MessageIcon::Critical);
        return result;
    }
}

// A change of the store as a step: `forward` has been done when the step is pushed, `back` takes
// it back. A change the store refuses later (another window changed the day since) is told, and
// the step leaves the stack.
class StoreChange : public QUndoCommand {
public:
    StoreChange(Dialogs &dialogs, const QString &text, Work forward, Work back)
        : QUndoCommand(text), dialogs_(dialogs), forward_(std::move(forward)), back_(std::move(back))
    {
    }
    void redo() override
    {
        if (std::exchange(first_, false))
            return;
        run(forward_);
    }
    void undo() override { run(back_); }

private:
    void run(const Work &work)
    {
        if (!attempt(dialogs_, work).ok())
            setObsolete(true);
    }

    Dialogs &dialogs_;
    Work forward_;
    Work back_;
    bool first_ = true;
};

QString dayName(const MealDocument::StoredDay &where)
{
    return DayCopies::tr("giorno di %1 del %2").arg(where.person, dateText(where.date, QLocale()));
}

}  // namespace

DayCopies::DayCopies(Parts parts, QObject *parent) : QObject(parent), parts_(parts)
{
}

void DayCopies::refuse(const QString &text)
{
    parts_.dialogs.message(text, warningTitle(), MessageIcon::Critical);
}

QStringList DayCopies::persons()
{
    PersonStore *store = parts_.persons.store();
    if (!store)
        return {};
    StoreResult result;
    const QStringList names = store->personNames(&result);
    if (!result.ok())
        refuse(result.message);
    else if (names.isEmpty())
        parts_.dialogs.message(tr("Nessuna persona nell'archivio: aggiungerne una con \"Persone...\" nel menu "
                                  "Persona."),
                               noticeTitle(), MessageIcon::Information);
    return names;
}

QStringList DayCopies::mealsOf(const QString &person, QDate date)
{
    PersonStore *store = parts_.persons.store();
    qint64 revision = PersonStore::kNotStored;
    // The day the window shows is copied into in the window: its meals are the window's, which
    // another window may have changed in the store since.
    const bool shown = parts_.document.storedDay() == MealDocument::StoredDay{person, date};
    const auto day = shown                        ? std::optional<MealDay>(parts_.document.day())
                     : store && !person.isEmpty() ? parts_.stored.read(*store, {person, date}, &revision)
                                                  : std::nullopt;
    QStringList names;
    for (const DayMeal &meal : day ? day->meals : emptyDay().meals)
        names << meal.name;
    return names;
}

DayMeal DayCopies::shownMeal() const
{
    const MealDay day = parts_.document.day();
    DayMeal meal = day.meals[static_cast<std::size_t>(parts_.day.current())];
    if (meal.name.isEmpty())
        meal.name = DayPlan::tr("Pasto");
    return meal;
}

// `name`, or, when the day has a meal of that name, the first of "name 2", "name 3"... it has not.
QString DayCopies::freeName(const MealDay &day, const QString &name) const
{
    const auto taken = [&day](const QString &candidate) {
        for (const DayMeal &meal : day.meals)
            if (meal.name.compare(candidate, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    };
    // The name cut to leave room for " 99", never within a character.
    qsizetype cut = 0;
    for (int k = 0; k < kMaxMealNameLength - 4 && cut < name.size(); ++k)
        cut += QChar::isHighSurrogate(name.at(cut).unicode()) && cut + 1 < name.size() ? 2 : 1;
    const QString prefix = name.left(cut);
    QString free = name;
    for (int n = 2; taken(free); ++n)
        free = QStringLiteral("%1 %2").arg(prefix).arg(n);
    return free;
}

// Whether the foods of `meal`, when it has some, may be replaced by a copy: the user is asked.
bool DayCopies::replaces(const DayMeal &meal, const MealDocument::StoredDay &where)
{
    return meal.entries.empty()
           || parts_.dialogs.choose(tr("Il pasto %1 del %2 ha già degli alimenti: sostituirli con quelli del "
                                       "pasto mostrato?")
                                        .arg(echoInput(meal.name), dayName(where)),
                                    tr("Copia pasto in"), {tr("Sostituisci")})
                  == 0;
}

// The window's own stored day is changed in the window, which writes it as every change.
bool DayCopies::copyIntoShownDay(const DayMeal &meal, int into, const MealDocument::StoredDay &where)
{
    if (into == parts_.day.current()) {
        refuse(tr("Il pasto non è stato copiato: è il pasto che la tabella mostra. Scegliere un altro pasto o "
                  "\"(aggiungi come nuovo pasto)\"."));
        return false;
    }
    if (into == kNewMeal && parts_.day.mealCount() >= kMaxMealsPerDay) {
        refuse(tr("Il giorno ha già %1 pasti: il pasto non è stato copiato.").arg(kMaxMealsPerDay));
        return false;
    }
    if (into != kNewMeal && (into < 0 || into >= parts_.day.mealCount())) {
        refuse(tr("Il pasto non è stato copiato: il giorno non ha più quel pasto. Scegliere di nuovo il pasto."));
        return false;
    }
    if (into != kNewMeal && !replaces(parts_.document.day().meals[static_cast<std::size_t>(into)], where))
        return false;
    return parts_.steps.record(tr("copia di %1").arg(meal.name), [&] {
        MealDocument::DayState state = parts_.document.dayState();
        if (into == kNewMeal)
            state.day.meals.push_back({freeName(state.day, meal.name), meal.entries});
        else
            state.day.meals[static_cast<std::size_t>(into)].entries = meal.entries;
        parts_.document.setDayState(state);
        return true;
    });
}

// The day of `where` as `change` makes it from what is stored, written now and taken back on undo.
bool DayCopies::writeStep(const QString &text, const MealDocument::StoredDay &where,
                          const std::function<std::optional<MealDay>(const MealDay &)> &change)
{
    PersonStore *store = parts_.persons.store();
    if (!store)
        return false;
    auto revision = std::make_shared<qint64>(PersonStore::kNotStored);
    const auto stored = parts_.stored.read(*store, where, revision.get());
    if (!stored)
        return false;
    const auto changed = change(*stored);
    if (!changed)
        return false;
    const std::optional<MealDay> before = *revision == PersonStore::kNotStored ? std::nullopt
                                                                               : std::optional<MealDay>(*stored);
    PersonSession &persons = parts_.persons;
    // Writes `day` (none: removes it) over the day this step left, `expected`.
    const auto put = [&persons, where, revision](const std::optional<MealDay> &day,
                                                 const std::optional<MealDay> &expected) -> StoreResult {
        PersonStore *to = persons.store();
        if (!to)
            return {StoreResult::Kind::Failed, QString()};
        const auto write = [&] {
            qint64 written = PersonStore::kNotStored;
            const StoreResult result = day ? to->writeDay(where.person, where.date, *day, *revision, &written)
                                           : to->removeDay(where.person, where.date, *revision);
            if (result.ok())
                *revision = written;
            return result;
        };
        StoreResult result = write();
        if (result.kind == StoreResult::Kind::Conflict) {
            // This window may have opened the day and changed it since, then taken its changes
            // back: a day stored as this step left it is no other window's change.
            qint64 now = PersonStore::kNotStored;
            StoreResult read;
            const std::optional<MealDay> current = to->day(where.person, where.date, &now, &read);
            if (read.ok() && current == expected) {
                *revision = now;
                result = write();
            }
        }
        return result;
    };
    const MealDay &target = *changed;
    if (!attempt(parts_.dialogs, [&] { return put(target, before); }).ok())
        return false;
    parts_.stack.push(new StoreChange(
        parts_.dialogs, text, [put, target, before] { return put(target, before); },
        [put, target, before] { return put(before, target); }));
    return true;
}

bool DayCopies::copyMeal(const Target &target)
{
    const DayMeal meal = shownMeal();
    if (meal.entries.empty()) {
        refuse(tr("Il pasto non ha alimenti bloccati: non c'è nulla da copiare."));
        return false;
    }
    const MealDocument::StoredDay where{target.person, target.date};
    if (parts_.document.storedDay() == where)
        return copyIntoShownDay(meal, target.meal, where);
    const QString text = tr("copia di %1 nel %2").arg(meal.name, dayName(where));
    return writeStep(text, where, [&](const MealDay &stored) -> std::optional<MealDay> {
        MealDay day = stored;
        if (target.meal == kNewMeal) {
            if (day.meals.size() >= static_cast<std::size_t>(kMaxMealsPerDay)) {
                refuse(tr("Il giorno di destinazione ha già %1 pasti: il pasto non è stato copiato.")
                           .arg(kMaxMealsPerDay));
                return std::nullopt;
            }
            day.meals.push_back({freeName(day, meal.name), meal.entries});
        } else if (target.meal >= 0 && target.meal < static_cast<int>(day.meals.size())) {
            DayMeal &into = day.meals[static_cast<std::size_t>(target.meal)];
            if (!replaces(into, where))
                return std::nullopt;
            into.entries = meal.entries;
        } else {
            refuse(tr("Il pasto non è stato copiato: il giorno non ha più quel pasto. Scegliere di nuovo il pasto."));
            return std::nullopt;
        }
        return day;
    });
}

bool DayCopies::copyDay(const Target &target)
{
    const MealDocument::StoredDay where{target.person, target.date};
    if (parts_.document.storedDay() == where) {
        refuse(tr("Il giorno non è stato copiato: è il giorno che la finestra mostra. Scegliere un'altra data o "
                  "un'altra persona."));
        return false;
    }
    // A stored day shown without the rows of foods no longer there copies without them: said first.
    if (const auto &shown = parts_.document.storedDay(); shown && parts_.persons.store()) {
        StoreResult result;
        const auto stored = parts_.persons.store()->day(shown->person, shown->date, nullptr, &result);
        QStringList dropped;
        QStringList errors;
        if (stored && parts_.document.storedDayShown(*stored, &dropped, &errors) && !dropped.isEmpty()
            && parts_.dialogs.choose(tr("Il giorno mostrato è senza le righe di alimenti che non si trovano "
                                        "nell'archivio, e la copia non le avrà:\n%1")
                                         .arg(dropped.join(u'\n')),
                                     tr("Copia giorno in"), {tr("Copia senza queste righe")})
                   != 0)
            return false;
    }
    MealDay day = parts_.document.day();
    // A day file's first meal may have no name, which a stored day's meal must have.
    if (!day.meals.empty() && day.meals.front().name.isEmpty())
        day.meals.front().name = freeName(day, DayPlan::tr("Pasto"));
    return writeStep(
        tr("copia del giorno nel %1").arg(dayName(where)), where, [&](const MealDay &stored) -> std::optional<MealDay> {
            // A plan made there is not replaced without a word.
            const bool planned = std::any_of(stored.meals.cbegin(), stored.meals.cend(),
                                             [](const DayMeal &m) { return !m.entries.empty(); });
            if (planned
                && parts_.dialogs.choose(
                       tr("Il %1 ha già un piano: sostituirlo con il giorno mostrato?").arg(dayName(where)),
                       tr("Copia giorno in"), {tr("Sostituisci")})
                       != 0)
                return std::nullopt;
            return day;
        });
}

QStringList DayCopies::habitualMeals()
{
    PersonStore *store = parts_.persons.store();
    if (!store)
        return {};
    StoreResult result;
    QStringList names = store->habitualMeals(&result);
    if (!result.ok())
        refuse(result.message);
    // In the order of a dictionary: "merenda" beside "Merenda", not after every capital.
    QCollator order{QLocale()};
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(),
                     [&order](const QString &a, const QString &b) { return order.compare(a, b) < 0; });
    return names;
}

bool DayCopies::saveHabitual()
{
    DayMeal meal = shownMeal();
    if (meal.entries.empty()) {
        refuse(tr("Il pasto non ha alimenti bloccati: non c'è nulla da salvare come pasto abituale."));
        return false;
    }
    PersonStore *store = parts_.persons.store();
    if (!store)
        return false;
    meal.name = parts_.dialogs.input(tr("Nome del pasto abituale:"), tr("Pasti abituali"), meal.name).trimmed();
    if (meal.name.isEmpty())
        return false;
    // A name that differs from a kept one only in its capitals is that meal: replacing it keeps
    // its spelling, so that no two meals look the same in the list.
    StoreResult listed;
    for (const QString &kept : store->habitualMeals(&listed))
        if (kept.compare(meal.name, Qt::CaseInsensitive) == 0)
            meal.name = kept;
    StoreResult result;
    const std::optional<DayMeal> before = store->habitualMeal(meal.name, &result);
    // One that cannot be read is not replaced unseen.
    if (!before && result.kind != StoreResult::Kind::Missing) {
        refuse(result.message);
        return false;
    }
    if (before
        && parts_.dialogs.choose(tr("C'è già un pasto abituale %1: sostituirlo?").arg(echoInput(meal.name)),
                                 tr("Pasti abituali"), {tr("Sostituisci")})
               != 0)
        return false;
    return changeHabitual(tr("pasto abituale %1").arg(meal.name), meal.name, meal, before);
}

// The habitual meal `name`; none, told to the user, when it cannot be read.
std::optional<DayMeal> DayCopies::readHabitual(const QString &name)
{
    PersonStore *store = parts_.persons.store();
    if (!store)
        return std::nullopt;
    StoreResult result;
    std::optional<DayMeal> meal = store->habitualMeal(name, &result);
    if (!meal)
        refuse(result.message);
    return meal;
}

bool DayCopies::removeHabitual(const QString &name)
{
    const std::optional<DayMeal> meal = readHabitual(name);
    if (!meal)
        return false;
    if (parts_.dialogs.choose(tr("Eliminare il pasto abituale %1?").arg(echoInput(name)), tr("Pasti abituali"),
                              {tr("Elimina")})
        != 0)
        return false;
    return changeHabitual(tr("eliminazione di %1").arg(name), name, std::nullopt, meal);
}

// The habitual meal `name` made `kept` (none: removed) from `was`, as a step; what another window
// saved under that name since is not overwritten, neither now nor by undo or redo.
bool DayCopies::changeHabitual(const QString &text, const QString &name, const std::optional<DayMeal> &kept,
                               const std::optional<DayMeal> &was)
{
    PersonSession &persons = parts_.persons;
    const auto put = [&persons, name](const std::optional<DayMeal> &meal,
                                      const std::optional<DayMeal> &expected) -> StoreResult {
        PersonStore *to = persons.store();
        if (!to)
            return {StoreResult::Kind::Failed, QString()};
        StoreResult read;
        const std::optional<DayMeal> now = to->habitualMeal(name, &read);
        if (!now && read.kind != StoreResult::Kind::Missing)
            return read;
        if (now != expected)
            return {StoreResult::Kind::Conflict,
                    tr("Modifica non salvata: il pasto abituale %1 è stato modificato da un'altra finestra di Velmo.")
                        .arg(echoInput(name))};
        return meal ? to->saveHabitualMeal(*meal) : to->removeHabitualMeal(name);
    };
    if (!attempt(parts_.dialogs, [&] { return put(kept, was); }).ok())
        return false;
    parts_.stack.push(new StoreChange(
        parts_.dialogs, text, [put, kept, was] { return put(kept, was); },
        [put, kept, was] { return put(was, kept); }));
    return true;
}

bool DayCopies::insertHabitual(const QString &name, bool replace)
{
    const std::optional<DayMeal> meal = readHabitual(name);
    if (!meal)
        return false;
    if (!replace && parts_.day.mealCount() >= kMaxMealsPerDay) {
        refuse(tr("Un giorno ha al massimo %1 pasti: per inserire un pasto abituale, rimuoverne prima un altro.")
                   .arg(kMaxMealsPerDay));
        return false;
    }
    QString error;
    const bool done = parts_.steps.record(tr("inserimento di %1").arg(name), [&] {
        if (replace)
            return parts_.document.setShownEntries(meal->entries, &error);
        const MealDocument::DayState was = parts_.document.dayState();
        MealDocument::DayState day = was;
        // The meal the day was gets the name the selector showed it by, since a day names each.
        if (isMealFile(day.day))
            day.day.meals.front().name = DayPlan::tr("Pasto");
        day.day.meals.insert(day.day.meals.begin() + day.current + 1, DayMeal{freeName(day.day, name), meal->entries});
        parts_.document.setDayState(day);
        if (parts_.document.showMeal(day.current + 1, &error))
            return true;
        parts_.document.setDayState(was);
        return false;
    });
    if (!done && !error.isEmpty())
        refuse(tr("Il pasto abituale %1 non può essere inserito: %2").arg(echoInput(name), error));
    return done;
}

}  // namespace velmo
