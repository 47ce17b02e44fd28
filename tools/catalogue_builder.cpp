// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue_builder.h"
#include "nutrient_profile_builder.h"

#include "catalogue/foodcategory.h"
#include "catalogue/foodsearch.h"
#include "common/csv.h"
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
    QString name;
    const SourceFood *source = nullptr;
    QString ndb;
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

QString problem(const QString &path, int line, const QString &what)
{
    return QStringLiteral("%1, riga %2: %3").arg(QFileInfo(path).fileName()).arg(line).arg(what);
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

std::optional<std::vector<CatalogueFood>> readCatalogue(const QString &path, const QHash<QString, SourceFood> &source,
                                                        QString *error)
{
    const auto records = readCsvFile(path, error);
    if (!records)
        return std::nullopt;
    if (records->empty()
        || records->front().fields
               != QStringList{QStringLiteral("tabella"), QStringLiteral("ndb"), QStringLiteral("alimenti")}) {
        *error = problem(path, 1, QStringLiteral("l'intestazione deve essere tabella,ndb,alimenti"));
        return std::nullopt;
    }

    std::vector<CatalogueFood> foods;
    std::array<QSet<QString>, kFoodCategoryCount> namesPerTable;
    for (std::size_t r = 1; r < records->size(); ++r) {
        const CsvRecord &rec = (*records)[r];
        if (rec.fields.size() != 3) {
            *error = problem(path, rec.line,
                             QStringLiteral("riga malformata: servono 3 campi, ce ne sono %1").arg(rec.fields.size()));
            return std::nullopt;
        }
        const QString &table = rec.fields[0];
        int tableIndex = -1;
        for (int t = 0; t < kFoodCategoryCount; ++t)
            if (foodCategories()[static_cast<std::size_t>(t)].table == table)
                tableIndex = t;
        if (tableIndex < 0) {
            *error = problem(path, rec.line, QStringLiteral("tabella sconosciuta \"%1\"").arg(table));
            return std::nullopt;
        }
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
        const QString key = name.toCaseFolded();
        auto &names = namesPerTable[static_cast<std::size_t>(tableIndex)];
        if (names.contains(key)) {
            *error = problem(path, rec.line, QStringLiteral("nome ripetuto nella tabella %1: \"%2\"").arg(table, name));
            return std::nullopt;
        }
        names.insert(key);
        const auto edible = readLocaleNumber(it->edible, QLocale::c());
        if (!edible || *edible != static_cast<int>(*edible) || *edible < 0 || *edible > 100) {
            *error = problem(path, rec.line,
                             QStringLiteral("ndb %1: la fonte non dà una parte edibile intera").arg(rec.fields[1]));
            return std::nullopt;
        }
        foods.push_back({rec.line, tableIndex, name, &it.value(), rec.fields[1]});
    }
    if (!checkEnglishNames(path, foods, error))
        return std::nullopt;
    return foods;
}

QVariant sourceValue(const QString &text)
{
    if (text.isEmpty())
        return QVariant(QMetaType::fromType<double>());  // NULL
    return readLocaleNumber(text, QLocale::c()).value_or(0.0);
}

// One search index: the foods by their Italian or their English names, in search order. The key
// comes from the program's own searchKey, built with this tool, so a change of the normalisation
// rebuilds the file.
void writeSearchIndex(QSqlQuery &q, const std::vector<CatalogueFood> &foods, bool english, bool *ok, QString *error)
{
    if (!*ok)
        return;
    std::vector<SearchableFood> index;
    std::array<int, kFoodCategoryCount> rows{};
    for (const CatalogueFood &food : foods) {
        const QString &name = english ? food.source->englishName : food.name;
        index.push_back({searchKey(name), name, food.table, rows[static_cast<std::size_t>(food.table)]++});
    }
    const QLatin1StringView table = english ? kEnglishSearchIndexTable : kSearchIndexTable;
    std::sort(index.begin(), index.end(), searchOrder);
    const QString create = QStringLiteral("CREATE TABLE %1 (chiave TEXT NOT NULL, categoria INTEGER NOT NULL, "
                                          "riga INTEGER NOT NULL, alimenti TEXT NOT NULL)")
                               .arg(table);
    if (!q.exec(create) || !q.prepare(QStringLiteral("INSERT INTO %1 VALUES (?,?,?,?)").arg(table))) {
        *error = QStringLiteral("%1: %2").arg(table, q.lastError().text());
        *ok = false;
        return;
    }
    for (const SearchableFood &food : index) {
        q.addBindValue(food.key);
        q.addBindValue(food.category);
        q.addBindValue(food.row);
        q.addBindValue(food.name);
        if (!q.exec()) {
            *error = QStringLiteral("%1: %2").arg(food.name, q.lastError().text());
            *ok = false;
            return;
        }
    }
}

bool writeDatabase(const QString &path, const std::vector<CatalogueFood> &foods, QString *error)
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
        // The search indexes, by the Italian names and by the English ones: every food normalised
        // and sorted here once, so that the program only reads them.
        writeSearchIndex(q, foods, false, &ok, error);
        writeSearchIndex(q, foods, true, &ok, error);
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
    std::array<int, kFoodCategoryCount> rows{};
    for (const CatalogueFood &food : foods)
        profileFoods.push_back(
            {food.table, rows[static_cast<std::size_t>(food.table)]++, food.ndb, food.name, food.source->nutrients});
    return addNutrientProfile(databasePath, *files, profileFoods, error);
}

}  // namespace

CatalogueBuildResult buildCatalogue(const QString &cataloguePath, const QString &sourcePath, const QString &outputPath)
{
    CatalogueBuildResult result;
    const auto source = readSource(sourcePath, &result.error);
    if (!source)
        return result;
    const auto foods = readCatalogue(cataloguePath, *source, &result.error);
    if (!foods)
        return result;

    // Build beside the target and move it in place only when complete.
    const QString temporary = outputPath + QStringLiteral(".partial");
    QFile::remove(temporary);
    if (!writeDatabase(temporary, *foods, &result.error)
        || !addProfile(cataloguePath, sourcePath, temporary, *foods, &result.error)) {
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
