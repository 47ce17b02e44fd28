// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/personalfoodcommands.h"

#include "catalogue/foodcategory.h"
#include "common/numbertext.h"
#include "common/safefile.h"
#include "common/userfolder.h"
#include "meal/recipe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <QScopeGuard>

#include <algorithm>

namespace velmo {

PersonalFoodCommands::PersonalFoodCommands(WindowParts window, Dialogs &dialogs, QObject *parent)
    : QObject(parent), window_(std::move(window)), dialogs_(dialogs)
{
}

PersonalFoodCommands::~PersonalFoodCommands() = default;

QString PersonalFoodCommands::csvFilter()
{
    return tr("File CSV (*.csv);;Tutti i file (*)");
}

QString PersonalFoodCommands::path() const
{
    return path_.isEmpty() ? PersonalCatalogue::defaultPath() : path_;
}

bool PersonalFoodCommands::personalCategoryCurrent() const
{
    return isPersonalCategory(window_.currentCategory());
}

bool PersonalFoodCommands::personalFoodCurrent() const
{
    return personalCategoryCurrent() && window_.data.currentRow().has_value();
}

void PersonalFoodCommands::refuse(const QString &text)
{
    dialogs_.message(text, warningTitle(), MessageIcon::Critical);
}

void PersonalFoodCommands::refreshCategory()
{
    if (personalCategoryCurrent())
        window_.chooseCategory(kPersonalCategory);
}

bool PersonalFoodCommands::open()
{
    if (catalogue_)
        return true;
    const QString path = this->path();
    QString error;
    PersonalCatalogue::Problem problem = PersonalCatalogue::Problem::None;
    catalogue_ = PersonalCatalogue::open(path, true, &error, &problem);
    if (catalogue_) {
        emit opened();
        if (!catalogue_->notices().isEmpty())
            dialogs_.message(catalogue_->notices().join(u'\n'), noticeTitle(), MessageIcon::Information);
        return true;
    }
    if (problem != PersonalCatalogue::Problem::Damaged) {
        dialogs_.message(error + tr("\n\nVelmo continua senza alimenti personali; il file non viene modificato."),
                         warningTitle(), MessageIcon::Critical);
        return false;
    }
    // Only the user may give up a damaged file, and even then it is kept under another name.
    const Answer answer = dialogs_.askYesNoCancel(
        error
            + tr("\n\nMettere da parte il file danneggiato (viene rinominato, non cancellato) e iniziare "
                 "un archivio nuovo e vuoto?\n\nNo: Velmo continua senza alimenti personali e non scrive "
                 "nulla; la domanda sarà ripetuta al prossimo uso degli alimenti personali."),
        warningTitle());
    declinedDamaged_ = answer != Answer::Yes;
    if (declinedDamaged_)
        return false;
    const QString asideName = PersonalCatalogue::setAside(path, &error);
    if (asideName.isEmpty() || !(catalogue_ = PersonalCatalogue::open(path, true, &error))) {
        refuse(error);
        return false;
    }
    emit opened();
    dialogs_.message(
        tr("Il file danneggiato è stato conservato come:\n%1\n\nÈ stato creato un archivio nuovo e vuoto:\n%2")
            .arg(QDir::toNativeSeparators(asideName), QDir::toNativeSeparators(path)),
        noticeTitle(), MessageIcon::Information);
    return true;
}

bool PersonalFoodCommands::openForSearch()
{
    return !declinedDamaged_ && open();
}

void PersonalFoodCommands::newFood()
{
    if (!open())
        return;
    foodForm_ = std::make_unique<FoodFormModel>(*catalogue_, dialogs_);
    emit foodWindowRequested();
}

void PersonalFoodCommands::modifyFood()
{
    if (!personalFoodCurrent() || !open())
        return;
    const auto food = catalogue_->find(window_.browser.foodName());
    if (!food)
        return;
    foodForm_ = std::make_unique<FoodFormModel>(*catalogue_, dialogs_, food);
    // A new name leaves the saved files that name the food as it was, which then do not open, and
    // clears the steps to take back, which name it so too: the user is asked.
    foodForm_->setRenameCheck([this] {
        const QString files = tr("I file dei pasti e dei giorni salvati che nominano l'alimento non si potranno più "
                                 "aprire finché non gli si ridà il nome di prima.");
        const QString question =
            window_.canUndo && window_.canUndo()
                ? tr("Il nuovo nome non si potrà annullare, e le modifiche fatte finora non si potranno più annullare "
                     "con \"Annulla\" (un'eliminazione di una persona compresa). %1\n\nDare il nuovo nome?")
                      .arg(files)
                : tr("%1\n\nDare il nuovo nome?").arg(files);
        return dialogs_.choose(question, warningTitle(), {tr("Dai il nuovo nome")}) == 0;
    });
    emit foodWindowRequested();
}

void PersonalFoodCommands::foodWindowClosed()
{
    const QString saved = foodForm_ ? foodForm_->savedName() : QString();
    const QString edited = foodForm_ ? foodForm_->editedName() : QString();
    foodForm_.reset();
    if (saved.isEmpty())
        return;
    if (!edited.isEmpty() && edited != saved)
        emit foodsChanged(edited, saved);
    else
        emit foodsChanged({}, {});
    showFood(saved);
}

void PersonalFoodCommands::showFood(const QString &name)
{
    // The food saved goes to the open row with its values as they are now, even when it was
    // current already (its name kept, the first of the category): the name did not change, and
    // so did not place it.
    const int placements = window_.meal.placements();
    window_.chooseCategory(kPersonalCategory);
    const QString key = personalFoodKey(name);
    for (int i = 0; i < window_.data.rowCount(); ++i)
        if (personalFoodKey(window_.data.row(i).name) == key) {
            window_.data.moveTo(i);
            if (window_.meal.placements() == placements)
                window_.meal.placeFood(window_.browser.current());
            return;
        }
}

void PersonalFoodCommands::deleteFood()
{
    if (!personalFoodCurrent() || !open())
        return;
    const QString name = window_.browser.foodName();
    QString question =
        tr("Eliminare l'alimento personale \"%1\"?\n\nL'eliminazione non si può annullare, e i pasti e i "
           "giorni salvati che lo contengono non si potranno più aprire finché non si crea di nuovo un "
           "alimento con questo nome.")
            .arg(name);
    // Which days those are, so that no one deletes a food still planned without knowing it.
    if (const QString uses = window_.usesOf ? window_.usesOf(name) : QString(); !uses.isEmpty())
        question += QStringLiteral("\n\n") + uses;
    if (dialogs_.choose(question, warningTitle(), {tr("Elimina")}) != 0)
        return;
    const int row = *window_.data.currentRow();
    QString error;
    if (!catalogue_->remove(name, &error)) {
        refuse(error);
        return;
    }
    emit foodDeleted(name);
    emit foodsChanged({}, {});
    window_.chooseCategory(kPersonalCategory);
    window_.data.moveTo(std::min(row, window_.data.rowCount() - 1));
}

void PersonalFoodCommands::importFoods()
{
    if (!open())
        return;
    const QString path = dialogs_.openFileName(tr("Importa alimenti personali"),
                                               userFolder(QStandardPaths::DocumentsLocation), csvFilter());
    if (path.isEmpty())
        return;
    PersonalCatalogue::Merge counts;
    QString error;
    const qint64 size = QFileInfo(path).size();
    const auto shown = [this, size](qint64 read) {
        return !window_.progress
               || window_.progress(size > 0 ? static_cast<int>(std::min(read, size) * 1000 / size) : 0);
    };
    const auto import = [&](bool force) {
        if (window_.busy)
            window_.busy(true);
        const auto idle = qScopeGuard([this] {
            if (window_.busy)
                window_.busy(false);
        });
        return catalogue_->importFoods(
            [&](const FoodSink &sink) {
                return readFoodsFile(path, {sink, force, 20, shown});
            },
            &counts, &error);
    };
    CsvFoods read = import(false);
    if (read.cancelled)
        return;  // the user's own choice: nothing was imported, and nothing to say
    // What only looks wrong the user may confirm, as in the food window.
    if (error.isEmpty() && read.onlyDoubts()
        && dialogs_.askYesNoCancel(tr("Alcuni alimenti del file %1 hanno valori da confermare:\n\n%2\n\n"
                                      "Importarli comunque?")
                                       .arg(QDir::toNativeSeparators(path), read.errors.join(u'\n')),
                                   warningTitle())
               == Answer::Yes)
        read = import(true);
    if (read.cancelled)
        return;
    if (!error.isEmpty()) {
        refuse(error);
        return;
    }
    if (!read.ok()) {
        refuse(tr("Il file %1 non è stato importato: nessun alimento è stato aggiunto o modificato.\n\n%2")
                   .arg(QDir::toNativeSeparators(path), read.errors.join(u'\n')));
        return;
    }
    emit foodsChanged({}, {});
    refreshCategory();
    dialogs_.message(
        tr("Importati %n alimenti da %1: %2 nuovi, %3 aggiornati.", nullptr,
           static_cast<int>(counts.added + counts.updated))
            .arg(QDir::toNativeSeparators(path), QString::number(counts.added), QString::number(counts.updated)),
        noticeTitle(), MessageIcon::Information);
}

void PersonalFoodCommands::exportFoods()
{
    if (!open())
        return;
    const QString proposed = QDir(userFolder(QStandardPaths::DocumentsLocation)).filePath(tr("alimenti-personali.csv"));
    const QString path = saveFileNameWithSuffix(dialogs_, tr("Esporta alimenti personali"), proposed, csvFilter(),
                                                QStringLiteral(".csv"));
    if (path.isEmpty())
        return;
    // Private like the catalogue it comes from, written beside and renamed at the end: a failed
    // export leaves any earlier file whole.
    QString error;
    bool made = false;
    if (!preparePrivateFile(path, &made, &error)) {
        refuse(tr("Impossibile scrivere %1:\n%2").arg(QDir::toNativeSeparators(path), error));
        return;
    }
    QSaveFile file(path);
    qint64 count = 0;
    // Unbuffered, so that a write the disk refuses fails here and not unseen in the final flush.
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        && catalogue_->exportFoods([&file](const QByteArray &piece) { return file.write(piece) == piece.size(); },
                                   &count, &error)
        && file.commit()) {
        dialogs_.message(tr("Esportati %n alimenti personali in %1.", nullptr, static_cast<int>(count))
                             .arg(QDir::toNativeSeparators(path)),
                         noticeTitle(), MessageIcon::Information);
        return;
    }
    if (made)
        QFile::remove(path);
    refuse(error.isEmpty() ? tr("Impossibile scrivere %1:\n%2").arg(QDir::toNativeSeparators(path), file.errorString())
                           : error);
}

