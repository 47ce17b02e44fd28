// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealdocument.h"

#include "common/inputecho.h"
#include "common/safefile.h"
#include "common/userfolder.h"
#include "meal/dayfile.h"
#include "meal/mealcsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace velmo {

namespace {

const QString kTitle = QStringLiteral("Velmo");

// The patterns are no text to translate: only the names of the kinds of file are.
QString mealFilter()
{
    return QStringLiteral("%1 (*.pasto);;%2 (*)")
        .arg(MealDocument::tr("Pasti di Velmo"), MealDocument::tr("Tutti i file"));
}

}  // namespace

MealDocument::MealDocument(MealComposer::WindowParts window, Dialogs &dialogs, QObject *parent)
    : QObject(parent), window_(std::move(window)), dialogs_(dialogs), title_(kTitle)
{
    rowCategory_.fill(-1);
    // A food reaches the table only as the current food of the category being browsed.
    connect(&window_.grid, &MealGrid::cellChanged, this, [this](int row, MealColumn column) {
        if (column != MealColumn::Name)
            return;
        rowCategory_[static_cast<std::size_t>(row)] = currentCategory_;
        notifyTitle();
    });
    connect(&window_.grid, &MealGrid::rowStateChanged, this, &MealDocument::notifyTitle);
}

std::vector<MealFileEntry> MealDocument::entries() const
{
    std::vector<MealFileEntry> result;
    for (int r = 0; r < kMealRows; ++r) {
        const MealRow &row = window_.grid.row(r);
        const int category = rowCategory_[static_cast<std::size_t>(r)];
        if (row.lock == 1 && row.taken() && category >= 0)
            result.push_back(
                {0, category, names_.canonical(category, row.name()), row.cell(MealColumn::Gross).text, row.portion});
    }
    return result;
}

std::optional<FoodRef> MealDocument::rowFood(int row) const
{
    const MealRow &shown = window_.grid.row(row);
    const int category = rowCategory_[static_cast<std::size_t>(row)];
    if (!shown.taken() || category < 0)
        return std::nullopt;
    return FoodRef{category, names_.canonical(category, shown.name())};
}

MealDay MealDocument::day() const
{
    MealDay day = dayState_.day;
    day.meals[static_cast<std::size_t>(dayState_.current)].entries = entries();
    return day;
}

bool MealDocument::isModified() const
{
    return !stored_ && day() != saved_;
}

bool MealDocument::hasWorkToLose() const
{
    const MealDay now = day();
    return !stored_ && now != saved_
           && std::any_of(now.meals.cbegin(), now.meals.cend(), [](const DayMeal &m) { return !m.entries.empty(); });
}

QString MealDocument::windowTitle() const
{
    if (stored_)
        return QStringLiteral("%1 - %2, %3")
            .arg(kTitle, stored_->person, QLocale().toString(stored_->date, QLocale::LongFormat));
    const bool modified = isModified();
    if (path_.isEmpty() && !modified)
        return kTitle;
    const QString name = path_.isEmpty() ? tr("Senza nome") : QFileInfo(path_).fileName();
    return QStringLiteral("%1 - %2%3").arg(kTitle, name, modified ? QStringLiteral("*") : QString());
}

void MealDocument::notifyTitle()
{
    const QString title = windowTitle();
    if (title == title_)
        return;
    title_ = title;
    emit windowTitleChanged();
}

void MealDocument::refuse(const QString &text)
{
    dialogs_.message(text, warningTitle(), MessageIcon::Critical);
}

bool MealDocument::confirmDiscard()
{
    if (stored_)
        return !mayLeaveStored_ || mayLeaveStored_();
    if (!hasWorkToLose())
        return true;
    switch (dialogs_.askYesNoCancel(isMealFile(day()) ? savePrompt() : daySavePrompt(), kTitle)) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    case Answer::Cancel: break;
    }
    return false;
}

