// Finding a food by name, one keystroke at a time, as the search window does it: on the shipped
// catalogue and on a synthetic one of 100,000 foods; and the one-time reading of the index at the
// window's first opening.

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "ui/catalogue/foodsearchwindow.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>
#include <random>

namespace {

// What a user types, letter by letter: every prefix of these texts is one keystroke.
const QStringList &keystrokes()
{
    static const QStringList texts = [] {
        QStringList all;
        for (const char *typed : {"wurstel pollo", "pane integrale", "formaggio fresco", "citta", "latte parz"})
            for (int n = 1; n <= static_cast<int>(qstrlen(typed)); ++n)
                all << QString::fromLatin1(typed, n);
        return all;
    }();
    return texts;
}

std::unique_ptr<velmo::FoodDatabase> openDatabase(const QString &path)
{
    QString error;
    auto database = velmo::FoodDatabase::open(path, &error);
    if (!database)
        qFatal("%s", qPrintable(error));
    return database;
}

velmo::FoodSearch loadSearch(const QString &path)
{
    const auto database = openDatabase(path);
    velmo::FoodSearch search;
    QString error;
    if (!search.load(database->connection(), &error))
        qFatal("%s", qPrintable(error));
    return search;
}

QString shippedDatabase()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath("elementi97.db");
}

// A food database of `foods` names made of food words, with accents and punctuation as the real
// ones have, spread over the sixteen categories, with its search index as the builder writes it.
QString syntheticDatabase(QTemporaryDir &dir, int foods)
{
    static const char *const nouns[] = {"Pane", "Pasta", "Würstel", "Formaggio", "Latte", "Mela", "Crème",
                                        "Prosciutto", "Yogurt", "Olio", "Biscotti", "Riso", "Merluzzo", "Fagioli"};
    static const char *const kinds[] = {"di città", "integrale", "fresco", "parzialmente scremato", "d’oliva",
                                        "di pollo", "al forno", "in scatola", "senza sale", "all'uovo"};
    static const char *const states[] = {"crudo", "cotto", "bollito", "surgelato", "affumicato", "tostato"};
    std::minstd_rand random(12);
    std::vector<velmo::SearchableFood> all;
    std::array<int, velmo::kFoodCategoryCount> rows{};
    for (int i = 0; i < foods; ++i) {
        const QString name = QStringLiteral("%1 %2, %3 %4")
                                 .arg(QString::fromUtf8(nouns[random() % std::size(nouns)]),
                                      QString::fromUtf8(kinds[random() % std::size(kinds)]),
                                      QString::fromUtf8(states[random() % std::size(states)]))
                                 .arg(i);
        const int category = static_cast<int>(random() % velmo::kFoodCategoryCount);
        all.push_back({velmo::searchKey(name), name, category, rows[static_cast<std::size_t>(category)]++});
    }
    std::sort(all.begin(), all.end(), velmo::searchOrder);

    const QString path = dir.filePath("elementi97.db");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "synthetic");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec("BEGIN");
        for (const velmo::FoodCategory &c : velmo::foodCategories())
            q.exec(QStringLiteral("CREATE TABLE %1 (alimenti TEXT, edibile REAL, proteine REAL, lipidi REAL, "
                                  "carboidrati REAL, energia REAL, fibra REAL, colesterolo REAL)")
                       .arg(c.table));
        q.exec(QStringLiteral("CREATE TABLE %1 (chiave TEXT, categoria INTEGER, riga INTEGER, alimenti TEXT)")
                   .arg(QLatin1String(velmo::kSearchIndexTable)));
        q.prepare(QStringLiteral("INSERT INTO %1 VALUES (?,?,?,?)").arg(QLatin1String(velmo::kSearchIndexTable)));
        for (const velmo::SearchableFood &food : all) {
            q.addBindValue(food.key);
            q.addBindValue(food.category);
            q.addBindValue(food.row);
            q.addBindValue(food.name);
            q.exec();
        }
        q.exec("COMMIT");
        q.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase("synthetic");
    return path;
}

// The catalogue a benchmark runs on: range 0 the shipped one, otherwise that many synthetic foods.
struct Catalogue {
    explicit Catalogue(int foods) : path(foods == 0 ? shippedDatabase() : syntheticDatabase(dir, foods)) {}
    QTemporaryDir dir;
    QString path;
};

void BM_SearchKeystroke(benchmark::State &state)
{
    Catalogue catalogue(static_cast<int>(state.range(0)));
    const velmo::FoodSearch search = loadSearch(catalogue.path);
    const QStringList &texts = keystrokes();
    qsizetype next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.find(texts[next], velmo::ui::FoodSearchWindow::kShownFoods));
        next = (next + 1) % texts.size();
    }
    state.counters["foods"] = search.size();
}
BENCHMARK(BM_SearchKeystroke)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

// The same keystrokes typed into the window: the search, the list's model and the summary line.
void BM_SearchWindowKeystroke(benchmark::State &state)
{
    Catalogue catalogue(static_cast<int>(state.range(0)));
    const velmo::FoodSearch search = loadSearch(catalogue.path);
    velmo::ui::FoodSearchWindow window(search, QString());
    const QStringList &texts = keystrokes();
    qsizetype next = 0;
    for (auto _ : state) {
        window.textBox()->setText(texts[next]);
        next = (next + 1) % texts.size();
    }
    state.counters["foods"] = search.size();
}
BENCHMARK(BM_SearchWindowKeystroke)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

// The index read once, when the window first opens.
void BM_ReadSearchIndex(benchmark::State &state)
{
    Catalogue catalogue(static_cast<int>(state.range(0)));
    const auto database = openDatabase(catalogue.path);
    for (auto _ : state) {
        velmo::FoodSearch search;
        QString error;
        benchmark::DoNotOptimize(search.load(database->connection(), &error));
    }
}
BENCHMARK(BM_ReadSearchIndex)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
