// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealday.h"
#include "plan/person.h"
#include "plan/personrules.h"

#include <QDate>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace velmo {

class StoreSql;

// What a call of the store came to. Every failure has an Italian message that says what to do;
// none names a person, so that it may go where health data may not.
struct StoreResult {
    enum class Kind {
        Done,
        Invalid,   // a value Velmo does not keep
        Missing,   // no such person, day or habitual meal
        Taken,     // the name belongs to another
        Conflict,  // changed by another window since it was read: read again
        Busy,      // another window holds the file: the caller may offer to try again
        Failed,    // the file could not be read or written
    };
    Kind kind = Kind::Done;
    QString message;

    bool ok() const { return kind == Kind::Done; }
};

// The persons, their weights and their days, and the habitual meals: one SQLite file in the
// user's data folder, private to the user, beside the personal catalogue. Every change is one
// transaction with a full sync, announced by `changed` once it is committed; a write that names
// the revision it read is refused when another window changed the row since.
class PersonStore : public QObject {
    Q_OBJECT

public:
    static constexpr const char *kFileName = "persone.db";
    static constexpr int kSchemaVersion = 3;
    // A write that passes this as the revision it read overwrites whatever is there.
    static constexpr qint64 kAnyRevision = -1;
    // The revision of a day that is not stored: writing with it refuses to replace one.
    static constexpr qint64 kNotStored = 0;

    // persone.db in the user's data folder (QStandardPaths::AppDataLocation).
    static QString defaultPath();

    // Opens the store at `path`; a missing file is created, folder included, when `create` is
    // set. The folder is made 0700 and the file 0600 whatever the umask (what was tightened is in
    // notices()). A file that is not a sound store of a format this version reads is refused and
    // left untouched: null, with an Italian message naming the file in `error`.
    //
    // How sound the file must prove: every page read (the default, before anything may be written
    // to it), or its header, its format and its tables alone, for a glance that only reads; a
    // file that needs its format brought up to date is read whole all the same.
    enum class Check { WholeFile, Structure };
    static std::unique_ptr<PersonStore> open(const QString &path, bool create, QString *error,
                                             Check check = Check::WholeFile);

    ~PersonStore() override;
    PersonStore(const PersonStore &) = delete;
    PersonStore &operator=(const PersonStore &) = delete;

    QString path() const { return path_; }
    QStringList notices() const { return notices_; }
    // How long a change waits for another window's transaction before it is called busy.
    void setBusyTimeout(int milliseconds);

    QStringList personNames(StoreResult *result) const;
    std::optional<Person> person(const QString &name, qint64 *revision, StoreResult *result) const;
    StoreResult addPerson(const Person &person);
    // Replaces the person `name` (renamed if person.name differs), weights included.
    StoreResult updatePerson(const QString &name, const Person &person, qint64 readRevision);
    // Removes the person with every weight and day, then erasePersonTraces.
    StoreResult removePerson(const QString &name);
    // Makes sure that a removed person's name can no longer be read in the file's bytes, nor in
    // its journal, unless other data holds it: compacts the file if it can. Failed if the name
    // is still there (another window may be reading the file): the caller offers to try again.
    StoreResult erasePersonTraces(const QString &name);
    // A weight on a date already recorded replaces it.
    StoreResult addWeight(const QString &name, const WeightRecord &weight);
    StoreResult removeWeight(const QString &name, QDate date);

    // A day not stored is none, with `result` Done and the revision kNotStored.
    std::optional<MealDay> day(const QString &name, QDate date, qint64 *revision, StoreResult *result) const;
    // The day's revision once written goes to `written`, when given.
    StoreResult writeDay(const QString &name, QDate date, const MealDay &day, qint64 readRevision,
                         qint64 *written = nullptr);
    StoreResult removeDay(const QString &name, QDate date, qint64 readRevision);
    // The dates from `from` to `to`, both included, that have a stored day.
    std::vector<QDate> dayDates(const QString &name, QDate from, QDate to, StoreResult *result) const;
    // The stored days from `from` to `to`, in one query.
    std::map<QDate, MealDay> days(const QString &name, QDate from, QDate to, StoreResult *result) const;

    // The meals kept for insertion into any day, by name.
    QStringList habitualMeals(StoreResult *result) const;
    std::optional<DayMeal> habitualMeal(const QString &name, StoreResult *result) const;
    // Adds the meal, or replaces the one of its name.
    StoreResult saveHabitualMeal(const DayMeal &meal);
    StoreResult removeHabitualMeal(const QString &name);
    // Where the personal food `name` (by its key, whatever the capitals) is planned: the stored days
    // that name it, the persons they are of (by name, in order) and the habitual meals.
    struct PersonalFoodUses {
        int days = 0;
        QStringList persons;
        int habitualMeals = 0;
    };
    PersonalFoodUses personalFoodUses(const QString &name, StoreResult *result) const;
    // The personal food `from` is called `to` now: every day and habitual meal naming it (by its
    // key, whatever the capitals) names it so, and each day changed takes a new revision.
    StoreResult renamePersonalFood(const QString &from, const QString &to);

    // The person with every day, as an export holds it.
    std::optional<PersonRecord> record(const QString &name, StoreResult *result) const;
    // Stores the person and the days, all or nothing; a person of that name is refused unless
    // `replace`, which removes it first. No date may come after `latest` (none: today). A record
    // this store held (`asStored`: a removal taken back) goes back as it was, unchecked: rules
    // made since, or a date that was tomorrow where it was imported, must not lose it.
    StoreResult importRecord(const PersonRecord &record, bool replace, QDate latest = {}, bool asStored = false);

signals:
    // After every committed change, once.
    void changed();

private:
    PersonStore(QString connectionName, QString path);
    QSqlDatabase connection() const;
    // Runs `work` as one transaction, announced once committed; nothing is changed when `work`
    // returns a failure or one of its statements failed.
    StoreResult change(const std::function<StoreResult(StoreSql &)> &work);
    // Done, or what the first failure of `sql` means for the user.
    StoreResult failureOf(const StoreSql &sql) const;
    StoreResult failureOf(const QSqlError &failure) const;
    StoreResult dayRow(StoreSql &sql, const QString &name, QDate date, qint64 readRevision, std::optional<qint64> *id,
                       qint64 *person);
    std::map<QDate, MealDay> readDays(const QString &name, QDate from, QDate to, std::map<QDate, qint64> *revisions,
                                      StoreResult *result) const;
    static StoreResult taken();
    static StoreResult unknownCategory();

    QString connectionName_;
    QString path_;
    QStringList notices_;
};

}  // namespace velmo