// Every row unlocked and without weight, and the current food shown in the first one alone: an
// unlocked row that showed it further down would stay there otherwise, outside the new meal.
void MealDocument::emptyTable()
{
    MealGrid &grid = window_.grid;
    for (int r = 0; r < kMealRows; ++r) {
        grid.setLock(r, 0);
        grid.setGrossText(r, QString());
    }
    grid.placeFood(window_.browser.current());
}

bool MealDocument::newMeal()
{
    if (!confirmDiscard())
        return false;
    emit tableReplacing();
    emptyTable();
    path_.clear();
    stored_.reset();
    setDayState({});
    saved_ = day();
    notifyTitle();
    emit tableReplaced(tr("nuovo pasto"));
    return true;
}

bool MealDocument::newDay()
{
    if (!confirmDiscard())
        return false;
    emit tableReplacing();
    emptyTable();
    path_.clear();
    stored_.reset();
    setDayState({emptyDay(), 0});
    saved_ = day();
    notifyTitle();
    emit tableReplaced(tr("nuovo giorno"));
    return true;
}

void MealDocument::setDayState(const DayState &state)
{
    if (state == dayState_)
        return;
    dayState_ = state;
    notifyTitle();
    emit dayChanged();
}

bool MealDocument::showMeal(int index, QString *error)
{
    const auto meals = static_cast<int>(dayState_.day.meals.size());
    if (index < 0 || index >= meals || index == dayState_.current)
        return false;
    DayState next = dayState_;
    const std::vector<MealFileEntry> shown = entries();
    next.day.meals[static_cast<std::size_t>(dayState_.current)].entries = shown;
    const std::vector<MealFileEntry> chosen = std::exchange(next.day.meals[static_cast<std::size_t>(index)].entries,
                                                            {});
    next.current = index;
    if (!replaceTable(chosen, error))
        return false;
    setDayState(next);
    return true;
}

void MealDocument::setRowCategory(int row, int category)
{
    rowCategory_[static_cast<std::size_t>(row)] = category;
    notifyTitle();
}

void MealDocument::setSavedMeal(const SavedMeal &saved)
{
    path_ = saved.path;
    saved_ = saved.day;
    stored_ = saved.stored;
    notifyTitle();
}

QString MealDocument::proposedPath(const QString &suffix) const
{
    const QFileInfo current(path_);
    const QString folder = path_.isEmpty() ? userFolder(QStandardPaths::DocumentsLocation) : current.absolutePath();
    // A file's name proposed in the user's language, as the other exports' are.
    const QString unnamed = isMealFile(dayState_.day) ? tr("pasto", "file name") : tr("giorno", "file name");
    const QString base = path_.isEmpty() ? unnamed : current.completeBaseName();
    return QDir(folder).filePath(base + suffix);
}

bool MealDocument::open()
{
    if (!confirmDiscard())
        return false;
    const QString path = dialogs_.openFileName(tr("Apri pasto"), QFileInfo(proposedPath({})).absolutePath(),
                                               mealFilter());
    return !path.isEmpty() && openFile(path);
}

std::optional<MealDay> MealDocument::checkedDay(const QString &path, QStringList *errors)
{
    QFile input(path);
    QString reason;
    if (!openRegularFile(input, &reason)) {
        *errors = {readFailureMessage(path, reason)};
        return std::nullopt;
    }
    DayFile file = readDayFile(input);
    return checkedFoods(std::move(file.day), std::move(file.errors), errors);
}

std::optional<MealDay> MealDocument::checkedFoods(MealDay day, QStringList *errors)
{
    return checkedFoods(std::move(day), {}, errors, true);
}

