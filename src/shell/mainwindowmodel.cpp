// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/mainwindowmodel.h"

#include "catalogue/foodcategory.h"
#include "catalogue/personalfood.h"
#include "common/decimalround.h"
#include "common/inputecho.h"
#include "meal/measurestore.h"
#include "meal/mealcomposer.h"
#include "meal/nutrientstore.h"
#include "nutrition/profile.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <system_error>

namespace velmo {

MainWindowModel::MainWindowModel(Dialogs &dialogs, QObject *parent)
    : QObject(parent), dialogs_(dialogs), browser_(dataControl_), document_({dataControl_, browser_, meal_,
                                                                             [this](int category) {
                                                                                 chooseCategory(category);
                                                                                 return dataControl_.hasRecordset();
                                                                             }},
                                                                            dialogs_),
      persons_(dialogs_), mealSteps_({meal_, document_, browser_, undoStack_}),
      dayPlan_({document_, mealSteps_, dialogs_}), storedDays_({document_, meal_, mealSteps_, undoStack_, persons_}),
      dayCopies_({document_, mealSteps_, dayPlan_, undoStack_, persons_, storedDays_, dialogs_})
{
    // Enough for a long session's steps, and a bound on what they keep.
    undoStack_.setUndoLimit(kUndoLimit);
    // A stored day is weighed against the requirement of its own date: the age and the weight then.
    persons_.setDayDate([this] {
        const auto &shown = document_.storedDay();
        return shown ? shown->date : QDate();
    });
    personalFoods_ = std::make_unique<PersonalFoodCommands>(
        PersonalFoodCommands::WindowParts{
            dataControl_, browser_, meal_, [this](int category) { chooseCategory(category); },
            [this] { return category_; }, [this](PersonalFood &food) { completeRecipe(food); },
            [this](bool busy) {
                setMousePointer(busy ? MousePointer::Hourglass : MousePointer::Default);
                if (!busy && readingProgress_)
                    readingProgress_(-1);
            },
            [this](int permille) { return !readingProgress_ || readingProgress_(permille); },
            [this] { return undoStack_.canUndo(); },
            [this](const QString &name) { return personalFoodUsesText(name); }},
        dialogs_);
    connect(personalFoods_.get(), &PersonalFoodCommands::foodsChanged, this, &MainWindowModel::personalFoodsChanged);
    // What others have changed before the catalogue was opened is read with it.
    connect(personalFoods_.get(), &PersonalFoodCommands::opened, this,
            [this] { personalFoodsSeen_ = personalFoods_->catalogue()->othersChanges(); });
    connect(&mealSteps_, &MealSteps::restored, this, [this] {
        dropDeletedPersonalFoods({});
        recomposePersonalRows();
    });
    connect(personalFoods_.get(), &PersonalFoodCommands::foodDeleted, this,
            [this](const QString &name) { dropDeletedPersonalFoods(name); });
    connect(&meal_, &MealGrid::totalsChanged, this, &MainWindowModel::updateComparison);
    connect(&meal_, &MealGrid::hintChanged, this, &MainWindowModel::statusHintChanged);
    connect(&meal_, &MealGrid::cellChanged, this, [this](int, MealColumn column) {
        if (column == MealColumn::Name && meal_.holdsNoFood() != mealHoldsNoFood_) {
            mealHoldsNoFood_ = !mealHoldsNoFood_;
            emit statusHintChanged();
        }
    });
    connect(&browser_, &FoodBrowser::foodNameChanged, this, [this] { meal_.placeFood(browser_.current()); });
    meal_.setDialogs(&dialogs_);
    document_.setPersonalDatabase([this]() -> std::optional<QSqlDatabase> {
        if (!personalFoods_->open())
            return std::nullopt;
        return personalFoods_->catalogue()->connection();
    });
    connect(&document_, &MealDocument::fileUsed, &recentFiles_, &RecentFiles::add);
    connect(&dataControl_, &DataControl::validate, this, [this] { setMousePointer(MousePointer::Hourglass); });
    connect(&dataControl_, &DataControl::reposition, this, [this] { setMousePointer(MousePointer::Default); });
    connect(&dataControl_, &DataControl::dataError, this, [this](const QString &message) {
        setMousePointer(MousePointer::Default);
        dialogs_.message(message, QStringLiteral("Velmo"), MessageIcon::Critical);
    });
}

MainWindowModel::~MainWindowModel() = default;

// The table's rows hold the values their foods had when placed: a personal food changed since is
// composed again, so that the totals, the profile and a meal saved as a food all read its values
// as they are now; a food renamed, or written in other capitals by an import, is named anew in
// every meal of the day. One step, which "Annulla" takes back as any other; values changed alone
// are composed in place, with no step. A food deleted leaves
// the meal and the day at once, as after an undo: a row left behind would be written into the
// stored day or the next saved file, which would then not open.
// A new name is no step: the steps before it name the food as it was, a name no longer in the
// catalogue, which taking one back would write into the table and the stored days. They go.
void MainWindowModel::personalFoodsChanged(const QString &renamedFrom, const QString &renamedTo)
{
    const MealDocument::DayState was = document_.dayState();
    MealDocument::DayState next = was;
    std::vector<MealFileEntry> shown = document_.entries();
    const QString renamedKey = renamedFrom.isEmpty() ? QString() : personalFoodKey(renamedFrom);
    const PersonalCatalogue *catalogue = personalFoods_->catalogue();
    // Whether `entries` name a personal food, each now named as the catalogue names it.
    const auto rename = [&](std::vector<MealFileEntry> &entries) {
        bool personal = false;
        for (MealFileEntry &entry : entries) {
            if (!isPersonalCategory(entry.category))
                continue;
            personal = true;
            if (!renamedKey.isEmpty() && personalFoodKey(entry.food) == renamedKey)
                entry.food = renamedTo;
            else if (const auto found = catalogue ? catalogue->find(entry.food) : std::nullopt)
                entry.food = found->name;
        }
        return personal;
    };
    const bool shownPersonal = rename(shown);
    for (DayMeal &meal : next.day.meals)
        rename(meal.entries);
    const bool newName = !renamedKey.isEmpty() && renamedKey != personalFoodKey(renamedTo);
    const auto update = [&] {
        QString ignored;
        document_.setDayState(next);
        if (document_.setShownEntries(shown, &ignored))
            return true;
        document_.setDayState(was);
        return false;
    };
    if (newName) {
        update();
        undoStack_.clear();
    } else if (shown != document_.entries() || next != was) {
        mealSteps_.record(tr("aggiornamento degli alimenti personali"), update);
    } else if (shownPersonal) {
        // Only values changed: the rows take them where they stand, with no step, which taking
        // back would seem to do nothing, since every undo composes the rows as they are now.
        recomposePersonalRows();
    }
    // A new name reaches every person's stored days and the habitual meals too, or they would name
    // a food no longer there. The day shown is written first, so that it keeps its own revision.
    if (!newName || !QFileInfo::exists(persons_.path()))
        return;
    storedDays_.flush();
    PersonStore *store = persons_.store();
    if (const StoreResult result = store ? store->renamePersonalFood(renamedFrom, renamedTo) : StoreResult{};
        !result.ok())
        dialogs_.message(tr("Il nuovo nome di \"%1\" non è stato scritto nei giorni delle persone, che lo "
                            "nominano ancora come prima: %2")
                             .arg(renamedTo, result.message),
                         warningTitle(), MessageIcon::Critical);
}

// The personal food just `deleted` leaves the meal and the day, so that it is never written again
// into a stored day or a file, which would then not open; after an undo or a redo (`deleted`
// empty), which put rows back as they were, every personal food no longer there leaves them.
// The table's rows that held it are unlocked where they stand, as the user unlocks a row: the
// other rows keep their places, which the steps to take back name by number.
void MainWindowModel::dropDeletedPersonalFoods(const QString &deleted, bool elsewhere)
{
    const PersonalCatalogue *catalogue = personalFoods_->catalogue();
    if (!catalogue)
        return;
    const auto isDeleted = [&](int category, const QString &food) {
        return isPersonalCategory(category)
               && (deleted.isEmpty() ? !catalogue->find(food).has_value()
                                     : personalFoodKey(food) == personalFoodKey(deleted));
    };
    // The foods that leave the meal, for the message: an unlocked row is not yet the meal's.
    QStringList gone;
    const auto isGone = [&](int category, const QString &food) {
        if (!isDeleted(category, food))
            return false;
        if (!gone.contains(food))
            gone.append(food);
        return true;
    };
    MealGridState emptied = meal_.state();
    std::vector<int> unlocked;
    for (int r = 0; r < kMealRows; ++r) {
        const auto food = document_.rowFood(r);
        if (!food || !isDeleted(food->category, food->name))
            continue;
        if (meal_.row(r).lock == 1) {
            isGone(food->category, food->name);
            meal_.setLock(r, 0);
        } else {
            // An unlocked row that a step put back holding it would lock it again: it is emptied
            // as browsing empties it, the gross weight typed left in place.
            MealRow &row = emptied.rows[static_cast<std::size_t>(r)];
            for (MealCell &cell : row.cells)
                if (&cell != &row.cell(MealColumn::Gross))
                    cell.text.clear();
            row.portion.clear();
            unlocked.push_back(r);
        }
    }
    if (!unlocked.empty())
        meal_.restoreRows(emptied, unlocked);
    MealDocument::DayState next = document_.dayState();
    for (DayMeal &meal : next.day.meals)
        std::erase_if(meal.entries, [&](const MealFileEntry &entry) { return isGone(entry.category, entry.food); });
    if (gone.isEmpty())
        return;
    document_.setDayState(next);
    const QString names = echoInput(gone.join(QStringLiteral(", ")));
    dialogs_.message(elsewhere ? tr("Questi alimenti personali non sono più nell'archivio (eliminati o rinominati da "
                                    "un'altra finestra di Velmo o da velmo-pasto) e sono tolti dal pasto: %1.")
                                     .arg(names)
                     : deleted.isEmpty()
                         ? tr("Questi alimenti personali sono stati eliminati e non tornano nel pasto: %1.").arg(names)
                         : tr("L'alimento eliminato è tolto anche dal pasto e dal giorno: %1.").arg(names),
                     noticeTitle(), MessageIcon::Information);
}

// "È nei giorni salvati di Anna e Bea (3 giorni) e in 1 pasto abituale.", nothing when the food is
// planned nowhere, or the words that the persons' store could not say.
QString MainWindowModel::personalFoodUsesText(const QString &name)
{
    if (!QFileInfo::exists(persons_.path()))
        return {};
    StoreResult result;
    const PersonStore::PersonalFoodUses uses = persons_.store() ? persons_.store()->personalFoodUses(name, &result)
                                                                : PersonStore::PersonalFoodUses{};
    // Silence would read as a food planned nowhere.
    if (!persons_.store() || !result.ok())
        return tr("Non si è potuto controllare in quali giorni delle persone è usato.");
    constexpr int kNamed = 5;  // persons named; the others counted
    QStringList where;
    if (uses.days > 0) {
        QString persons = QLocale().createSeparatedList(uses.persons.mid(0, kNamed));
        if (uses.persons.size() > kNamed)
            persons = tr("%1 e di altre %n persone", nullptr, static_cast<int>(uses.persons.size()) - kNamed)
                          .arg(uses.persons.mid(0, kNamed).join(QStringLiteral(", ")));
        where << tr("nei giorni salvati di %1 (%n giorni)", nullptr, uses.days).arg(persons);
    }
    if (uses.habitualMeals > 0)
        where << tr("in %n pasti abituali", nullptr, uses.habitualMeals);
    return where.isEmpty() ? QString() : tr("È %1.").arg(where.join(tr(" e ")));
}

void MainWindowModel::followPersonalFoodsChangedElsewhere()
{
    const PersonalCatalogue *catalogue = personalFoods_->catalogue();
    if (!catalogue)
        return;  // not opened yet: what it is read to be is what it is now
    const std::optional<qint64> changed = catalogue->othersChanges();
    if (changed == personalFoodsSeen_)
        return;
    personalFoodsSeen_ = changed;
    if (category_ == kPersonalCategory) {
        // Shown anew, standing on the food that was current.
        const QString current = browser_.foodName();
        chooseCategory(kPersonalCategory);
        for (int i = 0; i < dataControl_.rowCount(); ++i)
            if (personalFoodKey(dataControl_.row(i).name) == personalFoodKey(current)) {
                dataControl_.moveTo(i);
                break;
            }
    }
    // A food of the day no longer there: a stored day is read again, since the store has another
    // window's renames and keeps the rows of a food deleted there, which the day is shown without
    // at the user's word; a file's meal loses them. New values alone are composed in place.
    const MealDay day = document_.day();
    const bool gone = std::any_of(day.meals.cbegin(), day.meals.cend(), [catalogue](const DayMeal &meal) {
        return std::any_of(meal.entries.cbegin(), meal.entries.cend(), [catalogue](const MealFileEntry &entry) {
            return isPersonalCategory(entry.category) && !catalogue->find(entry.food);
        });
    });
    if (gone && (!document_.storedDay() || !storedDays_.readAgain()))
        dropDeletedPersonalFoods({}, true);
    recomposePersonalRows();
}

// A step taken back, or made again, puts rows back with the values their foods had then: a
// personal food changed since is composed again where it stands, as the catalogue has it now, so
// that the table, its totals and a meal saved as a food never hold values no food has. No step:
// the catalogue's change is not taken back, and the rows keep the places the steps name.
void MainWindowModel::recomposePersonalRows()
{
    const PersonalCatalogue *catalogue = personalFoods_->catalogue();
    if (!catalogue || !database_)
        return;
    MealGridState fresh = meal_.state();
    // A row named anew takes the category browsed now, as a food placed does: it keeps its own.
    std::vector<int> changed;
    std::vector<int> categories;
    for (int r = 0; r < kMealRows; ++r) {
        const MealRow &row = meal_.row(r);
        const auto food = document_.rowFood(r);
        if (!food || !isPersonalCategory(food->category))
            continue;
        MealComposer composer(database_->connection());
        composer.setPersonalDatabase(catalogue->connection());
        QString error;
        const MealFileEntry entry{0, food->category, food->name, row.cell(MealColumn::Gross).text, row.portion};
        // An unlocked row holds the food's values per 100 g, as browsing puts them there, and
        // the gross weight typed.
        const std::optional<int> at = row.lock == 1 ? (composer.add(entry, &error) ? std::optional(0) : std::nullopt)
                                                    : composer.place(entry, &error);
        if (!at)
            continue;
        MealRow now = composer.grid().row(*at);
        now.visible = row.visible;
        if (row.lock != 1) {
            now.cell(MealColumn::Gross) = row.cell(MealColumn::Gross);
            now.portion = row.portion;
        }
        if (now != row) {
            fresh.rows[static_cast<std::size_t>(r)] = std::move(now);
            changed.push_back(r);
            categories.push_back(food->category);
        }
    }
    if (changed.empty())
        return;
    meal_.restoreRows(fresh, changed);
    for (std::size_t i = 0; i < changed.size(); ++i)
        document_.setRowCategory(changed[i], categories[i]);
}

bool MainWindowModel::load(const QString &databasePath, QString *error)
{
    flipToolbarStyle();
    setMousePointer(MousePointer::Default);
    database_ = FoodDatabase::open(databasePath, error);
    if (!database_)
        return false;
    MeasureStore::showEnglishNamesOf(database_->connection());
    dataControl_.setDatabase(database_->connection());
    document_.setDatabase(database_->connection());
    setCategoryHeading(tr("Alimenti"));
    return true;
}

void MainWindowModel::setCalculatedPerson(const std::optional<IntakePerson> &person)
{
    const auto same = [](const IntakePerson &a, const IntakePerson &b) {
        return a.female == b.female && a.ageYears == b.ageYears && a.pregnant == b.pregnant
               && a.lactating == b.lactating && a.source == b.source && a.weightKg == b.weightKg;
    };
    if (person.has_value() == calculatedPerson_.has_value() && (!person || same(*person, *calculatedPerson_)))
        return;
    calculatedPerson_ = person;
    emit calculatedPersonChanged();
}

// The meal's own sums stand for the six values the table shows, except where an ingredient lacks
// one; the other nutrients come from the profile of the locked rows. A database without the
// profile leaves the sums as they are.
void MainWindowModel::completeRecipe(PersonalFood &food)
{
    static constexpr std::array<int, 6> kTableNutrients{203, 204, 205, 208, 291, 601};
    NutrientStore *store = nutrientStore();
    QString error;
    const Nutrients *nutrients = store ? store->nutrients(&error) : nullptr;
    const auto meal = nutrients ? nutritionMeal(document_.entries(), *store, &error) : std::nullopt;
    const auto values = meal ? recipeValues(*nutrients, *meal) : std::nullopt;
    if (!values)
        return;
    const auto valueOf = [&](std::optional<int> index) -> std::optional<std::optional<double>> {
        if (!index)
            return std::nullopt;  // not in the profile: nothing to say
        return values->per100g[static_cast<std::size_t>(*index)];
    };
    for (std::size_t k = 0; k < kTableNutrients.size(); ++k)
        if (const auto value = valueOf(nutrients->indexOfSource(kTableNutrients[k])); value && !*value)
            food.nutrients[k].reset();
    for (std::size_t e = 0; e < kExtraNutrientCount; ++e) {
        const auto value = valueOf(nutrients->indexOf(QString::fromLatin1(extraNutrients()[e].tag)));
        const auto cents = value && *value ? roundHalfEvenScaled(**value, 2) : std::nullopt;
        food.extra[e] = cents ? std::optional(static_cast<double>(*cents) / 100) : std::nullopt;
    }
}

NutrientStore *MainWindowModel::nutrientStore()
{
    if (!database_)
        return nullptr;
    if (!nutrientStore_)
        nutrientStore_ = std::make_unique<NutrientStore>(database_->connection());
    // A personal food reaches the table only from an open catalogue.
    if (PersonalCatalogue *personal = personalFoods_->catalogue())
        nutrientStore_->setPersonalDatabase(personal->connection());
    return nutrientStore_.get();
}

void MainWindowModel::flipToolbarStyle()
{
    toolbarFlat_ = !toolbarFlat_;
    emit toolbarFlatChanged();
}

QString MainWindowModel::statusDateText(QDate date)
{
    return QLocale().toString(date, QStringLiteral("dd MMMM yyyy"));
}

QString MainWindowModel::statusTimeText(QTime time)
{
    // The user's time format with seconds, without the time zone that Qt's long format adds.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale().toString(time, format.trimmed());
}

void MainWindowModel::activate(const QDate &today)
{
    statusDate_ = statusDateText(today);
    clockEnabled_ = true;
    emit statusChanged();
}

void MainWindowModel::clockTick(const QTime &now)
{
    statusTime_ = statusTimeText(now);
    emit statusChanged();
}

void MainWindowModel::titleTick()
{
    if (scrollingTitle_.isEmpty())
        return;
    scrollingTitle_ = scrollingTitle_.mid(1) + scrollingTitle_.at(0);
    emit scrollingTitleChanged();
}

void MainWindowModel::chooseCategory(int index)
{
    if (index < 0 || index >= kAllCategoryCount)
        return;
    if (isPersonalCategory(index) && !personalFoods_->open())
        return;
    category_ = index;
    const FoodCategory &category = foodCategory(index);
    // The personal foods live in a file of their own; the other sixteen in the shipped one.
    dataControl_.setDatabase(isPersonalCategory(index) ? personalFoods_->catalogue()->connection()
                             : database_               ? database_->connection()
                                                       : QSqlDatabase());
    setCategoryHeading(category.shownHeading());
    document_.setCurrentCategory(index);
    dataControl_.setRecordSource(category.recordSource());
    dataControl_.refresh();
}

void MainWindowModel::gridClicked()
{
    meal_.resetTextColours();
}

void MainWindowModel::gridRowChosen(int row)
{
    dataControl_.moveTo(row);
}

void MainWindowModel::exitClicked()
{
    if (document_.confirmDiscard())
        emit exitRequested();
}

std::optional<MealComparison> MainWindowModel::comparison() const
{
    if (!requirementKcal_)
        return std::nullopt;
    return compareWithRequirement(meal_.totals(), *requirementKcal_, QLocale());
}

QString MainWindowModel::statusHint() const
{
    if (!meal_.hint().isEmpty())
        return meal_.hint();
    return mealHoldsNoFood_ ? tr("Scegli un alimento: Scelta alimenti o Ctrl+F") : QString();
}

void MainWindowModel::setRequirement(std::optional<double> kcal, const QString &whose)
{
    requirementKcal_ = kcal;
    requirementWhose_ = whose;
    updateComparison();
    emit requirementChanged();
}

void MainWindowModel::updateComparison()
{
    const auto now = comparison();
    const QString text = now ? velmo::comparisonText(*now, requirementWhose_, QLocale()) : QString();
    if (text == comparisonText_)
        return;
    comparisonText_ = text;
    emit comparisonChanged();
}

void MainWindowModel::setCategoryHeading(const QString &text)
{
    if (categoryHeading_ == text)
        return;
    categoryHeading_ = text;
    emit categoryHeadingChanged();
}

void MainWindowModel::setMousePointer(MousePointer pointer)
{
    if (mousePointer_ == pointer)
        return;
    mousePointer_ = pointer;
    emit mousePointerChanged();
}

void MainWindowModel::prepareFoodSearch()
{
    if (foodSearchRead_ || preparedSearch_.valid() || !database_)
        return;
    try {
        // A connection of its own, in the thread that reads: a connection serves one thread.
        preparedSearch_ = std::async(std::launch::async, [path = database_->path()] {
            PreparedSearch prepared;
            if (const auto database = FoodDatabase::open(path, &prepared.error))
                prepared.read = prepared.search.load(database->connection(), &prepared.error);
            return prepared;
        });
    } catch (const std::system_error &) {
        // No thread to spare: the first search reads the foods itself.
    }
}

const FoodSearch &MainWindowModel::foodSearch()
{
    if (!foodSearchRead_ && database_) {
        foodSearchRead_ = true;
        PreparedSearch prepared = preparedSearch_.valid() ? preparedSearch_.get() : PreparedSearch();
        // Whatever the thread could not read is read here, and its failure told as ever.
        if (prepared.read)
            foodSearch_ = std::move(prepared.search);
        else
            foodSearch_.load(database_->connection(), &foodSearchError_);
    }
    // The personal foods change while the program runs, so they are read at every search; a
    // catalogue never used is not created for it.
    PersonalFoodCommands &personal = *personalFoods_;
    personalSearchError_.clear();
    if ((personal.catalogue() || QFileInfo::exists(personal.path())) && personal.openForSearch())
        foodSearch_.readCategory(personal.catalogue()->connection(), kPersonalCategory, &personalSearchError_);
    return foodSearch_;
}

void MainWindowModel::chooseFood(const SearchableFood &food)
{
    // The food chosen goes to the open row even when it was current already (the first of its
    // category, shown again): the name did not change, and so did not place it.
    const int placements = meal_.placements();
    const auto moveTo = [&](int row) {
        dataControl_.moveTo(row);
        if (meal_.placements() == placements)
            meal_.placeFood(browser_.current());
    };
    chooseCategory(food.category);
    // The index and the tables are written together; the name guards against a file changed
    // under a running program.
    if (food.row >= 0 && food.row < dataControl_.rowCount() && dataControl_.row(food.row).name == food.name) {
        moveTo(food.row);
        return;
    }
    // Found before the category changed: looked for by its name.
    for (int row = 0; row < dataControl_.rowCount(); ++row)
        if (dataControl_.row(row).name == food.name) {
            moveTo(row);
            return;
        }
    dialogs_.message(tr("L'alimento \"%1\" non è più fra gli alimenti della categoria: la riga mostra il primo "
                        "alimento della categoria.")
                         .arg(food.name),
                     warningTitle(), MessageIcon::Critical);
}

// The toolbar handler skips every step that fails and goes on with the next one; a test that
// cannot be made (no recordset yet) counts as passed. That is why, before any category has been
// chosen, "next" and "previous" still end with their message while "first" and "last" do nothing.

void MainWindowModel::toolbarButtonClicked(int position)
{
    switch (position) {
    case First: navigateFirst(); break;
    case Previous: navigateStep(false); break;
    case Next: navigateStep(true); break;
    case Last: navigateLast(); break;
    case Print: emit printRequested(); break;
    case Help: emit helpRequested(); break;
    case Exit: exitClicked(); break;
    default: break;  // the separators
    }
}

void MainWindowModel::refreshQuietly()
{
    // Without a record source there is nothing to re-read: the step fails and is skipped.
    if (!dataControl_.recordSource().isEmpty())
        dataControl_.refresh();
}

void MainWindowModel::navigateFirst()
{
    refreshQuietly();
    dataControl_.moveFirst();
}

void MainWindowModel::navigateLast()
{
    refreshQuietly();
    dataControl_.moveLast();
}

// "Previous" and "next" are one step in opposite directions: past the end they go back to the
// edge with a message; at the edge already, they wrap to the other end.
void MainWindowModel::navigateStep(bool forward)
{
    const auto atEdge = [&] { return forward ? dataControl_.eof() : dataControl_.bof(); };
    const auto toEdge = [&] { forward ? dataControl_.moveLast() : dataControl_.moveFirst(); };
    const auto toOtherEnd = [&] { forward ? dataControl_.moveFirst() : dataControl_.moveLast(); };
    if (!atEdge().value_or(false)) {
        forward ? dataControl_.moveNext() : dataControl_.movePrevious();
        if (atEdge().value_or(true)) {
            refreshQuietly();
            toEdge();
            dialogs_.message(forward ? tr("Sei alla fine dell'Archivio") : tr("Sei all'inizio dell'Archivio"),
                             warningTitle(), MessageIcon::Critical);
        }
    } else {
        refreshQuietly();
        toOtherEnd();
    }
}

}  // namespace velmo
