// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue_builder.h"
#include "nutrient_profile_builder.h"
#include "portion_builder.h"

#include "catalogue/fooddatabase.h"
#include "catalogue/foodcategory.h"
#include "catalogue/foodsearch.h"
#include "common/csv.h"
#include "common/packedcolumn.h"
#include "common/numbertext.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <vector>

namespace velmo {

namespace {

constexpr int kMaxNameLength = 60;
// The source's descriptions reach 116 characters.
constexpr int kMaxEnglishNameLength = 200;

struct SourceFood {
    QString englishName;  // the source's description
    QString edible;
    std::array<QString, 6> nutrients;  // protein, fat, carbohydrate, energy, fibre, cholesterol
};

struct CatalogueFood {
    int line = 0;
    int table = 0;
    int row = 0;  // its place in its table
    QString name;
    const SourceFood *source = nullptr;
    QString ndb;
};

// One line of the common names: a name people use and the food it stands for.
struct SynonymLine {
    QString text;
    const CatalogueFood *food = nullptr;
};

// The records of a CSV file; empty, with the reason in `error`, when it cannot be read.
std::optional<std::vector<CsvRecord>> readCsvFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: impossibile leggere il file (%2)").arg(path, file.errorString());
        return std::nullopt;
    }
    CsvParseResult csv = parseCsv(QString::fromUtf8(file.readAll()));
    if (!csv.ok()) {
        *error = QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), csv.error);
        return std::nullopt;
    }
    return std::move(csv.records);
}

// A number of the source as it writes them: digits with at most a decimal point. A comma is
// refused, whether it was meant as a decimal or as a thousand.
std::optional<double> sourceNumber(const QString &text)
{
    return text.contains(u',') ? std::nullopt : readPlainDecimal(text);
}

QString problem(const QString &path, int line, const QString &what)
{
    return QStringLiteral("%1, riga %2: %3").arg(QFileInfo(path).fileName()).arg(line).arg(what);
}

// A file whose first line must be exactly `header`.
std::optional<std::vector<CsvRecord>> readCsvWithHeader(const QString &path, const QStringList &header, QString *error)
{
    auto records = readCsvFile(path, error);
    if (records && (records->empty() || records->front().fields != header)) {
        *error = problem(path, 1, QStringLiteral("l'intestazione deve essere %1").arg(header.join(u',')));
        return std::nullopt;
    }
    return records;
}

std::optional<QHash<QString, SourceFood>> readSource(const QString &path, QString *error)
{
    const auto records = readCsvFile(path, error);
    if (!records)
        return std::nullopt;
    if (records->empty()) {
        *error = QStringLiteral("%1: file vuoto").arg(path);
        return std::nullopt;
    }
    const QStringList header = records->front().fields;
    const QStringList wanted{QStringLiteral("ndb"),     QStringLiteral("edible_pct"),     QStringLiteral("protein_g"),
                             QStringLiteral("fat_g"),   QStringLiteral("carbohydrate_g"), QStringLiteral("energy_kcal"),
                             QStringLiteral("fibre_g"), QStringLiteral("cholesterol_mg"), QStringLiteral("long_desc")};
    std::array<qsizetype, 9> at{};
    for (std::size_t i = 0; i < static_cast<std::size_t>(wanted.size()); ++i) {
        at[i] = header.indexOf(wanted[static_cast<qsizetype>(i)]);
        if (at[i] < 0) {
            *error = problem(path, 1, QStringLiteral("manca la colonna %1").arg(wanted[static_cast<qsizetype>(i)]));
            return std::nullopt;
        }
    }
    QHash<QString, SourceFood> foods;
    for (std::size_t r = 1; r < records->size(); ++r) {
        const CsvRecord &rec = (*records)[r];
        if (rec.fields.size() != header.size()) {
            *error = problem(path, rec.line, QStringLiteral("numero di campi errato"));
            return std::nullopt;
        }
        SourceFood food;
        food.englishName = rec.fields[at[8]];
        food.edible = rec.fields[at[1]];
        for (std::size_t i = 0; i < 6; ++i)
            food.nutrients[i] = rec.fields[at[i + 2]];
        if (foods.contains(rec.fields[at[0]])) {
            *error = problem(path, rec.line, QStringLiteral("ndb %1 ripetuto").arg(rec.fields[at[0]]));
            return std::nullopt;
        }
        foods.insert(rec.fields[at[0]], food);
    }
    return foods;
}

