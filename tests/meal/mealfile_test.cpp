// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "common/csv.h"
#include "common/translation.h"
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
            EXPECT_EQ(file.entries[0].grams, QString::fromUtf8(c.text).section(u';', -1).trimmed());
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

// A whole text, how many foods it gives, and its first fault (line and words; none when empty).
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
    {__LINE__, "#" + QByteArray("x").repeated(kMaxLineLength - 1) + "\n" + kFood, 1, 0, ""},
    {__LINE__, "#" + QByteArray("\xC3\xA8").repeated(kMaxLineLength - 1) + "\n" + kFood, 1, 0, ""},
    {__LINE__, "#" + QByteArray("x").repeated(kMaxLineLength) + "\n" + kFood, 1, 1, "la riga è più lunga di 1000 caratteri"},
    {__LINE__, kFood + "\n" + QByteArray(kFood).repeated(100) + "\n" + kFood, 2, 2, "più lunga di 1000 caratteri"},
    {__LINE__, QByteArray(kFood + "\n").repeated(13) + "\xFF\n", 13, 13, "più di dodici alimenti: la tabella del pasto ha 12 righe"},
    {__LINE__, QByteArray("\n").repeated(kMaxMealFileBytes - kFood.size()) + kFood, 1, 0, ""},
    {__LINE__, QByteArray("\n").repeated(kMaxMealFileBytes - kFood.size() + 1) + kFood, 0,
     static_cast<int>(kMaxMealFileBytes - kFood.size() + 2), "supera 1 MB"},
};
// clang-format on

TEST(MealFile, TextIsReadLineByLineWithinItsLimits)
{
    for (const TextCase &c : kTextCases) {
        VELMO_CASE(c);
        const MealFile file = readMealFile(c.text);
        EXPECT_EQ(file.entries.size(), c.foods);
        const QString fault = QString::fromUtf8(c.fault);
        if (fault.isEmpty()) {
            EXPECT_TRUE(file.ok()) << file.errors.front().message().toStdString();
        } else {
            ASSERT_FALSE(file.ok());
            const InputError &last = file.errors.back();
            EXPECT_EQ(last.line, c.faultLine);
            EXPECT_TRUE(last.text.contains(fault)) << last.text.toStdString();
        }
    }
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
