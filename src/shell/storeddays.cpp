// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/storeddays.h"

#include "common/dialogs.h"
#include "common/inputecho.h"
#include "common/numbertext.h"

#include <QLocale>
#include <QUndoStack>

#include <utility>

namespace velmo {

namespace {

// A bound on the revisions remembered in a long session; the shown day's is always kept.
constexpr std::size_t kRememberedDays = 1000;

}  // namespace

StoredDays::StoredDays(Parts parts, QObject *parent) : QObject(parent), parts_(parts)
{
    // Every change of the day passes through one of these; a turn of the event loop writes once.
    connect(&parts_.stack, &QUndoStack::indexChanged, this, &StoredDays::schedule);
    connect(&parts_.document, &MealDocument::dayChanged, this, &StoredDays::schedule);
    connect(&parts_.grid, &MealGrid::rowStateChanged, this, &StoredDays::schedule);
    // An undo may leave the day: what it changed last is written before.
    connect(&parts_.steps, &MealSteps::restoring, this, [this] {
        const bool was = std::exchange(restoring_, true);
        flush();
        restoring_ = was;
    });
    connect(&parts_.persons, &PersonSession::currentChanged, this, &StoredDays::changed);
    connect(&parts_.persons, &PersonSession::personRenamed, this, &StoredDays::rename);
    parts_.document.setStoredDayGuard([this] { return mayLeave(); });
}

StoredDays::~StoredDays()
{
    parts_.document.setStoredDayGuard({});
}

QString StoredDays::person() const
{
    const auto &shown = parts_.document.storedDay();
    return shown ? shown->person : parts_.persons.currentName();
}

QDate StoredDays::date() const
{
    const auto &shown = parts_.document.storedDay();
    return shown ? shown->date : today_.isValid() ? today_ : QDate::currentDate();
}

void StoredDays::schedule()
{
    follow();
    if (pending_ || !key_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &StoredDays::flush, Qt::QueuedConnection);
}

// The stored day the window shows, when an undo or a redo has brought it: what the store holds of
// it is read again before it is written.
void StoredDays::follow()
{
    const auto &shown = parts_.document.storedDay();
    if (shown == key_)
        return;
    key_ = shown;
    known_.reset();
    emit changed();
}

std::optional<MealDay> StoredDays::read(PersonStore &store, const MealDocument::StoredDay &where, qint64 *revision)
{
    for (;;) {
        StoreResult result;
        auto day = store.day(where.person, where.date, revision, &result);
        if (result.ok())
            return day ? std::move(day) : std::optional(emptyDay());
        if (result.kind != StoreResult::Kind::Busy) {
            parts_.persons.dialogs().message(result.message, warningTitle(), MessageIcon::Critical);
            return std::nullopt;
        }
        if (parts_.persons.dialogs().choose(result.message, warningTitle(), {tr("Riprova")}) != 0)
            return std::nullopt;
    }
}

bool StoredDays::open(const QString &person, QDate date)
{
    const MealDocument::StoredDay where{person, date};
    if (parts_.document.storedDay() == where)
        return true;
    PersonStore *store = parts_.persons.store();
    qint64 revision = PersonStore::kNotStored;
    const auto day = store ? read(*store, where, &revision) : std::nullopt;
    if (!day)
        return false;
    // Nothing stored may also mean no such person any more (another Velmo removed it): an empty day
    // shown for it would be detached at the first change.
    if (StoreResult lookup; revision == PersonStore::kNotStored && !store->person(person, nullptr, &lookup)) {
        parts_.persons.dialogs().message(lookup.message, warningTitle(), MessageIcon::Critical);
        return false;
    }
    const QString step = tr("giorno di %1 del %2").arg(person, dateText(date, QLocale()));
    if (!parts_.document.openStored(where, *day, step))
        return false;
    key_ = where;
    known_ = parts_.document.day();
    if (revisions_.size() >= kRememberedDays)
        revisions_.clear();
    revisions_[{person, date}] = revision;
    parts_.persons.setCurrentName(person);
    emit changed();
    return true;
}

bool StoredDays::openDate(QDate date)
{
    const QString whose = person();
    if (whose.isEmpty()) {
        parts_.persons.dialogs().message(tr("Nessuna persona corrente: scegliere una persona con \"Giorno della "
                                            "persona...\" nel menu Persona, o renderla corrente nella finestra "
                                            "Persone."),
                                         warningTitle(), MessageIcon::Information);
        return false;
    }
    return date.isValid() && open(whose, date);
}

bool StoredDays::flush()
{
    // A box asked while writing runs the event loop: the write it waits for is this one. A day
    // the user chose to read again is not written over before it is read.
    if (flushing_ || reread_)
        return false;
    pending_ = false;
    follow();
    if (!key_)
        return true;
    const MealDay now = parts_.document.day();
    if (known_ && now == *known_)
        return true;
    PersonStore *store = parts_.persons.store();
    if (!store)
        return false;
    flushing_ = true;
    const bool done = known_ ? write(*store, now) : writeAfterReading(*store, now);
    flushing_ = false;
    return done;
}

// Back on a day by an undo or a redo: no write when the store already holds it; otherwise the
// write names the revision the window last knew of the day, so that another window's change since
// is not lost.
bool StoredDays::writeAfterReading(PersonStore &store, const MealDay &day)
{
    qint64 revision = PersonStore::kNotStored;
    const auto stored = read(store, *key_, &revision);
    if (!stored)
        return false;
    // A day shown without the rows of a food no longer there is no change: the store keeps them
    // until the user changes the day.
    QStringList dropped;
    QStringList errors;
    if (*stored == day || parts_.document.storedDayShown(*stored, &dropped, &errors) == day) {
        revisions_[{key_->person, key_->date}] = revision;
        known_ = day;
        return true;
    }
    revisions_.try_emplace({key_->person, key_->date}, revision);
    return write(store, day);
}

bool StoredDays::write(PersonStore &store, const MealDay &day)
{
    Dialogs &dialogs = parts_.persons.dialogs();
    const MealDocument::StoredDay where = *key_;
    const auto remembered = revisions_.find({where.person, where.date});
    qint64 revision = remembered != revisions_.end() ? remembered->second : PersonStore::kNotStored;
    bool lookedAgain = false;
    for (;;) {
        qint64 written = PersonStore::kNotStored;
        const StoreResult result = store.writeDay(where.person, where.date, day, revision, &written);
        switch (result.kind) {
        case StoreResult::Kind::Done:
            revisions_[{where.person, where.date}] = written;
            known_ = day;
            return true;
        case StoreResult::Kind::Conflict:
            // A day stored anew as it was (its person removed and brought back by an undo) has
            // another revision and no one's change: it is written over without a question.
            if (known_ && !std::exchange(lookedAgain, true)) {
                qint64 now = PersonStore::kNotStored;
                StoreResult looked;
                const auto stored = store.day(where.person, where.date, &now, &looked);
                if (looked.ok() && stored.value_or(emptyDay()) == *known_) {
                    revision = now;
                    continue;
                }
            }
            switch (dialogs.choose(tr("Il giorno di %1 del %2 è stato modificato da un'altra finestra di Velmo. "
                                      "Rileggere il giorno salvato (le modifiche di questa finestra si perdono) o "
                                      "mantenere questo giorno al posto di quello salvato?")
                                       .arg(echoInput(where.person), QLocale().toString(where.date)),
                                   warningTitle(), {tr("Rileggi il giorno salvato"), tr("Mantieni questo giorno")})) {
            case 0:
                if (!restoring_)
                    return reload(store);
                // An undo is putting the table back: the day is read again once it is over,
                // and nothing of this window is written before.
                if (!reread_) {
                    reread_ = where;
                    QMetaObject::invokeMethod(this, &StoredDays::rereadAfterUndo, Qt::QueuedConnection);
                }
                return false;
            case 1: revision = PersonStore::kAnyRevision; continue;
            default: return false;
            }
        case StoreResult::Kind::Busy:
            if (dialogs.choose(result.message, warningTitle(), {tr("Riprova")}) == 0)
                continue;
            return false;
        case StoreResult::Kind::Missing:
            detach(tr("La persona %1 non è più nell'archivio: il giorno resta nella finestra, non salvato. Per "
                      "conservarlo, salvarlo in un file con \"Salva con nome...\".")
                       .arg(echoInput(where.person)));
            return true;
        default: dialogs.message(result.message, warningTitle(), MessageIcon::Critical); return false;
        }
    }
}

bool StoredDays::reload(PersonStore &store)
{
    const MealDocument::StoredDay where = *key_;
    qint64 revision = PersonStore::kNotStored;
    const auto day = read(store, where, &revision);
    if (!day)
        return false;
    // The window leaves its own version by the user's choice: nothing to ask before it.
    key_.reset();
    const auto guard = std::exchange(flushing_, true);
    parts_.document.setStoredDayGuard({});
    const bool shown = parts_.document.openStored(where, *day, tr("rilettura del giorno"));
    parts_.document.setStoredDayGuard([this] { return mayLeave(); });
    flushing_ = guard;
    key_ = parts_.document.storedDay();
    known_ = shown ? std::optional(parts_.document.day()) : std::nullopt;
    if (shown)
        revisions_[{where.person, where.date}] = revision;
    return shown;
}

bool StoredDays::readAgain()
{
    PersonStore *store = parts_.persons.store();
    return flush() && key_ && store && reload(*store);
}

void StoredDays::rereadAfterUndo()
{
    const auto where = std::exchange(reread_, std::nullopt);
    follow();
    PersonStore *store = parts_.persons.store();
    if (store && where && key_ == where)
        reload(*store);
}

// The window may leave a stored day once the day is written, or when the user lets its last
// change go.
bool StoredDays::mayLeave()
{
    if (flush())
        return true;
    return parts_.persons.dialogs().choose(tr("L'ultima modifica del giorno non è stata salvata nell'archivio delle "
                                              "persone. Lasciare il giorno senza salvarla?"),
                                           warningTitle(), {tr("Lascia il giorno")})
           == 0;
}

void StoredDays::detach(const QString &why)
{
    MealDocument::SavedMeal none{QString(), MealDay{{DayMeal{}}}, std::nullopt};
    parts_.document.setSavedMeal(none);
    key_.reset();
    known_.reset();
    parts_.persons.dialogs().message(why, warningTitle(), MessageIcon::Critical);
    emit changed();
}

void StoredDays::rename(const QString &oldName, const QString &newName)
{
    const auto &shown = parts_.document.storedDay();
    if (!shown || shown->person != oldName)
        return;
    MealDocument::SavedMeal saved = parts_.document.savedMeal();
    saved.stored->person = newName;
    const auto revision = revisions_.find({oldName, shown->date});
    if (revision != revisions_.end())
        revisions_[{newName, saved.stored->date}] = revision->second;
    key_ = saved.stored;
    parts_.document.setSavedMeal(saved);
    emit changed();
}

}  // namespace velmo