// Each food's English name must name it alone in its table, so that a meal line may name a food in
// either language: unique there, and no other food's Italian name.
bool checkEnglishNames(const QString &path, const std::vector<CatalogueFood> &foods, QString *error)
{
    std::array<QHash<QString, int>, kFoodCategoryCount> italian;  // case-folded name -> line
    for (const CatalogueFood &food : foods)
        italian[static_cast<std::size_t>(food.table)].insert(food.name.toCaseFolded(), food.line);
    std::array<QSet<QString>, kFoodCategoryCount> english;
    for (const CatalogueFood &food : foods) {
        const QString &name = food.source->englishName;
        const QString &table = foodCategories()[static_cast<std::size_t>(food.table)].table;
        const QString key = name.toCaseFolded();
        const bool control = std::any_of(name.cbegin(), name.cend(),
                                         [](QChar c) { return c.category() == QChar::Other_Control; });
        QString fault;
        if (name != name.trimmed() || name.size() <= 1 || name.size() > kMaxEnglishNameLength || control)
            fault = QStringLiteral("nome inglese non valido \"%1\" (senza spazi ai lati, da 2 a %2 caratteri)")
                        .arg(name)
                        .arg(kMaxEnglishNameLength);
        else if (english[static_cast<std::size_t>(food.table)].contains(key))
            fault = QStringLiteral("nome inglese ripetuto nella tabella %1: \"%2\"").arg(table, name);
        else if (const int other = italian[static_cast<std::size_t>(food.table)].value(key);
                 other != 0 && other != food.line)
            fault = QStringLiteral("il nome inglese \"%1\" è il nome dell'alimento della riga %2").arg(name).arg(other);
        if (!fault.isEmpty()) {
            *error = problem(path, food.line, fault);
            return false;
        }
        english[static_cast<std::size_t>(food.table)].insert(key);
    }
    return true;
}

// The category whose table is `table`, or -1.
int categoryOfTable(const QString &table)
{
    for (int t = 0; t < kFoodCategoryCount; ++t)
        if (foodCategories()[static_cast<std::size_t>(t)].table == table)
            return t;
    return -1;
}

std::optional<std::vector<CatalogueFood>> readCatalogue(const QString &path, const QHash<QString, SourceFood> &source,
                                                        QString *error)
{
    const auto records = readCsvWithHeader(
        path, {QStringLiteral("tabella"), QStringLiteral("ndb"), QStringLiteral("alimenti")}, error);
    if (!records)
        return std::nullopt;

    std::vector<CatalogueFood> foods;
    std::array<QSet<QString>, kFoodCategoryCount> namesPerTable;
    std::array<int, kFoodCategoryCount> rows{};
    QHash<QString, int> ndbLines;
    for (std::size_t r = 1; r < records->size(); ++r) {
        const CsvRecord &rec = (*records)[r];
        if (rec.fields.size() != 3) {
            *error = problem(path, rec.line,
                             QStringLiteral("riga malformata: servono 3 campi, ce ne sono %1").arg(rec.fields.size()));
            return std::nullopt;
        }
        const QString &table = rec.fields[0];
        const int tableIndex = categoryOfTable(table);
        if (tableIndex < 0) {
            *error = problem(path, rec.line, QStringLiteral("tabella sconosciuta \"%1\"").arg(table));
            return std::nullopt;
        }
        // A food's household measures and standard portion are found by its code: one food a code.
        if (const auto first = ndbLines.constFind(rec.fields[1]); first != ndbLines.constEnd()) {
            *error = problem(path, rec.line,
                             QStringLiteral("ndb %1 ripetuto (già alla riga %2)").arg(rec.fields[1]).arg(*first));
            return std::nullopt;
        }
        ndbLines.insert(rec.fields[1], rec.line);
        const auto it = source.constFind(rec.fields[1]);
        if (it == source.constEnd()) {
            *error = problem(path, rec.line, QStringLiteral("ndb %1 assente nei dati di origine").arg(rec.fields[1]));
            return std::nullopt;
        }
        const QString &name = rec.fields[2];
        if (name != name.trimmed() || name.size() <= 1 || name.size() > kMaxNameLength || name.contains(u';')
            || name.contains(u'"') || name.contains(u'\n') || name.contains(u'\r')) {
            *error = problem(path, rec.line,
                             QStringLiteral("nome non valido \"%1\" (senza spazi ai lati, da 2 a %2 caratteri, "
                                            "senza ; né virgolette)")
                                 .arg(name)
                                 .arg(kMaxNameLength));
            return std::nullopt;
        }
        // Apart also as names look (nameKey): a food's name found as stored must be the food
        // that a comparison by nameKey finds.
        const QString key = nameKey(name).toCaseFolded();
        auto &names = namesPerTable[static_cast<std::size_t>(tableIndex)];
        if (names.contains(key)) {
            *error = problem(path, rec.line, QStringLiteral("nome ripetuto nella tabella %1: \"%2\"").arg(table, name));
            return std::nullopt;
        }
        names.insert(key);
        const auto edible = sourceNumber(it->edible);
        if (!edible || *edible != static_cast<int>(*edible) || *edible < 1 || *edible > 100) {
            *error = problem(path, rec.line,
                             QStringLiteral("ndb %1: la fonte non dà una parte edibile intera").arg(rec.fields[1]));
            return std::nullopt;
        }
        // A value the source writes must be a number of a food's amount: never taken as 0.
        for (const QString &value : it->nutrients) {
            const auto amount = value.isEmpty() ? std::optional<double>(0) : sourceNumber(value);
            if (!amount || !std::isfinite(*amount) || *amount < 0) {
                *error = problem(
                    path, rec.line,
                    QStringLiteral("ndb %1: la fonte dà il valore non valido \"%2\"").arg(rec.fields[1], value));
                return std::nullopt;
            }
        }
        foods.push_back(
            {rec.line, tableIndex, rows[static_cast<std::size_t>(tableIndex)]++, name, &it.value(), rec.fields[1]});
    }
    if (!checkEnglishNames(path, foods, error))
        return std::nullopt;
    return foods;
}

