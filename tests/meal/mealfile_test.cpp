#include "meal/pasto/mealfile.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

// One line of a meal file and the fault found in it, empty when the line is good.
struct LineCase {
    int line;
    const char *text;
    const char *fault;
};

const LineCase kLineCases[] = {
    {__LINE__, "Frutta;Banana, cruda;120", ""},
    {__LINE__, "  frutta ; Banana, cruda ; 120  ", ""},
    {__LINE__, "Latte_e_Yogurt;Banana, cruda;200", ""},
    {__LINE__, "Frutta;Banana, cruda;0120", ""},
    {__LINE__, "Frutta;Banana, cruda;9999999", ""},
    {__LINE__, "Frutta;Banana, cruda;10000000", "è troppo grande (al massimo 7 cifre)"},
    {__LINE__, "Frutta;Banana, cruda;00000120", "è troppo grande (al massimo 7 cifre)"},
    {__LINE__, "Frutta;Banana, cruda;1,5", "il peso lordo \"1,5\" non è un numero intero di grammi"},
    {__LINE__, "Frutta;Banana, cruda;-5", "non è un numero intero di grammi"},
    {__LINE__, "Frutta;Banana, cruda;12 g", "non è un numero intero di grammi"},
    {__LINE__, "Frutta;Banana, cruda;", "il peso lordo \"\" non è un numero intero di grammi"},
    {__LINE__, "Frutta;Banana, cruda;000", "il peso lordo è 0"},
    {__LINE__, "Frutta;Banana, cruda", "attese tre voci separate da \";\" (categoria;alimento;grammi), trovate 2"},
    {__LINE__, "Frutta;Banana;cruda;3", "trovate 4"},
    {__LINE__, "Verdura;Carote;100", "categoria sconosciuta \"Verdura\""},
    {__LINE__, ";Carote;100", "manca la categoria"},
    {__LINE__, "Frutta;;100", "manca il nome dell'alimento"},
};

TEST(MealFile, EachLineIsCheckedOnItsOwn)
{
    for (const LineCase &c : kLineCases) {
        SCOPED_TRACE(testing::Message() << "case at " << __FILE__ << ":" << c.line);
        const MealFile file = readMealFile(QStringLiteral("# pranzo\n\n") + QString::fromUtf8(c.text) + u'\n');
        const QString fault = QString::fromUtf8(c.fault);
        if (fault.isEmpty()) {
            ASSERT_TRUE(file.ok()) << file.errors.front().message().toStdString();
            ASSERT_EQ(file.entries.size(), 1u);
            EXPECT_EQ(file.entries[0].line, 3);
            EXPECT_GE(file.entries[0].category, 0);
            EXPECT_EQ(file.entries[0].food, QStringLiteral("Banana, cruda"));
        } else {
            ASSERT_EQ(file.errors.size(), 1u);
            EXPECT_EQ(file.errors[0].line, 3);
            EXPECT_TRUE(file.errors[0].message().startsWith(QStringLiteral("riga 3: ")));
            EXPECT_TRUE(file.errors[0].text.contains(fault)) << file.errors[0].text.toStdString();
        }
    }
}

TEST(MealFile, FieldsAreTrimmedAndCategoriesFoundByHeadingOrTable)
{
    const MealFile file = readMealFile(QStringLiteral("  Oli e grassi ;  Olio d'oliva ; 10 \r\nolii_e_grassi;Burro, salato;5"));
    ASSERT_TRUE(file.ok());
    ASSERT_EQ(file.entries.size(), 2u);
    EXPECT_EQ(file.entries[0].category, file.entries[1].category);
    EXPECT_EQ(file.entries[0].food, QStringLiteral("Olio d'oliva"));
    EXPECT_EQ(file.entries[0].grams, QStringLiteral("10"));
    EXPECT_EQ(file.entries[1].line, 2);
}

TEST(MealFile, TwelveFoodsAtMost)
{
    QString text;
    for (int i = 0; i < 12; ++i)
        text += QStringLiteral("Frutta;Banana, cruda;%1\n").arg(i + 1);
    EXPECT_TRUE(readMealFile(text).ok());
    text += QStringLiteral("# commento\nFrutta;Banana, cruda;13\n");
    const MealFile file = readMealFile(text);
    ASSERT_EQ(file.errors.size(), 1u);
    EXPECT_EQ(file.errors[0].line, 14);
    EXPECT_TRUE(file.errors[0].text.contains(QStringLiteral("più di dodici alimenti")));
}

TEST(MealFile, NothingToComputeIsAnError)
{
    const MealFile file = readMealFile(QStringLiteral("# solo commenti\n\n   \n"));
    ASSERT_EQ(file.errors.size(), 1u);
    EXPECT_EQ(file.errors[0].line, 0);
    EXPECT_TRUE(file.errors[0].message().startsWith(QStringLiteral("nessun alimento")));
}

TEST(MealFile, TextMustBeUtf8)
{
    QString error;
    EXPECT_EQ(decodeMealFile(QByteArray("\xEF\xBB\xBF" "Frutta;Pesche;100"), &error), QStringLiteral("Frutta;Pesche;100"));
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(decodeMealFile(QByteArray("Frutta;Pesche;100\nFrutta;Caff\xE8;2\n"), &error), QString());
    EXPECT_EQ(error, QStringLiteral("riga 2: il testo non è in codifica UTF-8; salvare il file come UTF-8"));
}

}  // namespace
}  // namespace velmo::test
