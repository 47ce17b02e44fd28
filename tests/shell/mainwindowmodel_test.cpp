#include "catalogue/foodcategory.h"
#include "shell/mainwindowmodel.h"
#include "support/fakedialogs.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <gtest/gtest.h>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace velmo;
using namespace velmo::test;

namespace {

class MainWindowModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath("elementi97.db");
        ASSERT_TRUE(writeFoodDatabase(path, {{"Frutta",
                                              {{"Albicocche, crude", {93, 1.4, 0.39, 11.12, 48, 2, 0}},
                                               {"Mela, con buccia, cruda", {90, 0.26, 0.17, 13.81, 52, 2.4, 0}},
                                               {"Pera, cruda", {92, 0.36, 0.14, 15.23, 57, 3.1, QVariant()}}}},
                                             {"Uova", {{"Uovo di quaglia", {91, 13.05, 11.09, 0.41, 158, 0, 844}}}}}));
        QString error;
        ASSERT_TRUE(model.load(path, &error)) << error.toStdString();
    }

    int index(const char *heading) const { return *findFoodCategory(QString::fromLatin1(heading)); }
    QString row0Name() { return model.meal().row(0).name(); }

    QTemporaryDir dir;
    QString path;
    FakeDialogs dialogs;
    MainWindowModel model{dialogs};
};

TEST_F(MainWindowModelTest, LoadShowsAlimentiWithAnEmptyGridAndAFlatToolbar)
{
    EXPECT_EQ(model.categoryHeading(), "Alimenti");
    EXPECT_FALSE(model.dataControl().hasRecordset());
    EXPECT_TRUE(model.toolbarFlat());
    model.flipToolbarStyle();  // the flip is unconditional
    EXPECT_FALSE(model.toolbarFlat());
    EXPECT_EQ(model.mousePointer(), MousePointer::Default);
}

TEST_F(MainWindowModelTest, LoadFailsWithTheReasonWhenTheDatabaseIsMissing)
{
    FakeDialogs other;
    MainWindowModel fresh(other);
    QString error;
    EXPECT_FALSE(fresh.load(dir.filePath("manca.db"), &error));
    EXPECT_TRUE(error.contains("manca.db"));

    // A file without the sixteen tables is refused at start-up, not at each category.
    ASSERT_TRUE(writeFoodDatabase(dir.filePath("parziale.db"), {{"Frutta", {{"Mela", {90}}}}}, false));
    EXPECT_FALSE(fresh.load(dir.filePath("parziale.db"), &error));
    EXPECT_TRUE(error.contains("parziale.db")) << error.toStdString();
    EXPECT_TRUE(error.contains("Uova")) << error.toStdString();
    EXPECT_TRUE(other.shown.empty());
}

// The category chosen (nullptr: none yet), the arrows clicked, the food then current and the messages.
// clang-format off
struct NavigationCase { int line; const char *category; QList<MainWindowModel::ToolbarButton> clicks; const char *row0; QStringList messages; };
// clang-format on

// The toolbar's arrows: the food they reach, and the message at either end of the archive.
TEST_F(MainWindowModelTest, NavigationStopsAtBothEndsWithItsMessage)
{
    using M = MainWindowModel;
    const QString end = "Sei alla fine dell'Archivio", start = "Sei all'inizio dell'Archivio";
    // clang-format off
    const NavigationCase cases[] = {
        {__LINE__, nullptr, {M::First, M::Last}, "", {}},
        {__LINE__, nullptr, {M::Next, M::Previous}, "", {end, start}},
        {__LINE__, "Frutta", {}, "Albicocche, crude", {}},
        {__LINE__, "Frutta", {M::Previous}, "Albicocche, crude", {start}},
        {__LINE__, "Frutta", {M::Next}, "Mela, con buccia, cruda", {}},
        {__LINE__, "Frutta", {M::Last, M::Next}, "Pera, cruda", {end}},
        {__LINE__, "Frutta", {M::Last, M::First}, "Albicocche, crude", {}},
        {__LINE__, "Uova", {M::Last, M::Next}, "Uovo di quaglia", {end}},
        {__LINE__, "Legumi", {M::Previous}, "", {}},  // an empty category: no food, no message
    };
    // clang-format on
    for (const NavigationCase &c : cases) {
        VELMO_CASE(c);
        FakeDialogs said;
        MainWindowModel fresh(said);
        ASSERT_TRUE(fresh.load(path, nullptr));
        if (c.category)
            fresh.chooseCategory(index(c.category));
        for (M::ToolbarButton b : c.clicks)
            fresh.toolbarButtonClicked(b);
        EXPECT_EQ(fresh.meal().row(0).name(), QString::fromUtf8(c.row0));
        EXPECT_EQ(said.messageTexts(), c.messages);
    }
}

