#pragma once

#include "catalogue/personalfood.h"

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
public:
    static constexpr const char *kFileName = "alimenti-personali.db";
    static constexpr int kSchemaVersion = 1;

    // Why a file could not be opened. Only a damaged one may be set aside for a new one.
    enum class Problem { None, Damaged, Newer, NoPermission, Foreign };

    // Where the catalogue lives: the user's data folder (QStandardPaths::AppDataLocation).
    static QString defaultPath();

    ~PersonalCatalogue();
    PersonalCatalogue(const PersonalCatalogue &) = delete;
    PersonalCatalogue &operator=(const PersonalCatalogue &) = delete;

    // Opens the catalogue at `path`. A missing file is created, folder included, when `create`
    // is set; otherwise an empty catalogue in memory stands for it and nothing is written. On
    // failure: null, an Italian message naming the file in `error`, and why in `problem`.
    static std::unique_ptr<PersonalCatalogue> open(const QString &path, bool create, QString *error,
                                                   Problem *problem = nullptr);

    // Moves a damaged file (and its journal) aside under a new name beside it, never deleting
    // it, so that a new catalogue can be made. The new name, or empty with `error` set.
    static QString setAside(const QString &path, QString *error);

    QSqlDatabase connection() const;
    QString path() const { return path_; }
    bool inMemory() const { return inMemory_; }

    // Every food, in the order they were added.
    std::vector<PersonalFood> foods(QString *error) const;
    // The food whose name has this key (personalFoodKey), if any.
    std::optional<PersonalFood> find(const QString &name) const;
    std::optional<QDateTime> lastChange() const;

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

private:
    PersonalCatalogue(QString connectionName, QString path, bool inMemory);
    // Runs `work` as one transaction, stamped with the time of the change. On failure nothing
    // is changed and `error` says so, starting with `failure` and the file.
    bool transaction(const QString &failure, const std::function<bool(QString *)> &work, QString *error);

    QString connectionName_;
    QString path_;
    bool inMemory_ = false;
};

}  // namespace velmo
