// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Finding a food by name, one keystroke at a time, as the search window does it: on the shipped
// catalogue and on a synthetic one of 100,000 foods, by the Italian names and their common names
// and (second argument 1) by the English ones; and the one-time reading of the index at the
// window's first opening.

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue/foodsearch.h"
#include "benchlanguage.h"
#include "catalogue_builder.h"
#include "ui/catalogue/foodsearchwindow.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QFile>
#include <QTemporaryDir>

#include <map>
#include <memory>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// What a user types, letter by letter: every prefix of these texts is one keystroke.
QStringList keystrokes(bool english)
{
    const auto italian = {"wurstel pollo", "pane integrale", "formaggio fresco", "citta", "latte parz"};
    const auto inEnglish = {"frankfurter chicken", "bread whole", "cheese fresh", "city", "milk semi"};
    QStringList all;
    for (const char *typed : english ? inEnglish : italian)
        for (int n = 1; n <= static_cast<int>(qstrlen(typed)); ++n)
            all << QString::fromLatin1(typed, n);
    return all;
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
    return QDir(QCoreApplication::applicationDirPath()).filePath(u"elementi97.db"_s);
}

// A food database of `foods` names made of food words, with accents and punctuation as the real
// ones have, and English names made alike, spread over the sixteen categories, with common names
// for about as many foods as the shipped list has them, made by the catalogue builder as the
// shipped one is. Built once per run, in a folder that lasts as long as the run.
QString syntheticDatabase(int foods)
{
    static QTemporaryDir dir;
    static std::map<int, QString> built;
    if (const auto known = built.find(foods); known != built.end())
        return known->second;
    static const char *const nouns[] = {"Pane",       "Pasta",  "Würstel", "Formaggio", "Latte", "Mela",     "Crème",
                                        "Prosciutto", "Yogurt", "Olio",    "Biscotti",  "Riso",  "Merluzzo", "Fagioli"};
    static const char *const kinds[] = {"di città",   "integrale", "fresco",   "parzialmente scremato",
                                        "d’oliva",    "di pollo",  "al forno", "in scatola",
                                        "senza sale", "all'uovo"};
    static const char *const states[] = {"crudo", "cotto", "bollito", "surgelato", "affumicato", "tostato"};
    static const char *const englishNouns[] = {"Bread", "Pasta",  "Frankfurter", "Cheese",   "Milk", "Apple", "Cream",
                                               "Ham",   "Yogurt", "Oil",         "Biscuits", "Rice", "Cod",   "Beans"};
    static const char *const englishKinds[] = {"city",    "wholemeal", "fresh",  "semi-skimmed", "olive",
                                               "chicken", "baked",     "canned", "unsalted",     "egg"};
    static const char *const englishStates[] = {"raw", "cooked", "boiled", "frozen", "smoked", "toasted"};
    static const char *const commonNames[] = {"insalata", "spaghetti",        "petto di pollo", "latte magro",
                                              "uova",     "tonno in scatola", "pomodoro",       "fette biscottate",
                                              "grana"};
    std::minstd_rand random(12);
    std::minstd_rand common(34);  // apart, so that the names are those of a catalogue without common names
    QString catalogue = QStringLiteral("tabella,ndb,alimenti\n");
    QString source = QStringLiteral("ndb,long_desc,edible_pct,protein_g,fat_g,carbohydrate_g,energy_kcal,fibre_g,"
                                    "cholesterol_mg\n");
    QString synonyms = QStringLiteral("sinonimo,tabella,alimenti\n");
    for (int i = 0; i < foods; ++i) {
        const auto noun = random() % std::size(nouns);
        const auto kind = random() % std::size(kinds);
        const auto state = random() % std::size(states);
        const QString name = QStringLiteral("%1 %2, %3 %4")
                                 .arg(QString::fromUtf8(nouns[noun]), QString::fromUtf8(kinds[kind]),
                                      QString::fromUtf8(states[state]))
                                 .arg(i);
        const QString english = QStringLiteral("%1, %2, %3 %4")
                                    .arg(QLatin1StringView(englishNouns[noun]), QLatin1StringView(englishKinds[kind]),
                                         QLatin1StringView(englishStates[state]))
                                    .arg(i);
        const auto &category = velmo::foodCategories()[random() % velmo::kFoodCategoryCount];
        catalogue += QStringLiteral("%1,%2,\"%3\"\n").arg(category.table).arg(i).arg(name);
        source += QStringLiteral("%1,\"%2\",90,1,2,3,40,5,6\n").arg(i).arg(english);
        if (common() % 7 < 4)  // as the shipped list: 500 lines for 881 foods
            synonyms += QStringLiteral("%1,%2,\"%3\"\n")
                            .arg(QLatin1StringView(commonNames[common() % std::size(commonNames)]), category.table,
                                 name);
    }
    const auto write = [](const QString &path, const QString &text) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(path));
    };
    const QString stem = dir.filePath(QString::number(foods));
    write(stem + u".csv"_s, catalogue);
    write(stem + u"-source.csv"_s, source);
    write(stem + u"-synonyms.csv"_s, synonyms);
    const auto result = velmo::buildCatalogue(stem + u".csv"_s, stem + u"-source.csv"_s, stem + u".db"_s,
                                              stem + u"-synonyms.csv"_s);
    if (!result.ok)
        qFatal("%s", qPrintable(result.error));
    return built[foods] = stem + u".db"_s;
}

