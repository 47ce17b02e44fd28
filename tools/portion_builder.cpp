// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "portion_builder.h"

#include "nutrient_profile_builder.h"

#include "common/numbertext.h"
#include "common/packedcolumn.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <cmath>
#include <map>

namespace velmo {

namespace {

struct Measure {
    const PortionFood *food = nullptr;
    int order = 0;
    double quantity = 0;
    QString name, plural, english;
    double grams = 0;
};

struct Group {
    QString key, name, unit, state;
    double quantity = 0;
};

struct FoodPortion {
    const PortionFood *food = nullptr;
    const Group *group = nullptr;
    double grams = 0;
    QString density;  // "tazza", "ml ≈ g", or empty for a portion in grams
};

QString fault(const QString &path, int line, const QString &what)
{
    return QStringLiteral("%1, riga %2: %3").arg(QFileInfo(path).fileName()).arg(line).arg(what);
}

std::optional<double> positive(const QString &text)
{
    const auto value = readPlainDecimal(text);
    return value && *value > 0 && std::isfinite(*value) ? value : std::nullopt;
}

// The weight a measure's name gives, as "confezione (142 g)": what one of it weighs, give or take
// what is drained or left over (a can of 340 g gives 211 g of beans), so that a quantity read from
// the source as the ounces a package holds is caught.
std::optional<double> namedWeight(const QString &name)
{
    static const QRegularExpression weight(QStringLiteral("\\((\\d+) g\\)"));
    const QRegularExpressionMatch match = weight.match(name);
    return match.hasMatch() ? std::optional<double>(match.captured(1).toDouble()) : std::nullopt;
}

struct PortionData {
    std::vector<Measure> measures;
    std::vector<Group> groups;
    std::vector<FoodPortion> portions;
};

bool readMeasures(const QString &path, const QHash<QString, const PortionFood *> &byNdb, PortionData &data,
                  QString *error)
{
    const auto rows = readCsv(path,
                              {QStringLiteral("ndb"), QStringLiteral("ordine"), QStringLiteral("quantita"),
                               QStringLiteral("misura"), QStringLiteral("misura_plurale"),
                               QStringLiteral("grammi_edibili"), QStringLiteral("misura_inglese")},
                              error);
    if (!rows)
        return false;
    QSet<QString> seen;
    for (const CsvRecord &rec : *rows) {
        const QStringList &f = rec.fields;
        const PortionFood *food = byNdb.value(f[0]);
        const auto quantity = positive(f[2]), grams = positive(f[5]);
        bool orderOk = false;
        const int order = f[1].toInt(&orderOk);
        QString what;
        if (!food)
            what = QStringLiteral("l'alimento con ndb \"%1\" non è nel catalogo").arg(f[0]);
        else if (!orderOk || order < 1 || seen.contains(f[0] + u'/' + f[1]))
            what = QStringLiteral("ordine \"%1\" non valido o ripetuto").arg(f[1]);
        else if (!quantity || !grams)
            what = QStringLiteral("quantità \"%1\" o grammi \"%2\" non positivi").arg(f[2], f[5]);
        else if (f[3].trimmed().isEmpty() || f[4].trimmed().isEmpty())
            what = QStringLiteral("misura senza nome");
        else if (const auto said = namedWeight(f[3]);
                 said && (*grams / *quantity < *said / 1.75 || *grams / *quantity > *said * 1.75))
            what = QStringLiteral("la misura \"%1\" pesa %2 g l'una").arg(f[3], QString::number(*grams / *quantity));
        if (!what.isEmpty()) {
            *error = fault(path, rec.line, what);
            return false;
        }
        seen.insert(f[0] + u'/' + f[1]);
        data.measures.push_back({food, order, *quantity, f[3], f[4], f[6], *grams});
    }
    return true;
}

bool readGroups(const QString &path, PortionData &data, QString *error)
{
    const auto rows = readCsv(path,
                              {QStringLiteral("gruppo"), QStringLiteral("nome"), QStringLiteral("quantita"),
                               QStringLiteral("unita"), QStringLiteral("stato"), QStringLiteral("fonte")},
                              error);
    if (!rows)
        return false;
    for (const CsvRecord &rec : *rows) {
        const QStringList &f = rec.fields;
        const auto quantity = positive(f[2]);
        const bool repeated = std::any_of(data.groups.cbegin(), data.groups.cend(),
                                          [&](const Group &g) { return g.key == f[0]; });
        QString what;
        if (f[0].isEmpty() || f[1].isEmpty() || repeated)
            what = QStringLiteral("gruppo vuoto o ripetuto \"%1\"").arg(f[0]);
        else if (!quantity)
            what = QStringLiteral("quantità \"%1\" non positiva").arg(f[2]);
        else if (f[3] != u"g" && f[3] != u"ml")
            what = QStringLiteral("unità \"%1\" sconosciuta (g o ml)").arg(f[3]);
        if (!what.isEmpty()) {
            *error = fault(path, rec.line, what);
            return false;
        }
        data.groups.push_back({f[0], f[1], f[3], f[4], *quantity});
    }
    return true;
}

// Each food's portion in edible grams: a portion by volume through the grams of the food's cup
// where its measures have one, else a millilitre taken for a gram (and said so).
bool readFoodGroups(const QString &path, const QHash<QString, const PortionFood *> &byNdb, PortionData &data,
                    QString *error)
{
    const auto rows = readCsv(path, {QStringLiteral("ndb"), QStringLiteral("gruppo")}, error);
    if (!rows)
        return false;
    QSet<QString> seen;
    for (const CsvRecord &rec : *rows) {
        const PortionFood *food = byNdb.value(rec.fields[0]);
        const auto group = std::find_if(data.groups.cbegin(), data.groups.cend(),
                                        [&](const Group &g) { return g.key == rec.fields[1]; });
        QString what;
        if (!food)
            what = QStringLiteral("l'alimento con ndb \"%1\" non è nel catalogo").arg(rec.fields[0]);
        else if (seen.contains(rec.fields[0]))
            what = QStringLiteral("l'alimento con ndb \"%1\" è ripetuto").arg(rec.fields[0]);
        else if (group == data.groups.cend())
            what = QStringLiteral("gruppo \"%1\" sconosciuto").arg(rec.fields[1]);
        if (!what.isEmpty()) {
            *error = fault(path, rec.line, what);
            return false;
        }
        seen.insert(rec.fields[0]);
        FoodPortion portion{food, &*group, group->quantity, {}};
        if (group->unit == u"ml") {
            const auto cup = std::find_if(data.measures.cbegin(), data.measures.cend(),
                                          [&](const Measure &m) { return m.food == food && m.english == u"cup"; });
            portion.density = cup == data.measures.cend() ? QStringLiteral("ml ≈ g") : QStringLiteral("tazza");
            if (cup != data.measures.cend())
                portion.grams = std::round(group->quantity * cup->grams / cup->quantity / kCupMillilitres * 10) / 10;
        }
        data.portions.push_back(portion);
    }
    return true;
}

bool writePortions(const QString &databasePath, const PortionData &data, QString *error)
{
    const QString connection = QStringLiteral("velmo-portions-") + QUuid::createUuid().toString(QUuid::Id128);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(databasePath);
        QSqlQuery q(db);
        const auto run = [&](bool done, const QString &what) {
            if (ok && !done) {
                *error = QStringLiteral("%1: %2").arg(what, q.lastError().text());
                ok = false;
            }
            return ok;
        };
        run(db.open() && q.exec(QStringLiteral("BEGIN"))
                && q.exec(
                    QStringLiteral("CREATE TABLE misure (categoria INTEGER NOT NULL, riga INTEGER NOT NULL, "
                                   "ordine INTEGER NOT NULL, quantita REAL NOT NULL, misura TEXT NOT NULL, "
                                   "misura_plurale TEXT NOT NULL, grammi REAL NOT NULL, misura_inglese TEXT NOT NULL, "
                                   "PRIMARY KEY (categoria, riga, ordine)) WITHOUT ROWID"))
                && q.prepare(QStringLiteral("INSERT INTO misure VALUES (?,?,?,?,?,?,?,?)")),
            QStringLiteral("misure"));
        for (const Measure &m : data.measures) {
            if (!ok)
                break;
            for (const QVariant &v :
                 {QVariant(m.food->category), QVariant(m.food->row), QVariant(m.order), QVariant(m.quantity),
                  QVariant(m.name), QVariant(m.plural), QVariant(m.grams), QVariant(m.english.trimmed())})
                q.addBindValue(v);
            run(q.exec(), m.food->ndb);
        }
        run(!ok
                || (q.exec(QStringLiteral("CREATE TABLE porzioni_standard (categoria INTEGER NOT NULL, riga INTEGER "
                                          "NOT NULL, gruppo TEXT NOT NULL, nome TEXT NOT NULL, grammi REAL NOT NULL, "
                                          "millilitri REAL, densita TEXT, stato TEXT NOT NULL, PRIMARY KEY "
                                          "(categoria, riga)) WITHOUT ROWID"))
                    && q.prepare(QStringLiteral("INSERT INTO porzioni_standard VALUES (?,?,?,?,?,?,?,?)"))),
            QStringLiteral("porzioni_standard"));
        std::map<int, std::vector<std::optional<double>>> columns;
        for (const FoodPortion &p : data.portions) {
            if (!ok)
                break;
            const bool byVolume = p.group->unit == u"ml";
            const QVariant none(QMetaType::fromType<QString>());
            for (const QVariant &v :
                 {QVariant(p.food->category), QVariant(p.food->row), QVariant(p.group->key), QVariant(p.group->name),
                  QVariant(p.grams), byVolume ? QVariant(p.group->quantity) : none,
                  byVolume ? QVariant(p.density) : none, QVariant(p.group->state)})
                q.addBindValue(v);
            run(q.exec(), p.food->ndb);
            auto &column = columns[p.food->category];
            if (column.size() <= static_cast<std::size_t>(p.food->row))
                column.resize(static_cast<std::size_t>(p.food->row) + 1);
            column[static_cast<std::size_t>(p.food->row)] = p.grams;
        }
        // A ranking per standard portion reads every food's portion of a category in one go.
        run(!ok
                || (q.exec(QStringLiteral("CREATE TABLE colonne_porzioni (categoria INTEGER PRIMARY KEY, grammi BLOB "
                                          "NOT NULL)"))
                    && q.prepare(QStringLiteral("INSERT INTO colonne_porzioni VALUES (?,?)"))),
            QStringLiteral("colonne_porzioni"));
        for (const auto &[category, column] : columns) {
            if (!ok)
                break;
            q.addBindValue(category);
            q.addBindValue(packDoubles(column));
            run(q.exec(), QStringLiteral("colonne_porzioni"));
        }
        run(!ok || q.exec(QStringLiteral("COMMIT")), databasePath);
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    return ok;
}

}  // namespace

std::optional<PortionFiles> portionFilesBeside(const QString &cataloguePath)
{
    const QDir dir = QFileInfo(cataloguePath).dir();
    PortionFiles files{dir.filePath(QStringLiteral("misure.csv")),
                       dir.filePath(QStringLiteral("porzioni_standard.csv")),
                       dir.filePath(QStringLiteral("gruppi_porzione.csv"))};
    if (!QFileInfo::exists(files.measures))
        return std::nullopt;
    return files;
}

bool addPortions(const QString &databasePath, const PortionFiles &files, const std::vector<PortionFood> &foods,
                 QString *error)
{
    QHash<QString, const PortionFood *> byNdb;
    for (const PortionFood &food : foods)
        byNdb.insert(food.ndb, &food);
    PortionData data;
    return readMeasures(files.measures, byNdb, data, error) && readGroups(files.portions, data, error)
           && readFoodGroups(files.groups, byNdb, data, error) && writePortions(databasePath, data, error);
}

}  // namespace velmo
