// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrient_profile_builder.h"

#include "common/packedcolumn.h"

#include "common/csv.h"
#include "common/numbertext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <map>

namespace velmo {

namespace {

// The source's numbers of the six nutrients the category tables hold, in their column order.
constexpr std::array<int, 6> kTableNutrients{203, 204, 205, 208, 291, 601};
constexpr int kMaxDecimals = 6;

struct Definition {
    QString key;
    int source = 0;  // 0: derived from other values
    QString name, englishName, unit, group;
    int decimals = 0;
};

// Per food (by ndb), the source's value texts by nutrient number.
using ProfileValues = QHash<QString, QHash<int, QString>>;

}  // namespace

std::optional<std::vector<CsvRecord>> readCsv(const QString &path, const QStringList &header, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: impossibile leggere il file (%2)").arg(path, file.errorString());
        return std::nullopt;
    }
    CsvParseResult csv = parseCsv(QString::fromUtf8(file.readAll()));
    const QString name = QFileInfo(path).fileName();
    if (!csv.ok()) {
        *error = QStringLiteral("%1: %2").arg(name, csv.error);
        return std::nullopt;
    }
    if (csv.records.empty() || csv.records.front().fields != header) {
        *error = QStringLiteral("%1, riga 1: l'intestazione deve essere %2").arg(name, header.join(u','));
        return std::nullopt;
    }
    for (const CsvRecord &rec : csv.records)
        if (rec.fields.size() != header.size()) {
            *error = QStringLiteral("%1, riga %2: numero di campi errato").arg(name).arg(rec.line);
            return std::nullopt;
        }
    csv.records.erase(csv.records.begin());
    return std::move(csv.records);
}