// The common names (sinonimo,tabella,alimenti): each line names a food of the catalogue exactly as
// it is written there, so that a renamed or removed food cannot leave a name that finds nothing.
std::optional<std::vector<SynonymLine>> readSynonyms(const QString &path, const std::vector<CatalogueFood> &foods,
                                                     QString *error)
{
    const auto records = readCsvWithHeader(
        path, {QStringLiteral("sinonimo"), QStringLiteral("tabella"), QStringLiteral("alimenti")}, error);
    if (!records)
        return std::nullopt;
    std::array<QHash<QString, const CatalogueFood *>, kFoodCategoryCount> byName;
    for (const CatalogueFood &food : foods)
        byName[static_cast<std::size_t>(food.table)].insert(food.name, &food);
    std::vector<SynonymLine> synonyms;
    QSet<QString> seen;  // synonym and food
    for (std::size_t r = 1; r < records->size(); ++r) {
        const CsvRecord &rec = (*records)[r];
        QString fault;
        const int table = rec.fields.size() == 3 ? categoryOfTable(rec.fields[1]) : -1;
        const CatalogueFood *food = table < 0 ? nullptr
                                              : byName[static_cast<std::size_t>(table)].value(rec.fields[2], nullptr);
        const QString text = rec.fields.value(0);
        const QString pair = searchKey(text) + u'\n' + rec.fields.value(1) + u'\n' + rec.fields.value(2);
        if (rec.fields.size() != 3)
            fault = QStringLiteral("riga malformata: servono 3 campi, ce ne sono %1").arg(rec.fields.size());
        else if (text != text.simplified() || text.size() <= 1 || text.size() > kMaxNameLength)
            fault = QStringLiteral("sinonimo non valido \"%1\" (senza spazi doppi o ai lati, da 2 a %2 caratteri)")
                        .arg(text)
                        .arg(kMaxNameLength);
        else if (table < 0)
            fault = QStringLiteral("tabella sconosciuta \"%1\"").arg(rec.fields[1]);
        else if (food == nullptr)
            fault = QStringLiteral("alimento inesistente nella tabella %1: \"%2\"").arg(rec.fields[1], rec.fields[2]);
        else if (seen.contains(pair))
            fault = QStringLiteral("sinonimo ripetuto per lo stesso alimento: \"%1\"").arg(text);
        if (!fault.isEmpty()) {
            *error = problem(path, rec.line, fault);
            return std::nullopt;
        }
        seen.insert(pair);
        synonyms.push_back({text, food});
    }
    return synonyms;
}

QVariant sourceValue(const QString &text)
{
    if (text.isEmpty())
        return QVariant(QMetaType::fromType<double>());  // NULL
    return sourceNumber(text).value_or(0.0);
}

// Creates `table` with `columns` and fills it with `rows`, in their order.
void writeTable(QSqlQuery &q, QLatin1StringView table, const QString &columns,
                const std::vector<std::array<QVariant, 4>> &rows, bool *ok, QString *error)
{
    if (!*ok)
        return;
    if (!q.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(table, columns))
        || !q.prepare(QStringLiteral("INSERT INTO %1 VALUES (?,?,?,?)").arg(table))) {
        *error = QStringLiteral("%1: %2").arg(table, q.lastError().text());
        *ok = false;
        return;
    }
    for (const auto &row : rows) {
        for (const QVariant &value : row)
            q.addBindValue(value);
        if (!q.exec()) {
            *error = QStringLiteral("%1: %2").arg(table, q.lastError().text());
            *ok = false;
            return;
        }
    }
}

