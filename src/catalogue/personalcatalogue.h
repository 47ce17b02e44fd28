// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/personalfood.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace velmo {

// The user's own foods, an SQLite file in the user's data folder beside the shipped, read-only
// database. It is the only data Velmo keeps that the user can lose, so every change is one
// transaction with a full sync (a crash leaves the old or the new state), and a file that cannot
// be opened is left exactly as it is.
class PersonalCatalogue {
    Q_DECLARE_TR_FUNCTIONS(PersonalCatalogue)

public:
    static constexpr const char *kFileName = "alimenti-personali.db";
    // 1: the foods' eight values; 2: and their extra nutrients; 3: and their household measures
    // (upgraded when a file is opened).
    static constexpr int kSchemaVersion = 3;

    // Why a file could not be opened. Only a damaged one may be set aside for a new one; a busy
    // one is held by another program for longer than a moment.
    enum class Problem { None, Damaged, Newer, NoPermission, Foreign, Busy };

    // Where the catalogue lives: the user's data folder (QStandardPaths::AppDataLocation).
    static QString defaultPath();

    ~PersonalCatalogue();
    PersonalCatalogue(const PersonalCatalogue &) = delete;
    PersonalCatalogue &operator=(const PersonalCatalogue &) = delete;

    // Opens the catalogue at `path`. A missing file is created, folder included, when `create`
    // is set; otherwise an empty catalogue in memory stands for it and nothing is written. Two
    // programs may create it at the same moment. The folder and its files are made private
    // (makePrivateFolder): what was changed is in notices(). On failure: null, a message
    // naming the file in `error` (with those notices), and why in `problem`.
    static std::unique_ptr<PersonalCatalogue> open(const QString &path, bool create, QString *error,
                                                   Problem *problem = nullptr);

    // Moves a damaged file (and its journal) aside under a new name beside it, never deleting
    // it, so that a new catalogue can be made. The new name, or empty with `error` set.
    static QString setAside(const QString &path, QString *error);

    QSqlDatabase connection() const;
    QString path() const { return path_; }
    bool inMemory() const { return inMemory_; }
    // The permissions that opening tightened, one sentence each, for the user to read.
    QStringList notices() const { return notices_; }

    // Every food, in the order they were added.
    std::vector<PersonalFood> foods(QString *error) const;
    // The food whose name has this key (personalFoodKey), if any.
    std::optional<PersonalFood> find(const QString &name) const;
    std::optional<QDateTime> lastChange() const;
    // A number that changes whenever another connection (another Velmo window, velmo-pasto)
    // commits a change to the file; the changes made through this one leave it. None when the file
    // cannot say.
    std::optional<qint64> othersChanges() const;

    // Adds `food`, or replaces the food named `replacing`; refused when another food has its
    // name. The check is the caller's: values out of range are refused by the file itself.
    bool save(const PersonalFood &food, const QString &replacing, QString *error);
    bool remove(const QString &name, QString *error);

    // Adds the foods, updating those whose name is already there: all of them or, on any
    // failure, none.
    struct Merge {
        int added = 0;
        int updated = 0;
    };
    bool merge(const std::vector<PersonalFood> &foods, Merge *counts, QString *error);

    // The same for the foods that `read` hands to the sink it is given as it reads them (for
    // example readFoodsFile with FoodReading::sink), so that a file of any size takes little
    // memory: all or none of them. Returns what `read` returned: when that has errors, nothing
    // is imported and `error` stays empty; when the catalogue fails, `error` says so.
    CsvFoods importFoods(const std::function<CsvFoods(const FoodSink &)> &read, Merge *counts, QString *error);

    // Every food as CSV (foodsCsvHeader, then foodCsvRecord for each, in the order they were
    // added; the extra nutrients' columns that any food has a value of), handed to `write` a piece at a time; `write`
    // returns false to stop. False when the writing stopped, or with `error` when the catalogue could not be read.
    bool exportFoods(const std::function<bool(const QByteArray &)> &write, qint64 *count, QString *error) const;

private:
    PersonalCatalogue(QString connectionName, QString path, bool inMemory);
    // Runs `work` as one transaction, stamped with the time of the change. On failure nothing
    // is changed and `error` says so, starting with `failure` and the file.
    bool transaction(const QString &failure, const std::function<bool(QString *)> &work, QString *error,
                     bool stamped = true);
    // Makes the tables of a new file, unless another program has made them meanwhile; `foreign`
    // when the file turns out to hold something else.
    bool createSchema(bool *foreign, QString *error);
    // Brings a file of an older format to this one, unless another program has done it.
    bool upgradeSchema(QString *error);

    QString connectionName_;
    QString path_;
    bool inMemory_ = false;
    QStringList notices_;
};

}  // namespace velmo