// The catalogue a benchmark runs on: range 0 the shipped one, otherwise that many synthetic foods.
struct Catalogue {
    explicit Catalogue(int foods) : path(foods == 0 ? shippedDatabase() : syntheticDatabase(foods)) {}
    QString path;
};

void BM_SearchKeystroke(benchmark::State &state)
{
    Catalogue catalogue(static_cast<int>(state.range(0)));
    const velmo::bench::BenchLanguage language(state.range(1) == 1);
    const velmo::FoodSearch search = loadSearch(catalogue.path);
    const QStringList texts = keystrokes(state.range(1) == 1);
    qsizetype next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(search.find(texts[next], velmo::ui::FoodSearchWindow::kShownFoods));
        next = (next + 1) % texts.size();
    }
    state.counters["foods"] = search.size();
}
BENCHMARK(BM_SearchKeystroke)->ArgsProduct({{0, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);

// The same keystrokes typed into the window: the search, the list's model and the summary line.
void BM_SearchWindowKeystroke(benchmark::State &state)
{
    Catalogue catalogue(static_cast<int>(state.range(0)));
    const velmo::bench::BenchLanguage language(state.range(1) == 1);
    const velmo::FoodSearch search = loadSearch(catalogue.path);
    velmo::ui::FoodSearchWindow window(search, QString());
    const QStringList texts = keystrokes(state.range(1) == 1);
    qsizetype next = 0;
    for (auto _ : state) {
        window.textBox()->setText(texts[next]);
        next = (next + 1) % texts.size();
    }
    state.counters["foods"] = search.size();
}
BENCHMARK(BM_SearchWindowKeystroke)->ArgsProduct({{0, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);

// The first keystroke into the empty box (third argument 0: one letter, the most foods found)
// apart from the further ones (1: two letters and more), as the window takes them.
void BM_SearchWindowFirstOrFurtherKeystroke(benchmark::State &state)
{
    Catalogue catalogue(static_cast<int>(state.range(0)));
    const velmo::bench::BenchLanguage language(state.range(1) == 1);
    const velmo::FoodSearch search = loadSearch(catalogue.path);
    velmo::ui::FoodSearchWindow window(search, QString());
    const bool further = state.range(2) == 1;
    QStringList texts = keystrokes(state.range(1) == 1);
    texts.removeIf([further](const QString &text) { return (text.size() > 1) != further; });
    qsizetype next = 0;
    for (auto _ : state) {
        window.textBox()->setText(texts[next]);
        next = (next + 1) % texts.size();
    }
}
BENCHMARK(BM_SearchWindowFirstOrFurtherKeystroke)
    ->ArgsProduct({{100000}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// The index read once, when the window first opens.
void BM_ReadSearchIndex(benchmark::State &state)
{
    Catalogue catalogue(static_cast<int>(state.range(0)));
    const velmo::bench::BenchLanguage language(state.range(1) == 1);
    const auto database = openDatabase(catalogue.path);
    for (auto _ : state) {
        velmo::FoodSearch search;
        QString error;
        benchmark::DoNotOptimize(search.load(database->connection(), &error));
    }
}
BENCHMARK(BM_ReadSearchIndex)->ArgsProduct({{0, 100000}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