std::optional<MealDay> MealDocument::checkedFoods(MealDay day, std::vector<InputError> faults, QStringList *errors,
                                                  bool stored, QStringList *dropped)
{
    const auto allEntries = [&day] {
        std::vector<MealFileEntry> all;
        for (const DayMeal &meal : day.meals)
            all.insert(all.end(), meal.entries.cbegin(), meal.entries.cend());
        return all;
    };
    std::vector<MealFileEntry> all = allEntries();
    std::optional<QSqlDatabase> personal;
    if (std::any_of(all.cbegin(), all.cend(), [](const MealFileEntry &e) { return isPersonalCategory(e.category); })) {
        personal = personal_ ? personal_() : std::nullopt;
        if (!personal) {
            *errors = {tr("il pasto contiene alimenti personali, ma l'archivio degli alimenti personali non "
                          "si può aprire")};
            return std::nullopt;
        }
    }
    // A trial run on tables of their own: the window's table changes only for a day that fits.
    MealComposer check(database_);
    if (personal)
        check.setPersonalDatabase(*personal);
    check.setStoredLabels(stored);
    QString databaseError;
    if (dropped) {
        for (DayMeal &meal : day.meals) {
            // Numbered for the check alone: which rows it finds wanting.
            std::vector<MealFileEntry> numbered = meal.entries;
            for (std::size_t i = 0; i < numbered.size(); ++i)
                numbered[i].line = static_cast<int>(i) + 1;
            std::vector<bool> gone(numbered.size(), false);
            for (const InputError &fault : check.missingFoods(numbered, &databaseError)) {
                gone[static_cast<std::size_t>(fault.line) - 1] = true;
                dropped->append(meal.name.isEmpty() ? fault.text : tr("%1: %2").arg(meal.name, fault.text));
            }
            if (!databaseError.isEmpty()) {
                *errors = {databaseError};
                return std::nullopt;
            }
            std::vector<MealFileEntry> kept;
            for (std::size_t i = 0; i < gone.size(); ++i)
                if (!gone[i])
                    kept.push_back(std::move(meal.entries[i]));
            meal.entries = std::move(kept);
        }
        all = allEntries();
    }
    const std::vector<InputError> missing = check.missingFoods(all, &databaseError);
    faults.insert(faults.end(), missing.begin(), missing.end());
    if (!databaseError.isEmpty()) {
        *errors = {databaseError};
        return std::nullopt;
    }
    if (!faults.empty()) {
        *errors = errorReport(std::move(faults));
        return std::nullopt;
    }
    for (DayMeal &meal : day.meals) {
        MealComposer trial(database_);
        if (personal)
            trial.setPersonalDatabase(*personal);
        QString error;
        if (!trial.addAll(meal.entries, &error)) {
            *errors = {error};
            return std::nullopt;
        }
        // As the table names them once composed, so that the meal shown again is no change.
        meal.entries = trial.placed();
    }
    return day;
}

bool MealDocument::replay(const std::vector<MealFileEntry> &entries, QString *error)
{
    emptyTable();
    MealComposer composer(database_, window_);
    // A personal food's portion is weighed by its own measures, in the personal catalogue.
    if (personal_ && std::any_of(entries.cbegin(), entries.cend(), [](const MealFileEntry &e) {
            return isPersonalCategory(e.category);
        }))
        if (const std::optional<QSqlDatabase> personal = personal_())
            composer.setPersonalDatabase(*personal);
    return composer.addAll(entries, error);
}

bool MealDocument::replaceTable(const std::vector<MealFileEntry> &entries, QString *error)
{
    // Put back as it stood, not composed again: what failed may be a food the shown meal holds
    // too (a personal food removed since), and the meal shown must not lose it.
    const MealGridState before = window_.grid.state();
    const std::array<int, kMealRows> categories = rowCategory_;
    if (replay(entries, error))
        return true;
    std::vector<int> rows(kMealRows);
    std::iota(rows.begin(), rows.end(), 0);
    window_.grid.restoreRows(before, rows);
    rowCategory_ = categories;
    window_.grid.placeFood(window_.browser.current());
    notifyTitle();
    return false;
}

