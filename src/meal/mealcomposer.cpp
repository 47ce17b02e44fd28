// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/mealcomposer.h"

#include "catalogue/foodcategory.h"
#include "common/inputecho.h"
#include "meal/portiontext.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <cmath>

namespace velmo {

struct MealComposer::OwnParts {
    DataControl data;
    FoodBrowser browser{data};
    MealGrid grid;
};

MealComposer::MealComposer(const QSqlDatabase &database, WindowParts parts, std::unique_ptr<OwnParts> &&own)
    : database_(database), own_(std::move(own)), data_(parts.data), browser_(parts.browser), grid_(parts.grid),
      chooseCategory_(std::move(parts.chooseCategory))
{
    foodNames_.setDatabase(database);
    lookup_.setDatabase(database);
    lookup_.setCache(&recordsets_);
    // The window's bound name already places every new food in its table.
    following_ = QObject::connect(&browser_, &FoodBrowser::foodNameChanged, &grid_, [this] {
        notifiedRow_ = data_.currentRow();
        if (own_)
            grid_.placeFood(browser_.current());
    });
}

MealComposer::MealComposer(const QSqlDatabase &database, WindowParts window)
    : MealComposer(database, std::move(window), nullptr)
{
}

MealComposer::MealComposer(const QSqlDatabase &database) : MealComposer(database, std::make_unique<OwnParts>())
{
}

MealComposer::MealComposer(const QSqlDatabase &database, std::unique_ptr<OwnParts> own)
    : MealComposer(database, WindowParts{own->data, own->browser, own->grid, {}}, std::move(own))
{
    data_.setDatabase(database);
    data_.setCache(&recordsets_);
}

MealComposer::~MealComposer()
{
    QObject::disconnect(following_);
}

namespace {

// The rows of one food in its category, in the table's order: what choosing the category and
// then the food makes current, without reading the rest of the category. The food's name is the
// one value bound; the table's name comes from the fixed list of categories.
QString foodSource(int category)
{
    return foodCategory(category).recordSource().trimmed() + QStringLiteral(" WHERE alimenti = ?");
}

// No name in the catalogue holds a control character: such a name is not even looked up.
bool couldBeAName(const QString &name)
{
    for (QChar c : name)
        if (c.category() == QChar::Other_Control)
            return false;
    return true;
}

}  // namespace

MealComposer::FoodKey MealComposer::keyOf(const MealFileEntry &entry) const
{
    // A meal line may name a shipped food by its Italian or its English name, whatever the
    // language: the table is searched by the first, its rows show the one of the language.
    const QString key = nameKey(entry.food);
    return {nameKey(foodNames_.canonical(entry.category, key)), nameKey(foodNames_.shown(entry.category, key))};
}

void MealComposer::prefetch(const std::vector<MealFileEntry> &entries)
{
    // Compiling a query costs many times what running it does, and a meal names at most twelve
    // foods: one query reads them all, one SELECT per category joined by UNION ALL, each row
    // tagged with its category. What it reads becomes the recordsets that checking and
    // composing then ask for; should it fail, they ask the database one food at a time.
    // A file holds the Italian names as the database stores them, so the first query looks the
    // names up as written and brings each food's names along, which would otherwise take one
    // query a food; only a name it does not find (an English one, a variant) is made canonical,
    // which may read its category's names, and looked up by a second query.
    const auto wantedBy = [&](const auto &keyOfEntry) {
        std::map<int, QStringList> wanted;  // category -> keys of the foods named in it
        for (const MealFileEntry &entry : entries) {
            if (entry.category < 0 || isPersonalCategory(entry.category))
                continue;
            const QString key = keyOfEntry(entry);
            if (key.isEmpty() || !couldBeAName(key) || recordsets_.find(foodSource(entry.category), {key}))
                continue;
            QStringList &keys = wanted[entry.category];
            if (!keys.contains(key))
                keys.append(key);
        }
        return wanted;
    };
    const std::map<int, QStringList> asWritten = wantedBy(
        [](const MealFileEntry &entry) { return nameKey(entry.food); });
    readRecordsets(asWritten, true);
    const std::map<int, QStringList> canonical = wantedBy(
        [this](const MealFileEntry &entry) { return keyOf(entry).canonical; });
    readRecordsets(canonical, false);
}

namespace {

// The query that reads the wanted foods of each category: from the table of every food by name
// when the file has it, else one SELECT per category joined by UNION ALL. Either way each row
// holds the eight columns, the category, the Italian name it was found by and the English name
// (the last only with `withNames` when read by category). True when read by name.
bool prepareFoodQuery(QSqlQuery &query, const std::map<int, QStringList> &wanted, bool withNames, bool *prepared)
{
    const auto bindAll = [&query](const QStringList &names) {
        for (const QString &name : names)
            query.addBindValue(name);
    };
    // The names are bound, one placeholder each; the tables come from the fixed list of
    // categories, the tags are their indexes.
    QStringList names;
    for (const auto &[category, keys] : wanted)
        for (const QString &key : keys)
            if (!names.contains(key))
                names.append(key);
    if (query.prepare(QStringLiteral("SELECT %1,categoria,alimenti,%2 FROM %3 WHERE alimenti IN (%4)")
                          .arg(foodColumnList(), kEnglishNameColumn, kFoodsByNameTable,
                               QStringList(names.size(), QStringLiteral("?")).join(u',')))) {
        bindAll(names);
        *prepared = true;
        return true;
    }
    QStringList terms;
    names.clear();
    const QString english = withNames ? QStringLiteral(",") + QLatin1StringView(kEnglishNameColumn) : QString();
    for (const auto &[category, keys] : wanted) {
        const QStringList placeholders(keys.size(), QStringLiteral("?"));
        terms.append(QStringLiteral("SELECT %1,%2,alimenti%3 FROM %4 WHERE alimenti IN (%5)")
                         .arg(foodCategory(category).selectList())
                         .arg(category)
                         .arg(english, foodCategory(category).table, placeholders.join(u',')));
        names.append(keys);
    }
    *prepared = query.prepare(terms.join(QStringLiteral(" UNION ALL ")));
    bindAll(names);
    return false;
}

}  // namespace

bool MealComposer::readRecordsets(const std::map<int, QStringList> &wanted, bool withNames)
{
    if (wanted.empty())
        return true;
    QSqlQuery query(database_);
    query.setForwardOnly(true);
    bool prepared = false;
    const bool byName = prepareFoodQuery(query, wanted, withNames, &prepared);
    if (!prepared || !query.exec())
        return false;
    const int tag = static_cast<int>(foodColumns().size());
    std::map<std::pair<int, QString>, std::vector<FoodRow>> rows;  // by category and name
    while (query.next()) {
        FoodRow row = foodRowOf(query, tag - 1);
        const int category = query.value(tag).toInt();
        const QString italian = query.value(tag + 1).toString();
        if (byName) {
            // The table by name holds every category's foods of that name, and their Italian name.
            const auto keys = wanted.find(category);
            if (keys == wanted.end() || !keys->second.contains(italian))
                continue;
            if (foodCategory(category).showsEnglishNames() && !query.isNull(tag + 2))
                row.name = query.value(tag + 2).toString();
        }
        // The row the names' own look-up would take: the first with an English name. The table by
        // name is the builder's, whose English names are each one food's.
        if (withNames && !query.isNull(tag + 2))
            foodNames_.remember(category, italian, query.value(tag + 2).toString(), byName);
        rows[{category, italian}].push_back(std::move(row));
    }
    if (query.lastError().isValid())
        return false;
    const QStringList columnNames(foodColumns().cbegin(), foodColumns().cend());
    for (const auto &[category, keys] : wanted)
        for (const QString &key : keys) {
            // Looked up as written, a name not found may still be another's English name.
            const auto found = rows.find({category, key});
            if (found == rows.end() && withNames)
                continue;
            recordsets_.insert(foodSource(category), {key},
                               {found == rows.end() ? std::vector<FoodRow>{} : std::move(found->second), columnNames});
        }
    return true;
}

bool MealComposer::hasFood(int category, const FoodKey &key, QString *databaseError)
{
    if (couldBeAName(key.canonical)) {
        lookup_.setDatabase(databaseOf(category));
        lookup_.setRecordSource(foodSource(category), {key.canonical});
        if (!lookup_.refresh(databaseError))
            return false;
        for (int i = 0; i < lookup_.rowCount(); ++i)
            if (lookup_.row(i).name == key.shown)
                return true;
    }
    // Shipped names are in their key form and found above; a name written with typographic
    // quotes or decomposed accents is found only by comparing keys.
    for (const QString &candidate : namesOf(category, databaseError))
        if (nameKey(candidate) == key.shown)
            return true;
    return false;
}

std::optional<double> MealComposer::ediblePercentOf(int category, const FoodKey &key, QString *databaseError)
{
    for (bool whole : {false, true}) {
        lookup_.setDatabase(databaseOf(category));
        if (whole)
            lookup_.setRecordSource(foodCategory(category).recordSource());
        else
            lookup_.setRecordSource(foodSource(category), {key.canonical});
        if (!lookup_.refresh(databaseError))
            return std::nullopt;
        for (int i = 0; i < lookup_.rowCount(); ++i)
            if (nameKey(lookup_.row(i).name) == key.shown && lookup_.row(i).hasValue(0))
                return lookup_.row(i).values[0];
    }
    return std::nullopt;
}

std::optional<FoodPortions> MealComposer::portionsOf(int category, const QString &canonical, QString *databaseError)
{
    if (isPersonalCategory(category))
        return personalFoodPortions(personal_, canonical, databaseError);
    return measures_.portions({category, canonical}, databaseError);
}

PortionValue MealComposer::portionEdible(const MealFileEntry &entry, QString *databaseError)
{
    const QString canonical = foodNames_.canonical(entry.category, nameKey(entry.food));
    const auto portions = portionsOf(entry.category, canonical, databaseError);
    if (!portions)
        return {};
    return readPortionText(entry.portion, *portions, entry.food);
}

PortionValue MealComposer::portionGross(const MealFileEntry &entry, double ediblePercent, QString *databaseError)
{
    const PortionValue edible = portionEdible(entry, databaseError);
    return edible.value ? grossGramsFor(*edible.value, ediblePercent) : edible;
}

const QStringList &MealComposer::namesOf(int category, QString *databaseError)
{
    auto known = names_.find(category);
    if (known == names_.end()) {
        lookup_.setDatabase(databaseOf(category));
        lookup_.setRecordSource(foodCategory(category).recordSource());
        QStringList names;
        if (lookup_.refresh(databaseError))
            for (int i = 0; i < lookup_.rowCount(); ++i)
                names.append(lookup_.row(i).name);
        known = names_.emplace(category, names).first;
    }
    return known->second;
}

std::vector<InputError> MealComposer::missingFoods(const std::vector<MealFileEntry> &entries, QString *databaseError)
{
    prefetch(entries);
    std::vector<InputError> errors;
    for (const MealFileEntry &entry : entries) {
        if (entry.category < 0 || entry.food.isEmpty())
            continue;
        const QString key = nameKey(entry.food);
        if (hasFood(entry.category, keyOf(entry), databaseError)) {
            // A personal food's measures may have changed since its file was saved: beside the
            // grams, a label no longer among them goes, as in a stored day.
            if (entry.portion.isEmpty()
                || ((storedLabels_ || isPersonalCategory(entry.category)) && !entry.grams.isEmpty()))
                continue;
            // A portion after the grams only names them, but it must be one of the food's.
            const auto edible = entry.grams.isEmpty() ? ediblePercentOf(entry.category, keyOf(entry), databaseError)
                                                      : std::nullopt;
            const PortionValue gross = edible                  ? portionGross(entry, *edible, databaseError)
                                       : entry.grams.isEmpty() ? PortionValue()
                                                               : portionEdible(entry, databaseError);
            if (!databaseError->isEmpty())
                return errors;
            if (!gross.value && !gross.error.isEmpty())
                errors.push_back({entry.line, gross.error});
            continue;
        }
        if (!databaseError->isEmpty())
            return errors;
        const QString heading = foodCategory(entry.category).shownHeading();
        // A name that differs only in capitals is most likely what was meant.
        std::optional<QString> meant;
        for (const QString &candidate : namesOf(entry.category, databaseError))
            if (nameKey(candidate).compare(key, Qt::CaseInsensitive) == 0) {
                meant = candidate;
                break;
            }
        const QString message = meant ? QCoreApplication::translate(
                                            "MealComposer", "l'alimento %1 non è nella categoria \"%2\" (forse %3?)")
                                            .arg(echoInput(entry.food), heading, echoInput(*meant))
                                      : QCoreApplication::translate("MealComposer",
                                                                    "l'alimento %1 non è nella categoria \"%2\"")
                                            .arg(echoInput(entry.food), heading);
        errors.push_back({entry.line, message});
    }
    return errors;
}

bool MealComposer::showCategoryWith(int category, const FoodKey &key, int *index, QString *error)
{
    const auto find = [&] {
        for (int i = 0; i < data_.rowCount(); ++i)
            if (nameKey(data_.row(i).name) == key.shown)
                return i;
        return -1;
    };
    if (chooseCategory_) {
        if (!chooseCategory_(category)) {
            // The window has shown why already.
            *error = QCoreApplication::translate("MealComposer", "impossibile leggere la categoria \"%1\"")
                         .arg(foodCategory(category).heading);
            return false;
        }
        *index = find();
        return true;
    }
    // Alone, the category shows only the food's rows: the first of them is the one the user would
    // pick, and the values it brings are the same. A name not in its key form (typographic
    // quotes, decomposed accents) is found by reading the whole category.
    data_.setDatabase(databaseOf(category));
    if (couldBeAName(key.canonical)) {
        data_.setRecordSource(foodSource(category), {key.canonical});
        if (!data_.refresh(error))
            return false;
        *index = find();
    }
    if (*index < 0) {
        data_.setRecordSource(foodCategory(category).recordSource());
        if (!data_.refresh(error))
            return false;
        *index = find();
    }
    return true;
}

bool MealComposer::addAll(const std::vector<MealFileEntry> &entries, QString *error)
{
    const MealGrid::LockBatch batch(grid_);
    for (const MealFileEntry &entry : entries)
        if (!add(entry, error))
            return false;
    return true;
}

bool MealComposer::add(const MealFileEntry &entry, QString *error)
{
    int index = -1;
    const std::optional<int> open = place(entry, &index, error);
    return open && lockPlaced(entry, index, *open, error);
}

std::optional<int> MealComposer::place(const MealFileEntry &entry, QString *error)
{
    int index = -1;
    return place(entry, &index, error);
}

std::optional<int> MealComposer::place(const MealFileEntry &entry, int *index, QString *error)
{
    notifiedRow_.reset();
    if (!showCategoryWith(entry.category, keyOf(entry), index, error))
        return std::nullopt;
    if (*index < 0) {
        // A food kept by Velmo (a person's day, a habitual meal) has no line of a file to name.
        const QString gone = QCoreApplication::translate("MealComposer", "l'alimento %1 non è più nell'archivio")
                                 .arg(echoInput(entry.food));
        *error = entry.line > 0 ? QCoreApplication::translate("MealComposer", "riga %1: %2").arg(entry.line).arg(gone)
                                : gone;
        return std::nullopt;
    }
    // The table shows the catalogue's own spelling of the name.
    const QString name = data_.row(*index).name;
    data_.moveTo(*index);
    // The bound name reports only a different name: after the same food (or a namesake) the
    // table has not been told. The window's user would browse away and back; the end is the
    // same as handing the current food to the table once more.
    if (notifiedRow_ != data_.currentRow())
        grid_.placeFood(browser_.current());

    int open = -1;
    for (int r = 0; r < kMealRows && open < 0; ++r)
        if (grid_.row(r).visible && grid_.row(r).lock == 0)
            open = r;
    if (open < 0 || grid_.row(open).name() != name) {
        *error = QCoreApplication::translate("MealComposer", "riga %1: nessuna riga libera per %2")
                     .arg(entry.line)
                     .arg(echoInput(name));
        return std::nullopt;
    }
    return open;
}

bool MealComposer::lockPlaced(const MealFileEntry &entry, int index, int open, QString *error)
{
    const QString name = grid_.row(open).name();
    QString grams = entry.grams;
    QString portion = entry.portion;
    if (!portion.isEmpty()) {
        const PortionValue gross = data_.row(index).hasValue(0) ? portionGross(entry, data_.row(index).values[0], error)
                                                                : PortionValue();
        if (!error->isEmpty())
            return false;
        if (grams.isEmpty()) {
            if (!gross.value) {
                *error = QCoreApplication::translate("MealComposer", "riga %1: %2").arg(entry.line).arg(gross.error);
                return false;
            }
            grams = QString::number(static_cast<qint64>(*gross.value));
        } else if (!gross.value || std::abs(*gross.value - grams.toDouble()) > std::max(2.0, *gross.value / 100)) {
            // The grams are what counts: a portion they no longer weigh (the food's edible part
            // or its measure changed since, or the file was edited) would only mislead. A gram
            // or two apart is the whole grams each portion of a count may have been rounded to.
            portion.clear();
        }
    }
    grid_.setGrossText(open, grams);
    grid_.setPortion(open, portion);
    grid_.setLock(open, 1);
    if (grid_.row(open).lock != 1) {
        *error = QCoreApplication::translate("MealComposer", "riga %1: la riga di %2 non è stata calcolata")
                     .arg(entry.line)
                     .arg(echoInput(name));
        return false;
    }
    placed_.push_back({entry.line, entry.category, foodNames_.canonical(entry.category, name), grams, portion});
    return true;
}

}  // namespace velmo