std::optional<PersonalFood> PersonalFoodCommands::mealFood()
{
    QString problem;
    if (!mealAsFood(window_.meal, QStringLiteral("-"), &problem)) {
        refuse(problem);
        return std::nullopt;
    }
    const QString typed = dialogs_.input(tr("Nome del nuovo alimento personale (i valori sono per 100 g "
                                            "del peso netto del pasto):"),
                                         tr("Salva pasto come alimento"), QString());
    if (typed.trimmed().isEmpty())
        return std::nullopt;
    if (problem = nameProblem(typed); !problem.isEmpty()) {
        refuse(problem);
        return std::nullopt;
    }
    PersonalFood food = *mealAsFood(window_.meal, typed, &problem);
    if (window_.completeRecipe)
        window_.completeRecipe(food);
    for (std::size_t k = 0; k < food.nutrients.size(); ++k)
        if (food.nutrients[k])
            if (problem = quantityProblem(static_cast<int>(k) + 1, *food.nutrients[k]); !problem.isEmpty()) {
                refuse(problem);
                return std::nullopt;
            }
    return food;
}

void PersonalFoodCommands::saveMealAsFood()
{
    const std::optional<PersonalFood> made = mealFood();
    if (!made || !open())
        return;
    PersonalFood food = *made;
    QString replacing;
    if (const auto existing = catalogue_->find(food.name)) {
        QString question = tr("Esiste già un alimento personale di nome \"%1\". Sostituirlo?").arg(existing->name);
        // The days that plan it take the new values: said, as a deletion says them.
        if (const QString uses = window_.usesOf ? window_.usesOf(existing->name) : QString(); !uses.isEmpty())
            question += QStringLiteral("\n\n") + uses + u' ' + tr("Lì prenderà i valori nuovi.");
        if (dialogs_.choose(question, warningTitle(), {tr("Sostituisci")}) != 0)
            return;
        replacing = existing->name;
        // Replaced, not renamed: the meals and days that name it still find it, and the portions
        // they name by its household measures ("2 fette") are still its own.
        food.name = existing->name;
        food.measures = existing->measures;
    }
    QString error;
    if (!catalogue_->save(food, replacing, &error)) {
        refuse(error);
        return;
    }
    const QLocale locale;
    QStringList values;
    for (std::size_t k = 0; k < food.nutrients.size(); ++k) {
        const FoodQuantity &q = foodQuantities()[k + 1];
        const QString amount = food.nutrients[k] ? QStringLiteral("%1 %2").arg(
                                   formatAmount(*food.nutrients[k], nutrientAmount(q.unit).value_or(Amount::Grams),
                                                locale),
                                   q.unit)
                                                 : tr("n.d. (un ingrediente non ha il valore)");
        values.append(q.shownLabel().toLower() + u' ' + amount);
    }
    dialogs_.message((replacing.isEmpty()
                          ? tr("Creato l'alimento personale \"%1\" (parte edibile 100%), per 100 g di pasto:\n%2.")
                          : tr("Sostituito l'alimento personale \"%1\" (parte edibile 100%), per 100 g di pasto:\n%2."))
                         .arg(food.name, values.join(QStringLiteral(", "))),
                     noticeTitle(), MessageIcon::Information);
    emit foodsChanged({}, {});
    refreshCategory();
}

}  // namespace velmo