bool MealDocument::openFile(const QString &path)
{
    QStringList errors;
    auto read = checkedDay(path, &errors);
    QString error;
    if (read) {
        emit tableReplacing();
        if (showDay(std::move(*read), &error)) {
            stored_.reset();
            markSaved(path);
            emit tableReplaced(tr("apertura di %1").arg(QFileInfo(path).fileName()));
            return true;
        }
        errors = {error};
    }
    refuse(tr("Il pasto %1 non può essere aperto:\n%2").arg(echoInput(path), errors.join(u'\n')));
    return false;
}

bool MealDocument::showDay(MealDay day, QString *error)
{
    const std::vector<MealFileEntry> first = std::exchange(day.meals.front().entries, {});
    if (!replaceTable(first, error))
        return false;
    setDayState({std::move(day), 0});
    return true;
}

std::optional<MealDay> MealDocument::storedDayShown(MealDay day, QStringList *dropped, QStringList *errors)
{
    // A day kept without meals, or with one without a name, is still shown as a day.
    if (day.meals.empty())
        day = emptyDay();
    else if (isMealFile(day))
        day.meals.front().name = tr("Pasto");
    return checkedFoods(std::move(day), {}, errors, true, dropped);
}

bool MealDocument::openStored(const StoredDay &where, MealDay day, const QString &step)
{
    if (!confirmDiscard())
        return false;
    QStringList errors;
    QStringList dropped;
    auto checked = storedDayShown(std::move(day), &dropped, &errors);
    // A personal food deleted since: the day is shown without its rows at the user's word, and
    // the store keeps them until the day changes.
    if (checked && !dropped.isEmpty()
        && dialogs_.choose(
               tr("Il giorno nomina alimenti che non si trovano nell'archivio:\n%1\n\nMostrarlo senza queste "
                  "righe? Il giorno salvato le conserva finché non viene cambiato.")
                   .arg(dropped.join(u'\n')),
               warningTitle(), {tr("Mostra senza queste righe")})
               != 0)
        return false;
    QString error;
    if (checked) {
        emit tableReplacing();
        if (showDay(std::move(*checked), &error)) {
            path_.clear();
            stored_ = where;
            saved_ = this->day();
            notifyTitle();
            emit tableReplaced(step);
            return true;
        }
        errors = {error};
    }
    refuse(tr("Il giorno non può essere mostrato:\n%1").arg(errors.join(u'\n')));
    return false;
}

bool MealDocument::setShownEntries(const std::vector<MealFileEntry> &replacement, QString *error)
{
    return replaceTable(replacement, error);
}

bool MealDocument::openChosen(const QString &path)
{
    return confirmDiscard() && openFile(path);
}

MealDocument::FileStamp MealDocument::stampOf(const QString &path)
{
    const QFileInfo file(path);
    return file.exists() ? FileStamp{file.lastModified(), file.size()} : FileStamp{};
}

// A file this window opened or saved, changed since by someone else: the user says whether to
// replace it; none when it has not changed.
std::optional<Answer> MealDocument::askBeforeOverwriting(const QString &path)
{
    const auto known = stamps_.find(path);
    const FileStamp now = stampOf(path);
    if (known == stamps_.end() || now.size < 0 || now == known->second)
        return std::nullopt;
    return dialogs_.askYesNoCancel(tr("Il file %1 è stato cambiato da un altro programma o da un'altra finestra dopo "
                                      "che Velmo lo ha aperto o salvato.\nSostituirlo con il pasto della tabella?\n"
                                      "(No: salvarlo con un altro nome)")
                                       .arg(echoInput(QFileInfo(path).fileName())),
                                   tr("Salva pasto"));
}

void MealDocument::markSaved(const QString &path)
{
    path_ = QFileInfo(path).absoluteFilePath();
    stamps_[path_] = stampOf(path_);
    saved_ = day();
    notifyTitle();
    emit fileUsed(path_);
}