// Each category's names by row, and each food's place in the Italian search order: a ranking
// reads a whole category in two blobs, and orders the foods of equal value as the search does
// without making their keys again.
void writeCategoryColumns(QSqlQuery &q, const std::vector<SearchableFood> &index, bool *ok, QString *error)
{
    std::map<int, std::pair<QStringList, std::vector<qint32>>> columns;
    for (std::size_t i = 0; i < index.size(); ++i) {
        auto &[names, positions] = columns[index[i].category];
        const auto row = static_cast<std::size_t>(index[i].row);
        if (positions.size() <= row) {
            positions.resize(row + 1, -1);
            names.resize(static_cast<qsizetype>(row) + 1);
        }
        positions[row] = static_cast<qint32>(i);
        names[static_cast<qsizetype>(row)] = index[i].name;
    }
    if (!*ok)
        return;
    if (!q.exec(QStringLiteral("CREATE TABLE %1 (categoria INTEGER PRIMARY KEY, nomi BLOB NOT NULL, posizioni BLOB "
                               "NOT NULL)")
                    .arg(kCategoryColumnTable))
        || !q.prepare(QStringLiteral("INSERT INTO %1 VALUES (?,?,?)").arg(kCategoryColumnTable))) {
        *error = QStringLiteral("%1: %2").arg(kCategoryColumnTable, q.lastError().text());
        *ok = false;
        return;
    }
    for (const auto &[category, column] : columns) {
        q.addBindValue(category);
        q.addBindValue(packTexts(column.first));
        q.addBindValue(packIntegers(column.second));
        if (!q.exec()) {
            *error = QStringLiteral("%1: %2").arg(kCategoryColumnTable, q.lastError().text());
            *ok = false;
            return;
        }
    }
}

// One search index: the foods by their Italian or their English names, in search order. The key
// comes from the program's own searchKey, built with this tool, so a change of the normalisation
// rebuilds the file.
void writeSearchIndex(QSqlQuery &q, const std::vector<CatalogueFood> &foods, bool english, bool *ok, QString *error)
{
    std::vector<SearchableFood> index;
    for (const CatalogueFood &food : foods) {
        const QString &name = english ? food.source->englishName : food.name;
        index.push_back({searchKey(name), name, food.table, food.row});
    }
    std::sort(index.begin(), index.end(), searchOrder);
    std::vector<std::array<QVariant, 4>> rows;
    rows.reserve(index.size());
    for (const SearchableFood &food : index)
        rows.push_back({food.key, food.category, food.row, food.name});
    writeTable(q, english ? kEnglishSearchIndexTable : kSearchIndexTable,
               QStringLiteral("chiave TEXT NOT NULL, categoria INTEGER NOT NULL, riga INTEGER NOT NULL, "
                              "alimenti TEXT NOT NULL"),
               rows, ok, error);
    if (!english)
        writeCategoryColumns(q, index, ok, error);
}

// The common names beside the Italian index, in the order of their file, each with its key.
void writeSynonymIndex(QSqlQuery &q, const std::vector<SynonymLine> &synonyms, bool *ok, QString *error)
{
    std::vector<std::array<QVariant, 4>> rows;
    rows.reserve(synonyms.size());
    for (const SynonymLine &synonym : synonyms)
        rows.push_back({searchKey(synonym.text), synonym.text, synonym.food->table, synonym.food->row});
    writeTable(q, kSynonymIndexTable,
               QStringLiteral("chiave TEXT NOT NULL, sinonimo TEXT NOT NULL, categoria INTEGER NOT NULL, "
                              "riga INTEGER NOT NULL"),
               rows, ok, error);
}