namespace {

QString fault(const QString &path, int line, const QString &what)
{
    return QStringLiteral("%1, riga %2: %3").arg(QFileInfo(path).fileName()).arg(line).arg(what);
}

// The definitions, each of the source's nutrients once, under its own tag and unit.
std::optional<std::vector<Definition>> readDefinitions(const NutrientProfileFiles &files, QString *error)
{
    const auto source = readCsv(files.sourceNutrients,
                                {QStringLiteral("nutrient"), QStringLiteral("tag"), QStringLiteral("name"),
                                 QStringLiteral("unit"), QStringLiteral("decimals")},
                                error);
    const auto rows = source ? readCsv(files.definitions,
                                       {QStringLiteral("chiave"), QStringLiteral("fonte"), QStringLiteral("nome"),
                                        QStringLiteral("nome_inglese"), QStringLiteral("unita"),
                                        QStringLiteral("decimali"), QStringLiteral("gruppo")},
                                       error)
                             : std::nullopt;
    if (!rows)
        return std::nullopt;
    QHash<QString, QStringList> sourceByNumber;
    for (const CsvRecord &rec : *source)
        sourceByNumber.insert(rec.fields[0], rec.fields);
    static const QStringList groups{QStringLiteral("Energia e macronutrienti"),
                                    QStringLiteral("Carboidrati"),
                                    QStringLiteral("Lipidi"),
                                    QStringLiteral("Minerali"),
                                    QStringLiteral("Vitamine"),
                                    QStringLiteral("Altro")};
    std::vector<Definition> definitions;
    QSet<QString> keys, used;
    for (const CsvRecord &rec : *rows) {
        const QStringList &f = rec.fields;
        const auto decimals = readPlainDecimal(f[5]);
        const QStringList sourceRow = sourceByNumber.value(f[1]);
        QString what;
        if (f[0].isEmpty() || keys.contains(f[0]) || f[2].isEmpty() || f[3].isEmpty() || f[4].isEmpty())
            what = QStringLiteral("chiave vuota o ripetuta, o nome o unità mancante");
        else if (!decimals || *decimals != static_cast<int>(*decimals) || *decimals > kMaxDecimals)
            what = QStringLiteral("decimali non validi \"%1\"").arg(f[5]);
        else if (!groups.contains(f[6]))
            what = QStringLiteral("gruppo sconosciuto \"%1\"").arg(f[6]);
        else if (!f[1].isEmpty()
                 && (sourceRow.isEmpty() || used.contains(f[1]) || sourceRow[1] != f[0] || sourceRow[3] != f[4]))
            what =
                QStringLiteral("il nutriente %1 della fonte manca, è ripetuto o ha un'altra sigla o unità").arg(f[1]);
        if (!what.isEmpty()) {
            *error = fault(files.definitions, rec.line, what);
            return std::nullopt;
        }
        keys.insert(f[0]);
        used.insert(f[1]);
        definitions.push_back({f[0], f[1].toInt(), f[2], f[3], f[4], f[6], static_cast<int>(*decimals)});
    }
    for (auto it = sourceByNumber.cbegin(); it != sourceByNumber.cend(); ++it)
        if (!used.contains(it.key())) {
            *error = QStringLiteral("%1: manca il nutriente %2 (%3) della fonte")
                         .arg(QFileInfo(files.definitions).fileName(), it.key(), it.value()[1]);
            return std::nullopt;
        }
    return definitions;
}

// The values of the catalogue's foods; the source's other foods are passed over.
std::optional<ProfileValues> readValues(const QString &path, const std::vector<ProfileFood> &foods,
                                        const std::vector<Definition> &definitions, QString *error)
{
    const auto rows = readCsv(path, {QStringLiteral("ndb"), QStringLiteral("nutrient"), QStringLiteral("value")},
                              error);
    if (!rows)
        return std::nullopt;
    QSet<int> known;
    for (const Definition &d : definitions)
        known.insert(d.source);
    ProfileValues values;
    for (const ProfileFood &food : foods)
        values.insert(food.ndb, {});
    for (const CsvRecord &rec : *rows) {
        const auto food = values.find(rec.fields[0]);
        if (food == values.end())
            continue;
        const int nutrient = rec.fields[1].toInt();
        QString what;
        if (nutrient == 0 || !known.contains(nutrient))
            what = QStringLiteral("nutriente sconosciuto \"%1\"").arg(rec.fields[1]);
        else if (!readPlainDecimal(rec.fields[2]))
            what = QStringLiteral("valore non valido \"%1\"").arg(rec.fields[2]);
        else if (food->contains(nutrient))
            what = QStringLiteral("valore ripetuto per ndb %1, nutriente %2").arg(rec.fields[0], rec.fields[1]);
        if (!what.isEmpty()) {
            *error = fault(path, rec.line, what);
            return std::nullopt;
        }
        food->insert(nutrient, rec.fields[2]);
    }
    return values;
}

// The six values of the category tables are the profile's: a food where they part would show one
// amount in the composition table and another in its profile.
bool checkTableValues(const std::vector<ProfileFood> &foods, const std::vector<Definition> &definitions,
                      const ProfileValues &values, QString *error)
{
    const auto nameOf = [&](int nutrient) {
        const auto d = std::find_if(definitions.cbegin(), definitions.cend(),
                                    [&](const Definition &x) { return x.source == nutrient; });
        return d == definitions.cend() ? QString::number(nutrient) : d->name;
    };
    const auto shown = [](const QString &text) { return text.isEmpty() ? QStringLiteral("nessun valore") : text; };
    for (const ProfileFood &food : foods) {
        const QHash<int, QString> &profile = values[food.ndb];
        for (std::size_t i = 0; i < kTableNutrients.size(); ++i) {
            const QString &table = food.nutrients[i];
            const QString value = profile.value(kTableNutrients[i]);
            if (table.isEmpty() == value.isEmpty() && readPlainDecimal(table) == readPlainDecimal(value))
                continue;
            *error = QStringLiteral("\"%1\" (ndb %2): %3 vale %4 nella tabella degli alimenti e %5 nel profilo")
                         .arg(food.name, food.ndb, nameOf(kTableNutrients[i]), shown(table), shown(value));
            return false;
        }
    }
    return true;
}

// Each nutrient of each category as one packed column of doubles by row (common/packedcolumn.h).
bool writeNutrientColumns(QSqlQuery &q, const std::vector<Definition> &definitions,
                          const std::vector<ProfileFood> &foods, const ProfileValues &values, QString *error)
{
    if (!q.exec(QStringLiteral("CREATE TABLE colonne_nutrienti (nutriente INTEGER NOT NULL, categoria INTEGER NOT "
                               "NULL, valori BLOB NOT NULL, PRIMARY KEY (nutriente, categoria)) WITHOUT ROWID"))
        || !q.prepare(QStringLiteral("INSERT INTO colonne_nutrienti VALUES (?,?,?)"))) {
        *error = QStringLiteral("colonne_nutrienti: %1").arg(q.lastError().text());
        return false;
    }
    for (const Definition &d : definitions) {
        if (d.source == 0)
            continue;
        std::map<int, std::vector<std::optional<double>>> columns;
        for (const ProfileFood &food : foods) {
            std::vector<std::optional<double>> &column = columns[food.category];
            if (column.size() <= static_cast<std::size_t>(food.row))
                column.resize(static_cast<std::size_t>(food.row) + 1);
            const QHash<int, QString> &profile = values[food.ndb];
            if (const auto value = profile.constFind(d.source); value != profile.cend())
                column[static_cast<std::size_t>(food.row)] = readPlainDecimal(*value);
        }
        for (const auto &[category, column] : columns) {
            q.addBindValue(d.source);
            q.addBindValue(category);
            q.addBindValue(packDoubles(column));
            if (!q.exec()) {
                *error = QStringLiteral("%1: %2").arg(d.key, q.lastError().text());
                return false;
            }
        }
    }
    return true;
}

bool writeProfile(const QString &databasePath, const std::vector<Definition> &definitions,
                  const std::vector<ProfileFood> &foods, const ProfileValues &values, QString *error)
{
    const QString connection = QStringLiteral("velmo-profile-") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databasePath);
        QSqlQuery q(db);
        const auto fails = [&](bool done, const QString &what) {
            if (ok && !done) {
                *error = QStringLiteral("%1: %2").arg(what, q.lastError().text());
                ok = false;
            }
            return !ok;
        };
        fails(db.open(), databasePath);
        fails(!ok || (q.exec(QStringLiteral("PRAGMA journal_mode=OFF")) && q.exec(QStringLiteral("BEGIN"))),
              databasePath);
        fails(!ok
                  || (q.exec(QStringLiteral("CREATE TABLE nutrienti (ordine INTEGER PRIMARY KEY, chiave TEXT NOT NULL "
                                            "UNIQUE, fonte INTEGER, nome TEXT NOT NULL, nome_inglese TEXT NOT NULL, "
                                            "unita TEXT NOT NULL, decimali INTEGER NOT NULL, gruppo TEXT NOT NULL)"))
                      && q.exec(QStringLiteral("CREATE TABLE valori_nutrienti (categoria INTEGER NOT NULL, riga "
                                               "INTEGER NOT NULL, nutriente INTEGER NOT NULL, valore REAL NOT NULL, "
                                               "PRIMARY KEY (categoria, riga, nutriente)) WITHOUT ROWID"))
                      && q.prepare(QStringLiteral("INSERT INTO nutrienti VALUES (?,?,?,?,?,?,?,?)"))),
              QStringLiteral("nutrienti"));
        for (std::size_t i = 0; ok && i < definitions.size(); ++i) {
            const Definition &d = definitions[i];
            q.addBindValue(static_cast<int>(i));
            q.addBindValue(d.key);
            q.addBindValue(d.source == 0 ? QVariant(QMetaType::fromType<int>()) : QVariant(d.source));
            q.addBindValue(d.name);
            q.addBindValue(d.englishName);
            q.addBindValue(d.unit);
            q.addBindValue(d.decimals);
            q.addBindValue(d.group);
            fails(q.exec(), d.key);
        }
        fails(!ok || q.prepare(QStringLiteral("INSERT INTO valori_nutrienti VALUES (?,?,?,?)")),
              QStringLiteral("valori_nutrienti"));
        for (const ProfileFood &food : foods) {
            const QHash<int, QString> &profile = values[food.ndb];
            QList<int> nutrients = profile.keys();
            std::sort(nutrients.begin(), nutrients.end());
            for (const int nutrient : nutrients) {
                if (!ok)
                    break;
                q.addBindValue(food.category);
                q.addBindValue(food.row);
                q.addBindValue(nutrient);
                q.addBindValue(readPlainDecimal(profile.value(nutrient)).value_or(0.0));
                fails(q.exec(), food.name);
            }
        }
        // A ranking reads one nutrient of every food of a category: each as one column by row.
        if (ok && !writeNutrientColumns(q, definitions, foods, values, error))
            ok = false;
        fails(!ok || q.exec(QStringLiteral("COMMIT")), databasePath);
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

}  // namespace

std::optional<NutrientProfileFiles> nutrientProfileFilesBeside(const QString &cataloguePath, const QString &sourcePath)
{
    const QDir source = QFileInfo(sourcePath).dir();
    NutrientProfileFiles files{QFileInfo(cataloguePath).dir().filePath(QStringLiteral("nutrienti.csv")),
                               source.filePath(QStringLiteral("nutrients.csv")),
                               source.filePath(QStringLiteral("nutrient_values.csv"))};
    if (!QFile::exists(files.values))
        return std::nullopt;
    return files;
}

bool addNutrientProfile(const QString &databasePath, const NutrientProfileFiles &files,
                        const std::vector<ProfileFood> &foods, QString *error)
{
    const auto definitions = readDefinitions(files, error);
    if (!definitions)
        return false;
    const auto values = readValues(files.values, foods, *definitions, error);
    return values && checkTableValues(foods, *definitions, *values, error)
           && writeProfile(databasePath, *definitions, foods, *values, error);
}

}  // namespace velmo