bool MealDocument::writeTo(const QString &path)
{
    // The window keeps every other rule of a day file; only an emptied first meal without a name
    // has no line to stand on.
    const MealDay shown = day();
    // A meal file of no food could not be opened again, by the window or by velmo-pasto.
    if (isMealFile(shown) && shown.meals.front().entries.empty()) {
        refuse(tr("Impossibile salvare il pasto in %1: la tabella non ha alimenti bloccati, e un file senza "
                  "alimenti non si potrebbe riaprire. Bloccare almeno un alimento, poi salvare di nuovo.")
                   .arg(echoInput(path)));
        return false;
    }
    const std::optional<QByteArray> text = dayFileText(shown);
    if (!text) {
        refuse(tr("Impossibile salvare il giorno in %1: il primo pasto non ha nome né alimenti. Dargli un nome "
                  "con \"Rinomina pasto...\" o rimuoverlo, poi salvare di nuovo.")
                   .arg(echoInput(path)));
        return false;
    }
    QString reason;
    if (!writePrivateFileSafely(path, *text, &reason)) {
        refuse(tr("Impossibile salvare il pasto in %1: %2").arg(echoInput(path), reason));
        return false;
    }
    markSaved(path);
    return true;
}

bool MealDocument::save()
{
    if (path_.isEmpty())
        return saveAs();
    if (const std::optional<Answer> answer = askBeforeOverwriting(path_); answer && *answer != Answer::Yes)
        return *answer == Answer::No && saveAs();
    return writeTo(path_);
}

bool MealDocument::saveAs()
{
    const QString path = saveFileNameWithSuffix(dialogs_, tr("Salva pasto"), proposedPath(QStringLiteral(".pasto")),
                                                mealFilter(), QStringLiteral(".pasto"), {QStringLiteral(".txt")});
    return !path.isEmpty() && writeTo(path);
}

bool MealDocument::composeEach(std::vector<std::unique_ptr<MealComposer>> &composers, std::vector<NamedMealGrid> &grids,
                               QString *error)
{
    const std::optional<QSqlDatabase> personal = personal_ ? personal_() : std::nullopt;
    for (std::size_t m = 0; m < dayState_.day.meals.size(); ++m) {
        const DayMeal &meal = dayState_.day.meals[m];
        if (static_cast<int>(m) == dayState_.current) {
            grids.push_back({meal.name, &window_.grid});
            continue;
        }
        composers.push_back(std::make_unique<MealComposer>(database_));
        if (personal)
            composers.back()->setPersonalDatabase(*personal);
        if (!composers.back()->addAll(meal.entries, error))
            return false;
        grids.push_back({meal.name, &composers.back()->grid()});
    }
    return true;
}

bool MealDocument::exportCsv(const std::optional<MealComparison> &comparison, std::optional<double> requirementKcal)
{
    const QString path = saveFileNameWithSuffix(dialogs_, tr("Esporta CSV"), proposedPath(QStringLiteral(".csv")),
                                                QStringLiteral("%1 (*.csv)").arg(tr("File CSV")),
                                                QStringLiteral(".csv"));
    if (path.isEmpty())
        return false;
    QString text;
    if (isMealFile(dayState_.day)) {
        text = mealReportCsv(window_.grid, comparison);
    } else {
        std::vector<std::unique_ptr<MealComposer>> composers;
        std::vector<NamedMealGrid> grids;
        QString error;
        if (!composeEach(composers, grids, &error)) {
            refuse(tr("Impossibile esportare il giorno in %1: %2").arg(echoInput(path), error));
            return false;
        }
        text = dayReportCsv(grids, requirementKcal);
    }
    QString reason;
    if (!writePrivateFileSafely(path, text.toUtf8(), &reason)) {
        refuse(tr("Impossibile esportare il pasto in %1: %2").arg(echoInput(path), reason));
        return false;
    }
    return true;
}

}  // namespace velmo
