// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "common/csv.h"
#include "common/translation.h"
#include "meal/dayfile.h"
#include "meal/mealdocument.h"
#include "meal/mealfile.h"
#include "support/endlessinput.h"
#include "support/fooddbfixture.h"
#include "support/tablecase.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

namespace velmo::test {
namespace {

using namespace Qt::StringLiterals;

// One line of a meal file and the fault found in it, empty when the line is good.
// clang-format off
struct LineCase { int line; const char *text; const char *fault; };
// clang-format on

// clang-format off
const LineCase kLineCases[] = {
    {__LINE__, "Frutta;Banana, cruda;120", ""},
    {__LINE__, "  frutta ; Banana, cruda ; 120  ", ""},
    {__LINE__, "olii_e_grassi;Banana, cruda;200", ""},
    {__LINE__, "Frutta;Banana, cruda;0120", ""},
    {__LINE__, "Fr\xE2\x80\x99utta;Banana, cruda;1", "categoria sconosciuta \"Fr\xE2\x80\x99utta\""},
    {__LINE__, "Frutta;Banana, cruda;9999999", ""},
    {__LINE__, "Frutta;Banana, cruda;10000000", "è troppo grande (al massimo 7 cifre)"},
    {__LINE__, "Frutta;Banana, cruda;00000120", "è troppo grande (al massimo 7 cifre)"},
    {__LINE__, "Frutta;Banana, cruda;61;2 fette", ""},
    {__LINE__, "Frutta;Banana, cruda;½ porzione", ""},
    {__LINE__, "Frutta;Banana, cruda;;2 fette", ""},
    {__LINE__, "Frutta;Banana, cruda;61;2", "la porzione \"2\" non dice quale misura"},
    {__LINE__, "Frutta;Banana, cruda;x;2 fette", "il peso lordo \"x\" non è un numero intero di grammi"},
    {__LINE__, "Frutta;Banana, cruda;1,5", "il peso lordo \"1,5\" non è un numero intero di grammi"},
    {__LINE__, "Frutta;Banana, cruda;", "il peso lordo \"\" non è un numero intero di grammi"},
    {__LINE__, "Frutta;Banana, cruda;000", "il peso lordo è 0"},
    {__LINE__, "Frutta;Banana, cruda", "attese tre voci separate da \";\" (categoria;alimento;grammi), trovate 2"},
    {__LINE__, "Verdura;Carote;100", "categoria sconosciuta \"Verdura\""},
    {__LINE__, ";Carote;100", "manca la categoria"},
    {__LINE__, "Frutta;;100", "manca il nome dell'alimento"},
    // What the input holds reaches the message, but never as a control of the terminal.
    {__LINE__, "\x1b[31mFrutta;Banana, cruda;1", "categoria sconosciuta \"\\x1b[31mFrutta\""},
    {__LINE__, "Frutta;Banana, cruda;1\t2", "il peso lordo \"1\\t2\""},
    // A field in double quotes, as RFC 4180 writes one (a name holding ";" is written so).
    {__LINE__, "Frutta;\"Banana, cruda\";7", ""},
    {__LINE__, " \"Frutta\" ;  \"Banana, cruda\"  ;7", ""},
    {__LINE__, "Frutta;\"Banana, cruda;7", "virgolette non chiuse: una voce tra virgolette deve finire con \""},
    {__LINE__, "Frutta;\"Banana,\" cruda;7", "testo dopo le virgolette di chiusura: una voce tra virgolette deve essere seguita da \";\""},
    {__LINE__, "Frutta;Banana, cruda;\"7\"\"", "virgolette non chiuse"},
};
// clang-format on

TEST(MealFile, EachLineIsCheckedOnItsOwn)
{
    for (const LineCase &c : kLineCases) {
        VELMO_CASE(c);
        const MealFile file = readMealFile(QByteArray("# pranzo\n\n") + c.text + '\n');
        const QString fault = QString::fromUtf8(c.fault);
        if (fault.isEmpty()) {
            ASSERT_TRUE(file.ok()) << file.errors.front().message().toStdString();
            ASSERT_EQ(file.entries.size(), 1u);
            EXPECT_EQ(file.entries[0].line, 3);
            EXPECT_GE(file.entries[0].category, 0);
            // The weight, then the portion when there is one: a portion alone stands in place of it.
            const MealFileEntry &e = file.entries[0];
            const QString read = e.portion.isEmpty() ? e.grams
                                 : e.grams.isEmpty() ? e.portion
                                                     : e.grams + u';' + e.portion;
            const QString written = QString::fromUtf8(c.text).section(u';', 2).trimmed();
            EXPECT_EQ(read, written.startsWith(u';') ? written.mid(1) : written);
            EXPECT_EQ(file.entries[0].food, QStringLiteral("Banana, cruda"));
        } else {
            ASSERT_EQ(file.errors.size(), 1u);
            EXPECT_EQ(file.errors[0].line, 3);
            EXPECT_TRUE(file.errors[0].message().startsWith(QStringLiteral("riga 3: ")));
            EXPECT_TRUE(file.errors[0].text.contains(fault)) << file.errors[0].text.toStdString();
        }
    }
}

// The shipped catalogue's names are written as they always were; they, and names holding
// separators, quotes or blanks at their ends, read back as they were written.
TEST(MealFile, EveryNameReadsBackAsWritten)
{
    QFile catalogue(QStringLiteral(VELMO_DATA_DIR "/catalogo.csv"));
    ASSERT_TRUE(catalogue.open(QIODevice::ReadOnly));
    std::vector<MealFileEntry> entries;
    for (const CsvRecord &food : parseCsv(QString::fromUtf8(catalogue.readAll())).records)
        if (food.line > 1)  // below the header
            entries.push_back({0, findFoodCategory(food.fields[0]).value_or(-1), food.fields[2], QStringLiteral("1")});
    ASSERT_GT(entries.size(), 800u);
    const std::size_t shipped = entries.size();
    for (const QString &name : kHostileFoodNames + QStringList{u" Spazi ai lati\t"_s, u"\""_s, u";"_s, u"# solo"_s})
        entries.push_back({0, kPersonalCategory, name, QStringLiteral("25")});
    for (std::size_t first = 0; first < entries.size(); first += kMealRows) {
        const std::vector<MealFileEntry> meal(entries.begin() + first,
                                              entries.begin() + std::min(first + kMealRows, entries.size()));
        const QByteArray text = mealFileText(meal);
        EXPECT_EQ(readMealFile(text).entries, meal) << text.toStdString();
        for (std::size_t i = first; i < std::min(first + kMealRows, shipped); ++i)
            EXPECT_TRUE(text.contains(
                (u'\n' + foodCategory(entries[i].category).heading + u';' + entries[i].food + QStringLiteral(";1\n"))
                    .toUtf8()));
    }
    // Files written before names were quoted: a quote inside a name is a quote.
    EXPECT_EQ(readMealFile("Frutta;Torta \"della nonna\";1").entries.at(0).food,
              QStringLiteral("Torta \"della nonna\""));
}

const QByteArray kFood = "Frutta;Banana, cruda;1";

// A whole text, how many foods it gives, and its one fault (line and words; none when empty).
// clang-format off
struct TextCase { int line; QByteArray text; std::size_t foods; int faultLine; const char *fault; };
// clang-format on

// clang-format off
const TextCase kTextCases[] = {
    {__LINE__, kFood + "\r" + kFood + "\r\r" + kFood, 3, 0, ""},
    {__LINE__, kFood + "\r\n" + kFood + "\n\r" + kFood + "\r", 3, 0, ""},
    {__LINE__, "\xEF\xBB\xBF" + kFood, 1, 0, ""},
    {__LINE__, "# solo commenti\n\n   \n", 0, 0, "nessun alimento da calcolare"},
    {__LINE__, kFood + "\n" + kFood + "\xE8\n" + "x\n", 1, 2, "il testo non è in codifica UTF-8; salvare il file come UTF-8"},
    {__LINE__, kFood + "\n\nFrutta;Banana" + QByteArray(1, '\0') + ";1\nx\n", 1, 3, "carattere nullo"},
    {__LINE__, kFood + "\xC3\n", 0, 1, "non è in codifica UTF-8"},
    {__LINE__, "Frutta;\xC0\xAF;1\n", 0, 1, "non è in codifica UTF-8"},
    {__LINE__, "Frutta;\xED\xA0\x80;1\n", 0, 1, "non è in codifica UTF-8"},
    {__LINE__, "Frutta;\xF4\x90\x80\x80;1\n", 0, 1, "non è in codifica UTF-8"},
    {__LINE__, "#\xED\x9F\xBF\xF0\x90\x80\x80\xF1\x80\x80\x80\xF4\x8F\xBF\xBF\n" + kFood, 1, 0, ""},
    {__LINE__, "#" + QByteArray("x").repeated(kMaxLineLength - 1) + "\n" + kFood, 1, 0, ""},
    {__LINE__, "#" + QByteArray("\xC3\xA8").repeated(kMaxLineLength - 1) + "\n" + kFood, 1, 0, ""},
    {__LINE__, "#" + QByteArray("x").repeated(kMaxLineLength) + "\n" + kFood, 1, 1, "la riga è più lunga di 1000 caratteri"},
    {__LINE__, kFood + "\n" + QByteArray(kFood).repeated(100) + "\n" + kFood, 2, 2, "più lunga di 1000 caratteri"},
    // Within the limit as typed, but not once its quotes are doubled as Velmo writes them.
    {__LINE__, "Frutta;" + QByteArray("a\"").repeated(300) + ";1\n", 1, 0, ""},
    {__LINE__, kFood + "\nFrutta;" + QByteArray("a\"").repeated(400) + ";1\n", 2, 2, "come Velmo la salva, supera i 1000 caratteri"},
    // Characters beyond the first plane count once, as the reader counts them.
    {__LINE__, "Frutta;" + QByteArray("\xF0\x9F\x8D\x8E").repeated(900) + ";1\n", 1, 0, ""},
    {__LINE__, QByteArray(kFood + "\n").repeated(13) + "\xFF\n", 13, 13, "più di dodici alimenti: la tabella del pasto ha 12 righe"},
    {__LINE__, QByteArray("\n").repeated(kMaxMealFileBytes - kFood.size()) + kFood, 1, 0, ""},
    {__LINE__, QByteArray("\n").repeated(kMaxMealFileBytes - kFood.size() + 1) + kFood, 0,
     static_cast<int>(kMaxMealFileBytes - kFood.size() + 2), "supera 1 MB"},
    {__LINE__, QByteArray("\n").repeated(kMaxMealFileBytes - kMaxLineLength) + QByteArray("x").repeated(kMaxLineLength + 1), 0,
     static_cast<int>(kMaxMealFileBytes - kMaxLineLength + 1), "supera 1 MB"},
};
// clang-format on

TEST(MealFile, TextIsReadLineByLineWithinItsLimits)
{
    for (const TextCase &c : kTextCases) {
        VELMO_CASE(c);
        const MealFile file = readMealFile(c.text);
        EXPECT_EQ(file.entries.size(), c.foods);
        // Every meal file is a day of one meal without a name, with the same foods and faults.
        const DayFile day = readDayFile(c.text);
        EXPECT_EQ(day.day.meals.size(), c.foods > 0 ? 1u : 0u);
        EXPECT_TRUE(day.day.meals.empty() || (day.day.meals[0] == DayMeal{QString(), file.entries}));
        EXPECT_EQ(errorReport(day.errors), errorReport(file.errors));
        const QString fault = QString::fromUtf8(c.fault);
        if (fault.isEmpty()) {
            EXPECT_TRUE(file.ok()) << file.errors.front().message().toStdString();
        } else {
            ASSERT_EQ(file.errors.size(), 1u) << errorReport(file.errors).join(u'|').toStdString();
            const InputError &last = file.errors.back();
            EXPECT_EQ(last.line, c.faultLine);
            EXPECT_TRUE(last.text.contains(fault)) << last.text.toStdString();
        }
    }
}

// A day file: its meals as "name:foods|..." and its first fault (line and words; none when empty).
// clang-format off
struct DayCase { int line; QByteArray text; const char *meals; int faultLine; const char *fault; };
// clang-format on

QByteArray meals(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += "[Pasto " + QByteArray::number(i) + "]\n";
    return text;
}

// clang-format off
const DayCase kDayCases[] = {
    {__LINE__, kFood + "\n[Pranzo]\n" + kFood, ":1|Pranzo:1", 0, ""},
    {__LINE__, "# giorno\n[ Colazione ]\n" + kFood + "\n\n[Merenda]\n# vuota\n[Cena]\r\n" + kFood + "\n" + kFood, "Colazione:1|Merenda:0|Cena:2", 0, ""},
    {__LINE__, "[" + QByteArray("è").repeated(kMaxMealNameLength) + "]\n" + QByteArray(kFood + "\n").repeated(12) + "[B]\n" + QByteArray(kFood + "\n").repeated(12), "èèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèèè:12|B:12", 0, ""},
    {__LINE__, meals(9) + kFood, "Pasto 1:0|Pasto 2:0|Pasto 3:0|Pasto 4:0|Pasto 5:0|Pasto 6:0|Pasto 7:0|Pasto 8:0", 9, "più di 8 pasti: un giorno ne ha al massimo 8; lettura interrotta"},
    {__LINE__, kFood + "\n" + meals(8), ":1|Pasto 1:0|Pasto 2:0|Pasto 3:0|Pasto 4:0|Pasto 5:0|Pasto 6:0|Pasto 7:0", 9, "più di 8 pasti"},
    {__LINE__, "[Pranzo]\n" + QByteArray(kFood + "\n").repeated(13) + "\xFF", "Pranzo:13", 14, "più di dodici alimenti nel pasto \"Pranzo\": la tabella del pasto ha 12 righe"},
    {__LINE__, "[]\n" + kFood, ":1", 1, "manca il nome del pasto tra \"[\" e \"]\""},
    {__LINE__, "[  ]\n", ":0", 1, "manca il nome del pasto"},
    {__LINE__, "[Pranzo\n" + kFood, "Pranzo:1", 1, "manca \"]\" alla fine della riga"},
    {__LINE__, "[Pranzo]]\n", "Pranzo]:0", 1, "il nome del pasto \"Pranzo]\" contiene \"]\" o un carattere di controllo"},
    {__LINE__, "[a\tb]\n", "a\tb:0", 1, "il nome del pasto \"a\\tb\" contiene"},
    {__LINE__, "[a\xE2\x80\xAE" "b]\n", "a\u202Eb:0", 1, "contiene \"]\" o un carattere di controllo"},
    {__LINE__, "[a\xF3\xA0\x81\xA7" "b]\n", "a\U000E0067b:0", 1, "contiene \"]\" o un carattere di controllo"},
    {__LINE__, "[" + QByteArray("x").repeated(kMaxMealNameLength + 1) + "]\n", "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx:0", 1, "è più lungo di 40 caratteri"},
    {__LINE__, "[Pranzo]\n" + kFood + "\n[PRANZO]\n", "Pranzo:1|PRANZO:0", 3, "il pasto \"PRANZO\" c'è già alla riga 1: i pasti di un giorno hanno nomi diversi"},
    {__LINE__, "[Cena]\n[Pranzo\xE8]\n", "Cena:0", 2, "non è in codifica UTF-8"},
};
// clang-format on

TEST(DayFile, MealsStartAtTheirNamesWithinTheDaysLimits)
{
    for (const DayCase &c : kDayCases) {
        VELMO_CASE(c);
        const DayFile file = readDayFile(c.text);
        QStringList meals;
        for (const DayMeal &meal : file.day.meals)
            meals << meal.name + u':' + QString::number(meal.entries.size());
        EXPECT_EQ(meals.join(u'|'), QString::fromUtf8(c.meals));
        const QString fault = QString::fromUtf8(c.fault);
        if (fault.isEmpty()) {
            EXPECT_TRUE(file.ok()) << file.errors.front().message().toStdString();
        } else {
            ASSERT_FALSE(file.ok());
            EXPECT_EQ(file.errors.back().line, c.faultLine);
            EXPECT_TRUE(file.errors.back().text.contains(fault)) << file.errors.back().text.toStdString();
        }
    }
}

// What the writer is given comes back as it was, or is not written at all.
TEST(DayFile, DaysReadBackAsWrittenOrAreRefused)
{
    const MealFileEntry food{0, kPersonalCategory, QStringLiteral("Torta; \"fetta\""), QStringLiteral("80")};
    const std::vector<MealFileEntry> two{food, food};
    // clang-format off
    const struct { int line; MealDay day; bool written; } cases[] = {
        {__LINE__, emptyDay(), true},
        {__LINE__, {{{QString(), two}, {u"Cena"_s, two}, {u"[Spuntino"_s, {}}}}, true},
        {__LINE__, {{{QString(), {}}, {u"Cena"_s, two}}}, false},
        {__LINE__, {{{u"Cena"_s, two}, {QString(), two}}}, false},
        {__LINE__, {{{u"Cena"_s, two}, {u"cena"_s, two}}}, false},
        {__LINE__, {{{u"Cena "_s, two}}}, false},
        {__LINE__, {{{u"Ce\nna"_s, two}}}, false},
        {__LINE__, {{{u"Cena"_s, std::vector<MealFileEntry>(kMealRows + 1, food)}}}, false},
        {__LINE__, {std::vector<DayMeal>(kMaxMealsPerDay + 1)}, false},
        {__LINE__, {}, false},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto text = dayFileText(c.day);
        ASSERT_EQ(text.has_value(), c.written);
        if (text) {
            EXPECT_EQ(readDayFile(*text).day, c.day) << text->toStdString();
            EXPECT_TRUE(readDayFile(*text).ok());
        }
    }
    // A day of one meal without a name is a meal file, byte for byte.
    EXPECT_EQ(dayFileText({{{QString(), two}}}), mealFileText(two));
}

// `firstFault`: when the stop follows another fault.
// clang-format off
struct EndlessCase { int line; QByteArray pattern; const char *fault; const char *firstFault = ""; };
// clang-format on

// clang-format off
const EndlessCase kEndlessCases[] = {
    {__LINE__, QByteArray(1, '\0'), "carattere nullo"},
    {__LINE__, "\n", "supera 1 MB"},
    {__LINE__, "x", "supera 1 MB", "la riga è più lunga di 1000 caratteri"},
    {__LINE__, kFood + "\n", "più di dodici alimenti"},
    {__LINE__, "x;y;z\n", "più di dodici alimenti"},
};
// clang-format on

TEST(MealFile, EndlessInputStopsWithinTheSizeLimit)
{
    for (const EndlessCase &c : kEndlessCases) {
        VELMO_CASE(c);
        EndlessInput input(c.pattern);
        const MealFile file = readMealFile(input);
        ASSERT_FALSE(file.ok());
        EXPECT_TRUE(file.errors.back().text.contains(QString::fromUtf8(c.fault)))
            << file.errors.back().text.toStdString();
        EXPECT_LE(input.served, kMaxMealFileBytes + 1);
        if (*c.firstFault) {
            EXPECT_EQ(file.errors.front().line, 1);
            EXPECT_EQ(file.errors.front().text, QString::fromUtf8(c.firstFault));
        }
    }
}

TEST(MealFile, AtMostTwentyErrorsAreReportedThenHowManyMore)
{
    ASSERT_TRUE(installLanguage(Language::Italian));  // the Italian plural forms, as the programs load them
    // clang-format off
    const struct { int line; int count; const char *last; } cases[] = {{__LINE__, 20, "riga 20: errore 20"}, {__LINE__, 21, "e un altro errore"}, {__LINE__, 37, "e altri 17 errori"}};
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        std::vector<InputError> errors;
        for (int i = c.count; i > 0; --i)
            errors.push_back({i, QStringLiteral("errore %1").arg(i)});
        const QStringList report = errorReport(errors);
        ASSERT_EQ(report.size(), std::min(c.count, kMaxReportedErrors + 1));
        EXPECT_EQ(report.front(), QStringLiteral("riga 1: errore 1"));
        EXPECT_EQ(report[kMaxReportedErrors - 1], QStringLiteral("riga 20: errore 20"));
        EXPECT_EQ(report.back(), QString::fromUtf8(c.last));
    }
}

}  // namespace
}  // namespace velmo::test