bool writeDatabase(const QString &path, const std::vector<CatalogueFood> &foods,
                   const std::vector<SynonymLine> &synonyms, QString *error)
{
    const QString connection = QStringLiteral("velmo-builder-") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            *error = QStringLiteral("%1: %2").arg(path, db.lastError().text());
            ok = false;
        }
        QSqlQuery q(db);
        auto run = [&](const QString &sql) {
            if (ok && !q.exec(sql)) {
                *error = QStringLiteral("%1: %2").arg(sql.left(60), q.lastError().text());
                ok = false;
            }
        };
        run(QStringLiteral("PRAGMA journal_mode=OFF"));
        run(QStringLiteral("PRAGMA page_size=4096"));
        run(QStringLiteral("BEGIN"));
        // The table names come from the fixed category list and the program's own index name;
        // every value from the data files is bound.
        for (const FoodCategory &category : foodCategories())
            run(QStringLiteral("CREATE TABLE %1 (alimenti TEXT NOT NULL, edibile REAL, proteine REAL, lipidi REAL, "
                               "carboidrati REAL, energia REAL, fibra REAL, colesterolo REAL, %2 TEXT NOT NULL)")
                    .arg(category.table, kEnglishNameColumn));
        for (const CatalogueFood &food : foods) {
            if (!ok)
                break;
            q.prepare(QStringLiteral("INSERT INTO %1 VALUES (?,?,?,?,?,?,?,?,?)")
                          .arg(foodCategories()[static_cast<std::size_t>(food.table)].table));
            q.addBindValue(food.name);
            q.addBindValue(sourceValue(food.source->edible));
            for (const QString &v : food.source->nutrients)
                q.addBindValue(sourceValue(v));
            q.addBindValue(food.source->englishName);
            if (!q.exec()) {
                *error = QStringLiteral("%1: %2").arg(food.name, q.lastError().text());
                ok = false;
            }
        }
        // Every food once more in one table by name, for the meals' look-ups.
        for (const QString &statement : foodsByNameStatements())
            run(statement);
        // The search indexes, by the Italian names and by the English ones, and the common names:
        // every food normalised and sorted here once, so that the program only reads them.
        writeSearchIndex(q, foods, false, &ok, error);
        writeSearchIndex(q, foods, true, &ok, error);
        writeSynonymIndex(q, synonyms, &ok, error);
        run(QStringLiteral("COMMIT"));
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

// The nutrient profile's tables, when the data folder has the profile.
bool addProfile(const QString &cataloguePath, const QString &sourcePath, const QString &databasePath,
                const std::vector<CatalogueFood> &foods, QString *error)
{
    const auto files = nutrientProfileFilesBeside(cataloguePath, sourcePath);
    if (!files)
        return true;
    std::vector<ProfileFood> profileFoods;
    for (const CatalogueFood &food : foods)
        profileFoods.push_back({food.table, food.row, food.ndb, food.name, food.source->nutrients});
    return addNutrientProfile(databasePath, *files, profileFoods, error);
}

// The household measures and standard portions, when the data folder has them.
bool addMeasures(const QString &cataloguePath, const QString &databasePath, const std::vector<CatalogueFood> &foods,
                 QString *error)
{
    const auto files = portionFilesBeside(cataloguePath);
    if (!files)
        return true;
    std::vector<PortionFood> portionFoods;
    for (const CatalogueFood &food : foods)
        portionFoods.push_back({food.table, food.row, food.ndb});
    return addPortions(databasePath, *files, portionFoods, error);
}

}  // namespace

CatalogueBuildResult buildCatalogue(const QString &cataloguePath, const QString &sourcePath, const QString &outputPath,
                                    const QString &synonymsPath)
{
    CatalogueBuildResult result;
    const auto source = readSource(sourcePath, &result.error);
    if (!source)
        return result;
    const auto foods = readCatalogue(cataloguePath, *source, &result.error);
    if (!foods)
        return result;
    std::optional<std::vector<SynonymLine>> synonyms{std::in_place};
    if (!synonymsPath.isEmpty())
        synonyms = readSynonyms(synonymsPath, *foods, &result.error);
    if (!synonyms)
        return result;

    // Build beside the target and move it in place only when complete.
    const QString temporary = outputPath + QStringLiteral(".partial");
    QFile::remove(temporary);
    if (!writeDatabase(temporary, *foods, *synonyms, &result.error)
        || !addProfile(cataloguePath, sourcePath, temporary, *foods, &result.error)
        || !addMeasures(cataloguePath, temporary, *foods, &result.error)
        || !FoodDatabase::markAsBuilt(temporary, &result.error)) {
        QFile::remove(temporary);
        return result;
    }
    if (QFile::exists(outputPath) && !QFile::remove(outputPath)) {
        QFile::remove(temporary);
        result.error = QStringLiteral("%1: impossibile sostituire il file").arg(outputPath);
        return result;
    }
    if (!QFile::rename(temporary, outputPath)) {
        QFile::remove(temporary);
        result.error = QStringLiteral("%1: impossibile scrivere il file").arg(outputPath);
        return result;
    }
    result.ok = true;
    result.foods = static_cast<int>(foods->size());
    return result;
}

}  // namespace velmo
