#include "meal/pasto/mealcomposer.h"

#include "catalogue/foodcategory.h"
#include "common/inputecho.h"

namespace velmo {

MealComposer::MealComposer(const QSqlDatabase &database) : browser_(data_)
{
    data_.setDatabase(database);
    lookup_.setDatabase(database);
    QObject::connect(&browser_, &FoodBrowser::lblnomeChanged, &grid_, [this] {
        notifiedRow_ = data_.currentRow();
        grid_.inseri(browser_.current());
    });
}

const MealComposer::Names *MealComposer::names(int category, QString *databaseError)
{
    auto known = names_.find(category);
    if (known == names_.end()) {
        lookup_.setRecordSource(foodCategories()[static_cast<std::size_t>(category)].recordSource());
        if (!lookup_.refresh(databaseError))
            return nullptr;
        Names names;
        for (int i = 0; i < lookup_.rowCount(); ++i) {
            names.names.append(lookup_.row(i).name);
            names.keys.append(nameKey(names.names.back()));
        }
        names.known = QSet<QString>(names.keys.cbegin(), names.keys.cend());
        known = names_.emplace(category, std::move(names)).first;
    }
    return &known->second;
}

std::vector<InputError> MealComposer::missingFoods(const std::vector<MealFileEntry> &entries,
                                                   QString *databaseError)
{
    std::vector<InputError> errors;
    for (const MealFileEntry &entry : entries) {
        if (entry.category < 0 || entry.food.isEmpty())
            continue;
        const Names *category = names(entry.category, databaseError);
        if (!category)
            return errors;
        const QString key = nameKey(entry.food);
        if (category->known.contains(key))
            continue;
        const QString heading = foodCategories()[static_cast<std::size_t>(entry.category)].heading;
        QString message =
            QStringLiteral("l'alimento %1 non è nella categoria \"%2\"").arg(echoInput(entry.food), heading);
        // A name that differs only in capitals is most likely what was meant.
        for (qsizetype i = 0; i < category->keys.size(); ++i)
            if (category->keys[i].compare(key, Qt::CaseInsensitive) == 0) {
                message += QStringLiteral(" (forse %1?)").arg(echoInput(category->names[i]));
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
    const QString wanted = nameKey(entry.food);
    int index = -1;
    for (int i = 0; i < data_.rowCount() && index < 0; ++i)
        if (nameKey(data_.row(i).name) == wanted)
            index = i;
    if (index < 0) {
        *error = QStringLiteral("riga %1: l'alimento %2 non è più nell'archivio").arg(entry.line).arg(echoInput(entry.food));
        return false;
    }
    // The table shows the catalogue's own spelling of the name.
    const QString name = data_.row(index).name;
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
    if (open < 0 || grid_.row(open).name() != name) {
        *error = QStringLiteral("riga %1: nessuna riga libera per %2").arg(entry.line).arg(echoInput(name));
        return false;
    }
    grid_.setGrossText(open, entry.grams);
    grid_.setLock(open, 1);
    if (grid_.row(open).lock != 1) {
        *error = QStringLiteral("riga %1: la riga di %2 non è stata calcolata").arg(entry.line).arg(echoInput(name));
        return false;
    }
    return true;
}

}  // namespace velmo
