#include "catalogue/personalcatalogue.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmo::test {
namespace {

const QByteArray kHeader = "alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\r\n";

PersonalFood food(const char *name, double edible, std::array<std::optional<double>, 6> nutrients)
{
    return {QString::fromUtf8(name), edible, nutrients};
}

class PersonalCatalogueTest : public ::testing::Test {
protected:
    std::unique_ptr<PersonalCatalogue> open()
    {
        QString error;
        auto catalogue = PersonalCatalogue::open(path, true, &error);
        EXPECT_TRUE(catalogue) << error.toStdString();
        return catalogue;
    }
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("dati/alimenti-personali.db"));
};

// One line per rule of the import: all lines or none, and each fault names its line.
TEST(PersonalFoodCsv, ImportRules)
{
    // The lines after the header, the foods read when no error is expected, words of the first error;
    // what is read is exported and imported back.
    // clang-format off
    const struct { int line; QByteArray body; int foods; const char *error; } cases[] = {
        {__LINE__, "\"Torta, fetta\",100,6.5,\"12,3\",50,340,,40\r\n", 1, ""},
        {__LINE__, "Birra,100,0.5,0,3.5,45,,\r\nAcqua,100,,,,,,\r\nZucchero,100,0,0,100,,,\r\nAlbume,100,100,0,0,,,\r\n", 4, ""},
        {__LINE__, "Sale,100,0.00001,0,0,0.1234567890123456,0,0\r\n", 1, ""},  // exported as read, no exponent
        {__LINE__, "Pane,0,1,1,1,1,1,1\r\n", 0, "riga 2: Parte edibile: il valore deve essere compreso fra 1 e 100"},
        {__LINE__, "Pane,,1,1,1,1,1,1\r\n", 0, "riga 2: Parte edibile: manca il valore"},
        {__LINE__, "Pane,100,1,1,1,1000,1,1\r\n", 0, "riga 2: Energia: il valore deve essere compreso fra 0 e 900"},
        {__LINE__, "Buono,100,1,1,1,1,1,1\r\nPane,100,-1,1,1,1,1,1\r\n", 0, "riga 3: Proteine: \"-1\" non è un numero"},
        {__LINE__, "Pane,100,1.000,5,1,1,1,1\r\nPane,100,1,1\r\n", 0, "riga 3: servono 8 campi"},
        {__LINE__, "Pane,100,1,1,1,1,1,1\r\npane ,90,1,1,1,1,1,1\r\n", 0, "riga 3: l'alimento \"pane\" compare già alla riga 2"},
        {__LINE__, ",100,1,1,1,1,1,1\r\n", 0, "riga 2: Il nome dell'alimento è vuoto"},
        {__LINE__, "\"Pane\r\n", 0, "riga 2: virgolette non chiuse"},
        {__LINE__, "Pan\xff,100,1,1,1,1,1,1\r\n", 0, "il file non è testo UTF-8"},
    };
    // clang-format on
    const LocaleGuard locale("it_IT");
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const CsvFoods read = foodsFromCsv(kHeader + c.body);
        EXPECT_EQ(read.foods.size(), static_cast<std::size_t>(c.foods));
        EXPECT_EQ(read.errors.value(0).toStdString().find(c.error) != std::string::npos, true)
            << read.errors.join(u'|').toStdString();
        EXPECT_EQ(read.ok(), *c.error == '\0');
        if (read.ok())  // the export of what was read imports back the same
            EXPECT_EQ(foodsFromCsv(foodsToCsv(read.foods).toUtf8()).foods, read.foods);
    }
    EXPECT_EQ(foodsFromCsv("nome,edibile\r\nPane,100\r\n").errors.value(0).left(7), QStringLiteral("riga 1:"));
}

