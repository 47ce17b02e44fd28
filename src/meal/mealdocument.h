// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodnames.h"
#include "common/dialogs.h"
#include "meal/mealcomposer.h"
#include "meal/mealday.h"
#include "meal/mealcsv.h"
#include "meal/mealfile.h"
#include "meal/requirementcomparison.h"
#include "nutrition/portion.h"

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QSqlDatabase>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace velmo {

// The main window's meal, or day of meals, as a file (the commands of the "&Pasto" menu): which
// file it was last saved to or opened from, whether the day has changed since, and the question
// before a command would lose the change. A meal file is the very text `velmo-pasto` reads, one
// locked row per line in row order, so the console program computes a saved meal identically; a
// day is saved as a day file, one `[Nome]` line before each meal's foods. The table shows one
// meal of the day at a time: the others are kept here as the lines of a file.
class MealDocument : public QObject {
    Q_OBJECT
public:
    MealDocument(MealComposer::WindowParts window, Dialogs &dialogs, QObject *parent = nullptr);

    // The food database, for checking a file before its foods reach the table, and for the
    // Italian names a file holds of foods the table shows in English.
    void setDatabase(const QSqlDatabase &database)
    {
        database_ = database;
        names_.setDatabase(database);
    }
    // The personal catalogue, asked for only when a file names a personal food: the connection,
    // or nothing when the catalogue cannot be opened (whoever opens it has said why).
    void setPersonalDatabase(std::function<std::optional<QSqlDatabase>()> open) { personal_ = std::move(open); }
    // The category being browsed: a food that reaches the table comes from it, and a saved
    // line names it.
    void setCurrentCategory(int category) { currentCategory_ = category; }

    // The locked rows of the table as lines of a meal file, in row order, each food by its
    // Italian name whatever the language.
    std::vector<MealFileEntry> entries() const;
    // The food a row shows, as the catalogue names it (its category and Italian name); none for a
    // row without food.
    std::optional<FoodRef> rowFood(int row) const;
    QString path() const { return path_; }
    // The name the interface shows for a food as a file names it (its English name under English).
    QString shownName(int category, const QString &name) const { return names_.shown(category, name); }

    // A person's day kept in the persons' store, written there as the user works: there is no
    // file to save it to, and nothing of it to lose.
    struct StoredDay {
        QString person;
        QDate date;

        bool operator==(const StoredDay &other) const = default;
    };
    // The stored day the window shows; none for a meal of a file, or of none.
    const std::optional<StoredDay> &storedDay() const { return stored_; }
    // Asked before the window leaves a stored day: whether it may, the day written or its last
    // change let go by the user.
    void setStoredDayGuard(std::function<bool()> mayLeave) { mayLeaveStored_ = std::move(mayLeave); }
    // The window shows `day`, which the store holds for `where`, as "Apri..." shows a file: the
    // question first, then one step named `step`. False, the window as it was, when the user
    // cancelled or a food of the day cannot be shown (told to the user).
    bool openStored(const StoredDay &where, MealDay day, const QString &step);
    // `day`, as the store holds it, as openStored() shows it: checked and named as the table names
    // its foods, the rows of a food no longer there left out and described in `dropped`. None, with
    // the reasons, when it cannot be shown.
    std::optional<MealDay> storedDayShown(MealDay day, QStringList *dropped, QStringList *errors);

    // The day differs from what was last saved or opened (an empty table from none at all); a
    // stored day never does.
    bool isModified() const;
    // Only changed locked rows are work: a table emptied since is no loss, the file still holds it.
    bool hasWorkToLose() const;
    // "Velmo" for a table never saved and unchanged, as at start; "Velmo - pranzo.pasto" once it
    // has a file, "Velmo - Senza nome" for a change without one, with "*" while changed.
    QString windowTitle() const;

    // The commands. Each says whether it was carried out; a refusal has been told to the user.
    bool newMeal();
    // "Nuovo giorno": the question first, then a day of the default meals, all empty.
    bool newDay();
    bool open();
    bool openFile(const QString &path);
    // "Apri..." with the file already chosen (one of the recent files): the question first.
    bool openChosen(const QString &path);
    bool save();
    bool saveAs();
    // A day is written as `dayReportCsv` writes it, against `requirementKcal`.
    bool exportCsv(const std::optional<MealComparison> &comparison, std::optional<double> requirementKcal = {});

    // Before the table is lost: true when nothing is to be lost, once the change has been saved,
    // or when the user chooses not to save it; false when the user cancels or the save fails.
    bool confirmDiscard();

    static QString savePrompt() { return tr("Salvare le modifiche al pasto?"); }
    static QString daySavePrompt() { return tr("Salvare le modifiche al giorno?"); }

    // The day beside the table: every meal's name and the foods of the meals the table does not
    // show; the shown meal's place holds no foods, since the table holds them.
    struct DayState {
        MealDay day{{DayMeal{}}};
        int current = 0;  // the meal the table shows

        bool operator==(const DayState &other) const = default;
    };
    const DayState &dayState() const { return dayState_; }
    // What an undo puts back beside the table (the table's rows are put back by the caller), and
    // what renaming, adding or removing a meal not shown changes.
    void setDayState(const DayState &state);
    // The whole day, the shown meal as the table's locked rows are now.
    MealDay day() const;
    // The table's foods become the shown meal's, and meal `index` is composed into the table as
    // "Apri..." composes a file. False with the reason, the table as it was, when it cannot be.
    bool showMeal(int index, QString *error);
    // The table shows `entries` instead of the shown meal's foods, composed as a file's are.
    // False with the reason, the table as it was, when they cannot be.
    bool setShownEntries(const std::vector<MealFileEntry> &entries, QString *error);
    // `day`, stored by the program, with every food checked against the database and named as the
    // table names it once composed; none, with the reasons, when a food is not there.
    std::optional<MealDay> checkedFoods(MealDay day, QStringList *errors);

    // What an undo puts back beside the table: the category each row's food came from, which a
    // saved line names, and the file last saved or opened with what it held then.
    int rowCategory(int row) const { return rowCategory_[static_cast<std::size_t>(row)]; }
    void setRowCategory(int row, int category);
    struct SavedMeal {
        QString path;
        MealDay day;
        std::optional<StoredDay> stored;
    };
    SavedMeal savedMeal() const { return {path_, saved_, stored_}; }
    void setSavedMeal(const SavedMeal &saved);

signals:
    void windowTitleChanged();
    // "Nuovo" and "Apri..." replace the whole table: `tableReplacing` once the user has agreed and
    // the file has been checked, `tableReplaced` once the table holds the new meal, with the
    // step's name as the undo command names it ("nuovo pasto", "apertura di pranzo.pasto").
    void tableReplacing();
    void tableReplaced(const QString &step);
    // The day's meals or the shown one have changed (names, number, the meal the table shows).
    void dayChanged();
    // The table now holds what the file at `path` (absolute) holds: opened, or saved to it.
    void fileUsed(const QString &path);

private:
    void emptyTable();
    bool replay(const std::vector<MealFileEntry> &entries, QString *error);
    // The table's locked rows become `entries`; when they cannot all be shown, the table is put
    // back as it was, every row with its category, and `error` says why.
    bool replaceTable(const std::vector<MealFileEntry> &entries, QString *error);
    // The file's foods, checked as velmo-pasto checks them; the messages naming lines on failure.
    std::optional<MealDay> checkedDay(const QString &path, QStringList *errors);
    // `stored`: a day the program stored itself (MealComposer::setStoredLabels). With `dropped`,
    // a row whose food is not there is left out and described there, rather than refusing the day.
    std::optional<MealDay> checkedFoods(MealDay day, std::vector<InputError> faults, QStringList *errors,
                                        bool stored = false, QStringList *dropped = nullptr);
    // The window shows the checked `day`, the table its first meal; false, the table as it was,
    // with the reason, when it cannot.
    bool showDay(MealDay day, QString *error);
    // Each meal of the day composed into a table of its own, the shown one's the window's table.
    bool composeEach(std::vector<std::unique_ptr<MealComposer>> &composers, std::vector<NamedMealGrid> &grids,
                     QString *error);
    bool writeTo(const QString &path);
    QString proposedPath(const QString &suffix) const;
    void markSaved(const QString &path);
    void notifyTitle();
    void refuse(const QString &text);

    MealComposer::WindowParts window_;
    Dialogs &dialogs_;
    QSqlDatabase database_;
    FoodNames names_;
    std::function<std::optional<QSqlDatabase>()> personal_;
    int currentCategory_ = -1;
    std::array<int, kMealRows> rowCategory_{};
    // When a file was last read or written here, and its size then: what another program or
    // another Velmo may have changed since, and a save would silently undo.
    struct FileStamp {
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const FileStamp &other) const = default;
    };
    static FileStamp stampOf(const QString &path);
    std::optional<Answer> askBeforeOverwriting(const QString &path);

    QString path_;
    std::map<QString, FileStamp> stamps_;
    MealDay saved_{{DayMeal{}}};
    std::optional<StoredDay> stored_;
    std::function<bool()> mayLeaveStored_;
    DayState dayState_;
    QString title_;
};

}  // namespace velmo
