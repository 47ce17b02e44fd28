// The main window's commands on the personal catalogue.

#include "shell/mainwindowmodel.h"

#include "catalogue/foodcategory.h"
#include "common/numbertext.h"
#include "common/userfolder.h"
#include "meal/recipe.h"

#include <QDir>
#include <QLocale>
#include <QSaveFile>

namespace velmo {

namespace {

const QString kWarning = QStringLiteral("Attenzione");
const QString kNotice = QStringLiteral("Informazione");
const QString kCsvFilter = QStringLiteral("File CSV (*.csv);;Tutti i file (*)");

}  // namespace

QString MainWindowModel::personalPath() const
{
    return personalPath_.isEmpty() ? PersonalCatalogue::defaultPath() : personalPath_;
}

bool MainWindowModel::openPersonal()
{
    if (personal_)
        return true;
    const QString path = personalPath();
    QString error;
    PersonalCatalogue::Problem problem = PersonalCatalogue::Problem::None;
    personal_ = PersonalCatalogue::open(path, true, &error, &problem);
    if (personal_) {
        if (!personal_->notices().isEmpty())
            dialogs_.message(personal_->notices().join(u'\n'), kNotice, MessageIcon::Information);
        return true;
    }
    if (problem != PersonalCatalogue::Problem::Damaged) {
        dialogs_.message(
            error + QStringLiteral("\n\nVelmo continua senza alimenti personali; il file non viene modificato."),
            kWarning, MessageIcon::Critical);
        return false;
    }
    // Only the user may give up a damaged file, and even then it is kept under another name.
    const Answer answer = dialogs_.askYesNoCancel(
        error
            + QStringLiteral("\n\nMettere da parte il file danneggiato (viene rinominato, non cancellato) e iniziare "
                             "un archivio nuovo e vuoto?\n\nNo: Velmo continua senza alimenti personali e non scrive "
                             "nulla; la domanda sarà ripetuta al prossimo uso degli alimenti personali."),
        kWarning);
    if (answer != Answer::Yes)
        return false;
    const QString asideName = PersonalCatalogue::setAside(path, &error);
    if (asideName.isEmpty() || !(personal_ = PersonalCatalogue::open(path, true, &error))) {
        dialogs_.message(error, kWarning, MessageIcon::Critical);
        return false;
    }
    dialogs_.message(
        QStringLiteral(
            "Il file danneggiato è stato conservato come:\n%1\n\nÈ stato creato un archivio nuovo e vuoto:\n%2")
            .arg(QDir::toNativeSeparators(asideName), QDir::toNativeSeparators(path)),
        kNotice, MessageIcon::Information);
    return true;
}

void MainWindowModel::newPersonalFood()
{
    if (!openPersonal())
        return;
    foodForm_ = std::make_unique<FoodFormModel>(*personal_, dialogs_);
    emit foodWindowRequested();
}

void MainWindowModel::modifyPersonalFood()
{
    if (!personalCategoryCurrent() || !hasCurrentFood() || !openPersonal())
        return;
    const auto food = personal_->find(browser_.foodName());
    if (!food)
        return;
    foodForm_ = std::make_unique<FoodFormModel>(*personal_, dialogs_, food);
    emit foodWindowRequested();
}

void MainWindowModel::foodWindowClosed()
{
    const QString saved = foodForm_ ? foodForm_->savedName() : QString();
    foodForm_.reset();
    if (!saved.isEmpty())
        showPersonalFood(saved);
}

void MainWindowModel::showPersonalFood(const QString &name)
{
    chooseCategory(kPersonalCategory);
    const QString key = personalFoodKey(name);
    for (int i = 0; i < dataControl_.rowCount(); ++i)
        if (personalFoodKey(dataControl_.row(i).name) == key) {
            dataControl_.moveTo(i);
            return;
        }
}

void MainWindowModel::deletePersonalFood()
{
    if (!personalCategoryCurrent() || !hasCurrentFood() || !openPersonal())
        return;
    const QString name = browser_.foodName();
    if (dialogs_.askYesNoCancel(
            QStringLiteral("Eliminare l'alimento personale \"%1\"?\n\nL'eliminazione non si può annullare.").arg(name),
            kWarning)
        != Answer::Yes)
        return;
    const int row = *dataControl_.currentRow();
    QString error;
    if (!personal_->remove(name, &error)) {
        dialogs_.message(error, kWarning, MessageIcon::Critical);
        return;
    }
    chooseCategory(kPersonalCategory);
    dataControl_.moveTo(std::min(row, dataControl_.rowCount() - 1));
}

void MainWindowModel::importPersonalFoods()
{
    if (!openPersonal())
        return;
    const QString path = dialogs_.openFileName(QStringLiteral("Importa alimenti personali"),
                                               userFolder(QStandardPaths::DocumentsLocation), kCsvFilter);
    if (path.isEmpty())
        return;
    PersonalCatalogue::Merge counts;
    QString error;
    const auto import = [&](bool force) {
        return personal_->importFoods(
            [&](const FoodSink &sink) {
                return readFoodsFile(path, {sink, force});
            },
            &counts, &error);
    };
    CsvFoods read = import(false);
    // What only looks wrong the user may confirm, as in the food window.
    if (error.isEmpty() && read.onlyDoubts()
        && dialogs_.askYesNoCancel(QStringLiteral("Alcuni alimenti del file %1 hanno valori da confermare:\n\n%2\n\n"
                                                  "Importarli comunque?")
                                       .arg(QDir::toNativeSeparators(path), read.errors.join(u'\n')),
                                   kWarning)
               == Answer::Yes)
        read = import(true);
    if (!error.isEmpty()) {
        dialogs_.message(error, kWarning, MessageIcon::Critical);
        return;
    }
    if (!read.ok()) {
        dialogs_.message(
            QStringLiteral("Il file %1 non è stato importato: nessun alimento è stato aggiunto o modificato.\n\n%2")
                .arg(QDir::toNativeSeparators(path), read.errors.join(u'\n')),
            kWarning, MessageIcon::Critical);
        return;
    }
    if (personalCategoryCurrent())
        chooseCategory(kPersonalCategory);
    dialogs_.message(QStringLiteral("Importati %1 alimenti da %2: %3 nuovi, %4 aggiornati.")
                         .arg(counts.added + counts.updated)
                         .arg(QDir::toNativeSeparators(path))
                         .arg(counts.added)
                         .arg(counts.updated),
                     kNotice, MessageIcon::Information);
}

void MainWindowModel::exportPersonalFoods()
{
    if (!openPersonal())
        return;
    const QString proposed =
        QDir(userFolder(QStandardPaths::DocumentsLocation)).filePath(QStringLiteral("alimenti-personali.csv"));
    const QString path = dialogs_.saveFileName(QStringLiteral("Esporta alimenti personali"), proposed, kCsvFilter);
    if (path.isEmpty())
        return;
    // Written beside and renamed at the end: a failed export leaves any earlier file whole.
    QSaveFile file(path);
    QString error;
    qint64 count = 0;
    if (file.open(QIODevice::WriteOnly)
        && personal_->exportFoods([&file](const QByteArray &piece) { return file.write(piece) == piece.size(); },
                                  &count, &error)
        && file.commit()) {
        dialogs_.message(
            QStringLiteral("Esportati %1 alimenti personali in %2.").arg(count).arg(QDir::toNativeSeparators(path)),
            kNotice, MessageIcon::Information);
        return;
    }
    dialogs_.message(
        error.isEmpty()
            ? QStringLiteral("Impossibile scrivere %1:\n%2").arg(QDir::toNativeSeparators(path), file.errorString())
            : error,
        kWarning, MessageIcon::Critical);
}

void MainWindowModel::saveMealAsFood()
{
    QString problem;
    if (!mealAsFood(meal_, QStringLiteral("-"), &problem)) {
        dialogs_.message(problem, kWarning, MessageIcon::Critical);
        return;
    }
    const QString typed = dialogs_.input(QStringLiteral("Nome del nuovo alimento personale (i valori sono per 100 g "
                                                        "del peso netto del pasto):"),
                                         QStringLiteral("Salva pasto come alimento"), QString());
    if (typed.trimmed().isEmpty())
        return;
    if (problem = nameProblem(typed); !problem.isEmpty()) {
        dialogs_.message(problem, kWarning, MessageIcon::Critical);
        return;
    }
    const PersonalFood food = *mealAsFood(meal_, typed, &problem);
    for (std::size_t k = 0; k < food.nutrients.size(); ++k)
        if (problem = quantityProblem(static_cast<int>(k) + 1, *food.nutrients[k]); !problem.isEmpty()) {
            dialogs_.message(problem, kWarning, MessageIcon::Critical);
            return;
        }
    if (!openPersonal())
        return;
    QString replacing;
    if (const auto existing = personal_->find(food.name)) {
        if (dialogs_.askYesNoCancel(
                QStringLiteral("Esiste già un alimento personale di nome \"%1\". Sostituirlo?").arg(existing->name),
                kWarning)
            != Answer::Yes)
            return;
        replacing = existing->name;
    }
    QString error;
    if (!personal_->save(food, replacing, &error)) {
        dialogs_.message(error, kWarning, MessageIcon::Critical);
        return;
    }
    const QLocale locale;
    QStringList values;
    for (std::size_t k = 0; k < food.nutrients.size(); ++k) {
        const FoodQuantity &q = foodQuantities()[k + 1];
        values.append(
            QStringLiteral("%1 %2 %3").arg(q.label.toLower(), formatGroupedUpTo2(*food.nutrients[k], locale), q.unit));
    }
    dialogs_.message(QStringLiteral("Creato l'alimento personale \"%1\" (parte edibile 100%), per 100 g di pasto:\n%2.")
                         .arg(food.name, values.join(QStringLiteral(", "))),
                     kNotice, MessageIcon::Information);
    if (personalCategoryCurrent())
        chooseCategory(kPersonalCategory);
}

}  // namespace velmo