TEST_F(PersonalCatalogueTest, CreatedOnFirstUseWithUniqueNamesWhateverTheCapitals)
{
    QString error;
    EXPECT_TRUE(PersonalCatalogue::open(path, false, &error)->inMemory());
    EXPECT_FALSE(QFile::exists(path));  // reading alone never creates the file
    auto catalogue = open();
    ASSERT_TRUE(catalogue->save(food("Pane", 100, {}), {}, &error));
    EXPECT_TRUE(catalogue->lastChange().has_value());
    EXPECT_FALSE(catalogue->save(food("PANE", 90, {}), {}, &error));
    EXPECT_TRUE(error.contains("Esiste già un alimento personale di nome \"Pane\"")) << error.toStdString();
    ASSERT_TRUE(catalogue->save(food("Pane nero", 95, {}), {}, &error));
    EXPECT_FALSE(catalogue->save(food("pane nero", 95, {}), QStringLiteral("Pane"), &error));  // renaming onto another
    ASSERT_TRUE(catalogue->save(food("pane", 80, {1}), QStringLiteral("Pane"), &error)) << error.toStdString();
    ASSERT_TRUE(catalogue->remove(QStringLiteral("PANE NERO"), &error));
    catalogue.reset();
    const auto reopened = open();
    EXPECT_EQ(reopened->foods(&error), (std::vector<PersonalFood>{food("pane", 80, {1})}));
}

TEST_F(PersonalCatalogueTest, ImportUpdatesKnownNamesAndExportThenImportGivesTheSameCatalogue)
{
    auto catalogue = open();
    QString error;
    ASSERT_TRUE(catalogue->save(food("Birra", 100, {1, 0, 1, 1, {}, {}}), {}, &error));
    const CsvFoods read = foodsFromCsv(
        kHeader + "\"Torta, \"\"nonna\"\"\",100,6.5,\"12,3\",50,340,,40\r\nbirra,100,0.5,0,3.5,45,,\r\n");
    ASSERT_TRUE(read.ok());
    PersonalCatalogue::Merge counts;
    ASSERT_TRUE(catalogue->merge(read.foods, &counts, &error));
    EXPECT_EQ(counts.added, 1);
    EXPECT_EQ(counts.updated, 1);
    const std::vector<PersonalFood> before = catalogue->foods(&error);
    EXPECT_EQ(before.front(), food("birra", 100, {0.5, 0, 3.5, 45, {}, {}}));

    const QString exported = foodsToCsv(before);
    QTemporaryDir other;
    QString otherError;
    auto copy = PersonalCatalogue::open(other.filePath("copia.db"), true, &otherError);
    ASSERT_TRUE(copy && copy->merge(foodsFromCsv(exported.toUtf8()).foods, &counts, &otherError));
    EXPECT_EQ(copy->foods(&otherError), before);
    EXPECT_EQ(foodsToCsv(copy->foods(&otherError)), exported);
}

// A file that cannot be opened is refused with its name and left byte for byte as it was.
TEST_F(PersonalCatalogueTest, AFileThatCannotBeOpenedIsNeverWritten)
{
    const auto sqlite = [this](const char *statement) {
        return [this, statement] {
            QString error;
            auto c = PersonalCatalogue::open(path, true, &error);
            QSqlQuery(c->connection()).exec(QString::fromLatin1(statement));
        };
    };
    // clang-format off
    const struct { int line; std::function<void()> make; PersonalCatalogue::Problem problem; const char *words; } cases[] = {
        {__LINE__, [this] { QFile f(path); f.open(QIODevice::WriteOnly); f.write(QByteArray(3000, 'x')); }, PersonalCatalogue::Problem::Damaged, "danneggiato"},
        {__LINE__, sqlite("PRAGMA user_version = 7"), PersonalCatalogue::Problem::Newer, "versione più recente"},
        {__LINE__, sqlite("DROP TABLE alimenti_personali"), PersonalCatalogue::Problem::Damaged, "danneggiato"},
        {__LINE__, [this] { QFile::remove(path); QDir().mkpath(path); }, PersonalCatalogue::Problem::NoPermission, "non indica un file"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        QDir(path).removeRecursively();
        QFile::remove(path);
        QDir().mkpath(QFileInfo(path).absolutePath());
        c.make();
        const QByteArray before = fileBytes(path);
        QString error;
        PersonalCatalogue::Problem problem{};
        EXPECT_FALSE(PersonalCatalogue::open(path, true, &error, &problem));
        EXPECT_EQ(problem, c.problem);
        EXPECT_TRUE(error.contains(path) && error.contains(QString::fromUtf8(c.words))) << error.toStdString();
        EXPECT_EQ(fileBytes(path), before);
    }
}

}  // namespace
}  // namespace velmo::test