TEST_F(MainWindowModelTest, ChoosingACategoryFillsTheGrid)
{
    model.chooseCategory(index("Frutta"));
    EXPECT_EQ(model.dataControl().rowCount(), 3);
    model.chooseCategory(kFoodCategoryCount);  // no such category: nothing changes
    EXPECT_EQ(model.categoryHeading(), "Frutta");
    model.chooseCategory(index("Legumi"));
    EXPECT_EQ(model.categoryHeading(), "Legumi");
    EXPECT_EQ(model.dataControl().rowCount(), 0);
}

TEST_F(MainWindowModelTest, ATableLostWhileRunningIsReportedAndTheProgramGoesOn)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec("DROP TABLE Uova"));
    }
    QSqlDatabase::removeDatabase("other-program");
    model.chooseCategory(index("Uova"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains("Uova"));
    EXPECT_EQ(model.mousePointer(), MousePointer::Default);
    model.chooseCategory(index("Frutta"));
    EXPECT_EQ(model.meal().row(0).name(), "Albicocche, crude");
}

TEST_F(MainWindowModelTest, GridRowsMakeTheFoodCurrentAndClicksResetColours)
{
    model.chooseCategory(index("Frutta"));
    QStringList pointers;
    QObject::connect(&model, &MainWindowModel::mousePointerChanged, [&] {
        pointers << (model.mousePointer() == MousePointer::Hourglass ? "hourglass" : "default");
    });
    model.gridRowChosen(2);
    EXPECT_EQ(row0Name(), "Pera, cruda");
    EXPECT_EQ(pointers, (QStringList{"hourglass", "default"}));
    model.gridClicked();
    EXPECT_EQ(model.meal().row(0).cell(MealColumn::Gross).textColour, CellTextColour::WindowText);
}

TEST_F(MainWindowModelTest, TitleRotatesLeftAndComesBackAfter51Ticks)
{
    const QString title = MainWindowModel::initialTitle();
    model.titleTick();
    EXPECT_EQ(model.scrollingTitle(), title.mid(1) + title.left(1));
    for (int i = 1; i < 51; ++i)
        model.titleTick();
    EXPECT_EQ(model.scrollingTitle(), title);
}

TEST_F(MainWindowModelTest, StatusBarDateAndTimeInTheUsersLanguage)
{
    // clang-format off
    const struct { int line; const char *locale; QDate day; QTime time; const char *date, *clock; } cases[] = {
        {__LINE__, "it_IT", QDate(2026, 12, 5), QTime(9, 5, 7), "05 dicembre 2026", "09:05:07"},
        {__LINE__, "en_US", QDate(2026, 3, 1), QTime(21, 5, 7), "01 March 2026", "9:05:07"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        LocaleGuard guard(c.locale);
        model.activate(c.day);
        model.clockTick(c.time);
        EXPECT_EQ(model.statusDate(), c.date);
        EXPECT_TRUE(model.statusTime().startsWith(c.clock)) << model.statusTime().toStdString();
    }
}

TEST_F(MainWindowModelTest, PrintHelpAndExitAreHandedToTheWindow)
{
    QStringList asked;
    QObject::connect(&model, &MainWindowModel::printRequested, [&] { asked << "print"; });
    QObject::connect(&model, &MainWindowModel::helpRequested, [&] { asked << "help"; });
    QObject::connect(&model, &MainWindowModel::exitRequested, [&] { asked << "exit"; });
    for (int position = 1; position <= 9; ++position)
        if (position < 2 || position > 5)
            model.toolbarButtonClicked(position);
    EXPECT_EQ(asked, (QStringList{"print", "help", "exit"}));
}

}  // namespace
