#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "catalogue_builder.h"
#include "support/fooddbfixture.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace velmo;

namespace {

const char *kSource =
    "ndb,group_code,group,long_desc,common_name,sci_name,manufacturer,refuse_desc,refuse_pct,edible_pct,protein_g,"
    "fat_g,carbohydrate_g,energy_kcal,fibre_g,cholesterol_mg\n"
    "09003,0900,Fruits,\"Apples, raw, with skin\",,,,Core and stem,10,90,0.26,0.17,13.81,52,2.4,0\n"
    "09252,0900,Fruits,\"Pears, raw\",,,,\"Core, stem\",8,92,0.36,0.14,15.23,57,3.1,\n"
    "11529,1100,Vegetables,\"Tomatoes, red, ripe, raw\",,,,Core and stem ends,9,91,0.88,0.2,3.89,18,1.2,0\n"
    "99999,1100,Vegetables,Unknown refuse,,,,,,,1,1,1,1,1,1\n";

class CatalogueBuilderTest : public ::testing::Test {
protected:
    void write(const char *name, const QByteArray &text)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    CatalogueBuildResult build(const QByteArray &catalogue)
    {
        write("catalogo.csv", catalogue);
        write("sr28.csv", kSource);
        return buildCatalogue(dir.filePath("catalogo.csv"), dir.filePath("sr28.csv"), out());
    }
    QString out() const { return dir.filePath("elementi97.db"); }
    QTemporaryDir dir;
};

// Every column from the source, NULL where it has no value, in a file that opens as a food database.
TEST_F(CatalogueBuilderTest, BuildsAFoodDatabaseWithEverySourceValue)
{
    const auto result = build("tabella,ndb,alimenti\nFrutta,09003,\"Mela, con buccia, cruda\"\nFrutta,09252,\"Pera, cruda\"\n");
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.foods, 2);
    QString error;
    const auto db = FoodDatabase::open(out(), &error);
    ASSERT_TRUE(db) << error.toStdString();
    QSqlQuery q(db->connection());
    ASSERT_TRUE(q.exec(foodCategories()[static_cast<std::size_t>(*findFoodCategory("Frutta"))].recordSource()));
    QStringList rows;
    while (q.next()) {
        QStringList row;
        for (int c = 0; c < 8; ++c)
            row << q.value(c).toString();
        rows << row.join(u'|');
    }
    EXPECT_EQ(rows, (QStringList{"Mela, con buccia, cruda|90|0.26|0.17|13.81|52|2.4|0", "Pera, cruda|92|0.36|0.14|15.23|57|3.1|"}));
}

// A bad line builds nothing: a database built earlier stays as it was, and no partial file is left.
TEST_F(CatalogueBuilderTest, RefusesBadLinesAndKeepsTheEarlierDatabase)
{
    ASSERT_TRUE(build("tabella,ndb,alimenti\nFrutta,09003,Mela\n").ok);
    const QByteArray before = test::fileBytes(out());
    // clang-format off
    const struct { int line; const char *catalogue, *message; } cases[] = {
        {__LINE__, "tabella,ndb,alimenti\nFrutti,09003,Mela\n", "tabella sconosciuta \"Frutti\""},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,01234,Mela\n", "ndb 01234 assente"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,Mela\nFrutta,09252,mela\n", "riga 3: nome ripetuto"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003\n", "riga 2: riga malformata"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,\"Mela\n", "virgolette non chiuse"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003,M\n", "nome non valido"},
        {__LINE__, "tabella,ndb,alimenti\nFrutta,09003, Mela\n", "nome non valido"},
        {__LINE__, "tabella,ndb,alimenti\nVerdure_ed_ortaggi,99999,Ignoto\n", "parte edibile"},
        {__LINE__, "alimento,ndb\nFrutta,09003,Mela\n", "intestazione"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const auto result = build(c.catalogue);
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QString::fromUtf8(c.message))) << result.error.toStdString();
        EXPECT_EQ(test::fileBytes(out()), before);
        EXPECT_FALSE(QFile::exists(out() + ".partial"));
    }
}

TEST_F(CatalogueBuilderTest, ToolExitsNonZeroWithTheReasonOnStandardError)
{
    write("catalogo.csv", "tabella,ndb,alimenti\nFrutta,77777,Mela\n");
    write("sr28.csv", kSource);
    QProcess tool;
    tool.start(QStringLiteral(VELMO_BUILDER), {dir.filePath("catalogo.csv"), dir.filePath("sr28.csv"), out()});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(tool.readAllStandardError()).contains("ndb 77777 assente"));
    EXPECT_FALSE(QFile::exists(out()));
}

}  // namespace
