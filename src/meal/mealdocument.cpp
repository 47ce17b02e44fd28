// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealdocument.h"

#include "common/inputecho.h"
#include "common/safefile.h"
#include "common/userfolder.h"
#include "meal/mealcsv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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
            result.push_back({0, category, names_.canonical(category, row.name()), row.cell(MealColumn::Gross).text});
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

bool MealDocument::isModified() const
{
    return entries() != saved_;
}

bool MealDocument::hasWorkToLose() const
{
    const std::vector<MealFileEntry> now = entries();
    return !now.empty() && now != saved_;
}

QString MealDocument::windowTitle() const
{
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
    if (!hasWorkToLose())
        return true;
    switch (dialogs_.askYesNoCancel(savePrompt(), kTitle)) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    case Answer::Cancel: break;
    }
    return false;
}

void MealDocument::emptyTable()
{
    MealGrid &grid = window_.grid;
    for (int r = 0; r < kMealRows; ++r) {
        grid.setLock(r, 0);
        grid.setGrossText(r, QString());
    }
}

bool MealDocument::newMeal()
{
    if (!confirmDiscard())
        return false;
    emit tableReplacing();
    emptyTable();
    path_.clear();
    saved_.clear();
    notifyTitle();
    emit tableReplaced(tr("nuovo pasto"));
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
    saved_ = saved.entries;
    notifyTitle();
}

QString MealDocument::proposedPath(const QString &suffix) const
{
    const QFileInfo current(path_);
    const QString folder = path_.isEmpty() ? userFolder(QStandardPaths::DocumentsLocation) : current.absolutePath();
    const QString base = path_.isEmpty() ? QStringLiteral("pasto") : current.completeBaseName();
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

std::optional<std::vector<MealFileEntry>> MealDocument::checkedEntries(const QString &path, QStringList *errors)
{
    QFile input(path);
    QString reason;
    if (!openRegularFile(input, &reason)) {
        *errors = {readFailureMessage(path, reason)};
        return std::nullopt;
    }
    const MealFile file = readMealFile(input);
    // A trial run on a table of its own: the window's table changes only for a meal that fits.
    MealComposer trial(database_);
    if (std::any_of(file.entries.cbegin(), file.entries.cend(),
                    [](const MealFileEntry &e) { return isPersonalCategory(e.category); })) {
        const std::optional<QSqlDatabase> personal = personal_ ? personal_() : std::nullopt;
        if (!personal) {
            *errors = {tr("il pasto contiene alimenti personali, ma l'archivio degli alimenti personali non "
                          "si può aprire")};
            return std::nullopt;
        }
        trial.setPersonalDatabase(*personal);
    }
    QString databaseError;
    std::vector<InputError> faults = file.errors;
    const std::vector<InputError> missing = trial.missingFoods(file.entries, &databaseError);
    faults.insert(faults.end(), missing.begin(), missing.end());
    if (!databaseError.isEmpty()) {
        *errors = {databaseError};
        return std::nullopt;
    }
    if (!faults.empty()) {
        *errors = errorReport(std::move(faults));
        return std::nullopt;
    }
    QString error;
    if (!trial.addAll(file.entries, &error)) {
        *errors = {error};
        return std::nullopt;
    }
    return file.entries;
}

bool MealDocument::replay(const std::vector<MealFileEntry> &entries, QString *error)
{
    emptyTable();
    MealComposer composer(database_, window_);
    return composer.addAll(entries, error);
}

bool MealDocument::openFile(const QString &path)
{
    QStringList errors;
    const auto read = checkedEntries(path, &errors);
    QString error;
    if (read) {
        const std::vector<MealFileEntry> before = entries();
        emit tableReplacing();
        if (replay(*read, &error)) {
            markSaved(path);
            emit tableReplaced(tr("apertura di %1").arg(QFileInfo(path).fileName()));
            return true;
        }
        errors = {error};
        QString ignored;
        replay(before, &ignored);
    }
    refuse(tr("Il pasto %1 non può essere aperto:\n%2").arg(echoInput(path), errors.join(u'\n')));
    return false;
}

bool MealDocument::openChosen(const QString &path)
{
    return confirmDiscard() && openFile(path);
}

void MealDocument::markSaved(const QString &path)
{
    path_ = QFileInfo(path).absoluteFilePath();
    saved_ = entries();
    notifyTitle();
    emit fileUsed(path_);
}

bool MealDocument::writeTo(const QString &path)
{
    QString reason;
    if (!writeFileSafely(path, mealFileText(entries()), &reason)) {
        refuse(tr("Impossibile salvare il pasto in %1: %2").arg(echoInput(path), reason));
        return false;
    }
    markSaved(path);
    return true;
}

bool MealDocument::save()
{
    return path_.isEmpty() ? saveAs() : writeTo(path_);
}

bool MealDocument::saveAs()
{
    const QString path = saveFileNameWithSuffix(dialogs_, tr("Salva pasto"), proposedPath(QStringLiteral(".pasto")),
                                                mealFilter(), QStringLiteral(".pasto"));
    return !path.isEmpty() && writeTo(path);
}

bool MealDocument::exportCsv(const std::optional<MealComparison> &comparison)
{
    const QString path = saveFileNameWithSuffix(dialogs_, tr("Esporta CSV"), proposedPath(QStringLiteral(".csv")),
                                                QStringLiteral("%1 (*.csv)").arg(tr("File CSV")),
                                                QStringLiteral(".csv"));
    if (path.isEmpty())
        return false;
    QString reason;
    if (!writeFileSafely(path, mealReportCsv(window_.grid, comparison).toUtf8(), &reason)) {
        refuse(tr("Impossibile esportare il pasto in %1: %2").arg(echoInput(path), reason));
        return false;
    }
    return true;
}

}  // namespace velmo
