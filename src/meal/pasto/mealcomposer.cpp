#include "meal/pasto/mealcomposer.h"

#include "catalogue/foodcategory.h"

namespace velmo {

MealComposer::MealComposer(const QSqlDatabase &database) : browser_(data_)
{
    data_.setDatabase(database);
    data_.setCache(&recordsets_);
    lookup_.setDatabase(database);
    lookup_.setCache(&recordsets_);
    QObject::connect(&browser_, &FoodBrowser::lblnomeChanged, &grid_, [this] {
        notifiedRow_ = data_.currentRow();
        grid_.inseri(browser_.current());
    });
}

bool MealComposer::hasFood(int category, const QString &name, QString *databaseError)
{
    auto known = names_.find(category);
    if (known == names_.end()) {
        lookup_.setRecordSource(foodCategories()[static_cast<std::size_t>(category)].recordSource());
        if (!lookup_.refresh(databaseError))
            return false;
        QStringList names;
        for (int i = 0; i < lookup_.rowCount(); ++i)
            names.append(lookup_.row(i).name);
        known = names_.emplace(category, names).first;
    }
    return known->second.contains(name);
}

std::vector<InputError> MealComposer::missingFoods(const std::vector<MealFileEntry> &entries,
                                                   QString *databaseError)
{
    std::vector<InputError> errors;
    for (const MealFileEntry &entry : entries) {
        if (entry.category < 0 || entry.food.isEmpty())
            continue;
        if (hasFood(entry.category, entry.food, databaseError))
            continue;
        if (!databaseError->isEmpty())
            return errors;
        const FoodCategory &category = foodCategories()[static_cast<std::size_t>(entry.category)];
        QString message = QStringLiteral("l'alimento \"%1\" non è nella categoria \"%2\"").arg(entry.food, category.heading);
        // A name that differs only in capitals is most likely what was meant.
        for (const QString &candidate : names_[entry.category])
            if (candidate.compare(entry.food, Qt::CaseInsensitive) == 0) {
                message += QStringLiteral(" (forse \"%1\"?)").arg(candidate);
                break;
            }
        errors.push_back({entry.line, message});
    }
    return errors;
}

bool MealComposer::add(const MealFileEntry &entry, QString *error)
{
    notifiedRow_.reset();
    data_.setRecordSource(foodCategories()[static_cast<std::size_t>(entry.category)].recordSource());
    if (!data_.refresh(error))
        return false;
    int index = -1;
    for (int i = 0; i < data_.rowCount() && index < 0; ++i)
        if (data_.row(i).name == entry.food)
            index = i;
    if (index < 0) {
        *error = QStringLiteral("riga %1: l'alimento \"%2\" non è più nell'archivio").arg(entry.line).arg(entry.food);
        return false;
    }
    data_.moveTo(index);
    // The bound name reports only a different name: after the same food (or a namesake) the
    // table has not been told. The window's user would browse away and back; the end is the
    // same as handing the current food to the table once more.
    if (notifiedRow_ != data_.currentRow())
        grid_.inseri(browser_.current());

    int open = -1;
    for (int r = 0; r < kMealRows && open < 0; ++r)
        if (grid_.row(r).visible && grid_.row(r).lock == 0)
            open = r;
    if (open < 0 || grid_.row(open).name() != entry.food) {
        *error = QStringLiteral("riga %1: nessuna riga libera per \"%2\"").arg(entry.line).arg(entry.food);
        return false;
    }
    grid_.setGrossText(open, entry.grams);
    grid_.setLock(open, 1);
    if (grid_.row(open).lock != 1) {
        *error = QStringLiteral("riga %1: la riga di \"%2\" non è stata calcolata").arg(entry.line).arg(entry.food);
        return false;
    }
    return true;
}

}  // namespace velmo
