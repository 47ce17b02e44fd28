// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shellfixture.h"
#include "shell/portionchoicemodel.h"
#include "support/tablecase.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace velmo::test {
namespace {

using MainWindowModelTest = ShellModelTest;

TEST_F(MainWindowModelTest, LoadShowsAlimentiAndCategoriesFillTheGrid)
{
    EXPECT_EQ(model->categoryHeading(), u"Alimenti"_s);
    EXPECT_FALSE(model->dataControl().hasRecordset());
    EXPECT_TRUE(model->toolbarFlat());
    model->chooseCategory(category("Frutta"));
    EXPECT_EQ(model->dataControl().rowCount(), 3);
    model->chooseCategory(kAllCategoryCount);  // no such category: nothing changes
    EXPECT_EQ(model->categoryHeading(), u"Frutta"_s);
    model->chooseCategory(category("Legumi"));
    EXPECT_EQ(model->dataControl().rowCount(), 0);
}

TEST_F(MainWindowModelTest, LoadFailsWithTheReasonWhenTheDatabaseIsMissingOrPartial)
{
    FakeDialogs other;
    MainWindowModel fresh(other);
    QString error;
    EXPECT_FALSE(fresh.load(dir.filePath(u"manca.db"_s), &error));
    EXPECT_TRUE(error.contains(u"manca.db"_s));
    // A file without the sixteen tables is refused at start-up, not at each category.
    ASSERT_TRUE(writeFoodDatabase(dir.filePath(u"parziale.db"_s), {{u"Frutta"_s, {{u"Mela"_s, {90}}}}}, false));
    EXPECT_FALSE(fresh.load(dir.filePath(u"parziale.db"_s), &error));
    EXPECT_TRUE(error.contains(u"parziale.db"_s) && error.contains(u"Uova"_s)) << error.toStdString();
    EXPECT_TRUE(other.shown.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath(u"manca.db"_s)));  // nothing is created in its place
    // Until a test or the user says otherwise, the personal foods are the user's own file.
    EXPECT_EQ(fresh.personalFoods().path(), PersonalCatalogue::defaultPath());
}

// The toolbar's arrows: the food they reach, and the message at either end of the archive.
TEST_F(MainWindowModelTest, NavigationStopsAtBothEndsWithItsMessage)
{
    using M = MainWindowModel;
    const QString end = u"Sei alla fine dell'Archivio"_s, start = u"Sei all'inizio dell'Archivio"_s;
    // The category chosen (nullptr: none yet), the arrows clicked, the food then current and the messages.
    // clang-format off
    const struct { int line; const char *category; QList<M::ToolbarButton> clicks; const char *row0; QStringList messages; } cases[] = {
        {__LINE__, nullptr, {M::First, M::Last}, "", {}},
        {__LINE__, nullptr, {M::Next, M::Previous}, "", {end, start}},
        {__LINE__, "Frutta", {M::Previous}, "Albicocche, crude", {start}},
        {__LINE__, "Frutta", {M::Next}, "Mela, con buccia, cruda", {}},
        {__LINE__, "Frutta", {M::Last, M::Next}, "Pera, cruda", {end}},
        {__LINE__, "Frutta", {M::Last, M::First}, "Albicocche, crude", {}},
        {__LINE__, "Uova", {M::Last, M::Next}, "Uovo di quaglia", {end}},
        {__LINE__, "Legumi", {M::Previous}, "", {}},  // an empty category: no food, no message
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        FakeDialogs said;
        const auto fresh = window(said);
        if (c.category)
            fresh->chooseCategory(category(c.category));
        for (M::ToolbarButton b : c.clicks)
            fresh->toolbarButtonClicked(b);
        EXPECT_EQ(fresh->meal().row(0).name(), QString::fromUtf8(c.row0));
        EXPECT_EQ(said.messageTexts(), c.messages);
    }
}

TEST_F(MainWindowModelTest, ATableLostWhileRunningIsReportedAndTheProgramGoesOn)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"other-program"_s);
        db.setDatabaseName(database);
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(u"DROP TABLE Uova"_s));
    }
    QSqlDatabase::removeDatabase(u"other-program"_s);
    model->chooseCategory(category("Uova"));
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains(u"Uova"_s));
    EXPECT_EQ(model->mousePointer(), MousePointer::Default);
    model->chooseCategory(category("Frutta"));
    EXPECT_EQ(model->meal().row(0).name(), u"Albicocche, crude"_s);
}

TEST_F(MainWindowModelTest, GridRowsMakeTheFoodCurrentAndClicksResetColours)
{
    model->chooseCategory(category("Frutta"));
    QStringList pointers;
    QObject::connect(model.get(), &MainWindowModel::mousePointerChanged, [&] {
        pointers << (model->mousePointer() == MousePointer::Hourglass ? u"hourglass"_s : u"default"_s);
    });
    model->gridRowChosen(2);
    EXPECT_EQ(model->meal().row(0).name(), u"Pera, cruda"_s);
    EXPECT_EQ(pointers, (QStringList{u"hourglass"_s, u"default"_s}));
    model->gridClicked();
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Gross).textColour, CellTextColour::WindowText);
}

// A food found before its category changed is looked for by name; one gone is told.
TEST_F(MainWindowModelTest, AFoundFoodIsPlacedByItsNameWhereverItsRowNowIs)
{
    const int fruit = category("Frutta");
    // clang-format off
    const struct { int line; int row; const char *name; const char *placed; std::size_t told; } cases[] = {
        {__LINE__, 2, "Pera, cruda", "Pera, cruda", 0},
        {__LINE__, 0, "Pera, cruda", "Pera, cruda", 0},
        {__LINE__, 7, "Mela, con buccia, cruda", "Mela, con buccia, cruda", 0},
        {__LINE__, 1, "Fragole", "Albicocche, crude", 1},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        dialogs.clear();
        model->chooseFood({{}, QString::fromUtf8(c.name), fruit, c.row});
        EXPECT_EQ(model->meal().row(0).name(), QString::fromUtf8(c.placed));
        EXPECT_EQ(dialogs.shown.size(), c.told);
    }
    // The current food found again, the first of its category, fills the open row emptied since.
    model->meal().setGrossText(0, u"10"_s);
    model->meal().setLock(0, 1);
    model->meal().setLock(0, 0);
    ASSERT_EQ(model->meal().row(0).name(), QString());
    model->chooseFood({{}, u"Albicocche, crude"_s, fruit, 0});
    EXPECT_EQ(model->meal().row(0).name(), u"Albicocche, crude"_s);
}

TEST_F(MainWindowModelTest, TitleRotatesAndStatusBarSpeaksTheUsersLanguage)
{
    const QString title = MainWindowModel::initialTitle();
    model->titleTick();
    EXPECT_EQ(model->scrollingTitle(), title.mid(1) + title.left(1));
    for (int i = 1; i < 51; ++i)
        model->titleTick();
    EXPECT_EQ(model->scrollingTitle(), title);
    // clang-format off
    const struct { int line; const char *locale; QDate day; QTime time; const char *date, *clock; } cases[] = {
        {__LINE__, "it_IT", QDate(2026, 12, 5), QTime(9, 5, 7), "05 dicembre 2026", "09:05:07"},
        {__LINE__, "en_US", QDate(2026, 3, 1), QTime(21, 5, 7), "01 March 2026", "9:05:07"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        LocaleGuard guard(c.locale);
        model->activate(c.day);
        model->clockTick(c.time);
        EXPECT_EQ(model->statusDate(), QString::fromUtf8(c.date));
        EXPECT_TRUE(model->statusTime().startsWith(QLatin1StringView(c.clock))) << model->statusTime().toStdString();
    }
}

// The status bar's hint: what to do first while the table holds no food, and why a box refused a
// key until it takes one.
TEST_F(MainWindowModelTest, TheStatusHintSaysWhatToDoFirstAndWhyAKeyDidNothing)
{
    int told = 0;
    QObject::connect(model.get(), &MainWindowModel::statusHintChanged, [&] { ++told; });
    const QString first = u"Scegli un alimento: Scelta alimenti o Ctrl+F"_s;
    EXPECT_EQ(model->statusHint(), first);
    model->chooseCategory(category("Frutta"));
    EXPECT_EQ(model->statusHint(), QString());
    EXPECT_TRUE(model->meal().refuseGrossKey(0, ','));
    EXPECT_TRUE(model->meal().refuseGrossKey(0, ','));  // told again, to be shown anew
    EXPECT_EQ(model->statusHint(), u"Solo grammi interi: i decimali non sono accettati"_s);
    EXPECT_TRUE(model->meal().setGrossText(0, u"15"_s));  // the "5" of "1,5" hides nothing
    EXPECT_EQ(model->statusHint(), u"Solo grammi interi: i decimali non sono accettati"_s);
    EXPECT_TRUE(model->meal().refuseGrossKey(0, 'x'));
    EXPECT_TRUE(model->meal().setGrossText(0, u"150"_s));  // any other hint goes with the next weight
    EXPECT_EQ(model->statusHint(), QString());
    model->chooseCategory(category("Legumi"));  // no food: the open row is free again
    EXPECT_EQ(model->statusHint(), first);
    EXPECT_EQ(told, 6);
    model->chooseCategory(category("Frutta"));
    EXPECT_TRUE(model->meal().setGrossText(0, u"15"_s));
    const int placed = told;
    model->lockBoxClicked(0, true);  // the food stays in the table: nothing new to tell
    EXPECT_EQ(told, placed);
}

// The windows that follow the person of the last calculation recompute only when it changes; a
// new weight alone is a change (the protein per kilogram follows it).
TEST_F(MainWindowModelTest, TheSamePersonCalculatedAgainIsNoChange)
{
    int changes = 0;
    QObject::connect(model.get(), &MainWindowModel::calculatedPersonChanged, [&] { ++changes; });
    for (int i = 0; i < 2; ++i)
        model->setCalculatedPerson(IntakePerson{true, 30, false, false, ReferenceSource::Larn, 60.0});
    EXPECT_EQ(changes, 1);
    model->setCalculatedPerson(IntakePerson{true, 30, false, false, ReferenceSource::Larn, 90.0});
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(model->calculatedPerson()->weightKg, 90.0);
}

TEST_F(MainWindowModelTest, PrintHelpAndExitAreHandedToTheWindow)
{
    QStringList asked;
    QObject::connect(model.get(), &MainWindowModel::printRequested, [&] { asked << u"print"_s; });
    QObject::connect(model.get(), &MainWindowModel::helpRequested, [&] { asked << u"help"_s; });
    QObject::connect(model.get(), &MainWindowModel::exitRequested, [&] { asked << u"exit"_s; });
    for (int position = 1; position <= 9; ++position)
        if (position < 2 || position > 5)
            model->toolbarButtonClicked(position);
    EXPECT_EQ(asked, (QStringList{u"print"_s, u"help"_s, u"exit"_s}));
}

// "File recenti". The steps: a file of the test's folder given (by a path written in any way;
// x and y are never there), "!" to remove the missing files, "0" to empty the list. The list then,
// most recent first, a missing file marked "?"; the list read anew from its settings is the same,
// and the settings file is the user's alone.
TEST_F(MainWindowModelTest, RecentFilesAreTheLastEightOnceEachMostRecentFirst)
{
    // clang-format off
    const struct { int line; const char *steps; const char *list; } cases[] = {
        {__LINE__, "a b c", "c b a"},
        {__LINE__, "a b a", "a b"},
        {__LINE__, "a ./b x/../a link/a", "a b"},  // link: a link to the folder
        {__LINE__, "a b c d e f g h i", "i h g f e d c b"},
        {__LINE__, "a x b", "b x? a"},
        {__LINE__, "a x b y !", "b a"},
        {__LINE__, "a b 0 c", "c"},
        // "+b": another Velmo on the same settings adds b meanwhile; neither run drops the other's.
        {__LINE__, "a +b c", "c b a"},
        {__LINE__, "a +x !", "a"},
    };
    // clang-format on
    for (const char *name : {"a", "b", "c", "d", "e", "f", "g", "h", "i"})
        ASSERT_TRUE(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath(u"link"_s)));
    const auto listed = [](const RecentFiles &recent) {
        QStringList names;
        for (const QString &path : recent.paths())
            names << QFileInfo(path).fileName() + (RecentFiles::isMissing(path) ? u"?"_s : QString());
        return names.join(u' ');
    };
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QString settings = dir.filePath(QStringLiteral("%1/velmo.conf").arg(c.line));
        RecentFiles recent;
        recent.keepIn(settings);
        for (const QString &step : QString::fromLatin1(c.steps).split(u' ')) {
            if (step.startsWith(u'+')) {
                RecentFiles other;
                other.keepIn(settings);
                other.add(dir.filePath(step.mid(1)));
                continue;
            }
            step == u"!"_s ? recent.removeMissing() : step == u"0"_s ? recent.clear() : recent.add(dir.filePath(step));
        }
        EXPECT_EQ(listed(recent), QString::fromLatin1(c.list));
        RecentFiles read;
        read.keepIn(settings);
        EXPECT_EQ(read.paths(), recent.paths());
        EXPECT_EQ(QFile::permissions(settings) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }
}

// A portion of the open row's food (the apple: 90 % edible, 27 g a slice, 150 g the standard
// portion) is written into its gross-weight box as typed, in the user's number format, and shown
// beside the food until a weight is typed; a refused count leaves the row as it was.
TEST_F(MainWindowModelTest, APortionIsWrittenIntoTheOpenRowAsTyped)
{
    addShellMeasures(database);
    PortionChoiceModel choice(*model);
    EXPECT_FALSE(choice.begin());
    EXPECT_EQ(dialogs.messageTexts().value(0),
              u"Nessun alimento da misurare: scegliere prima un alimento nella griglia."_s);
    model->chooseCategory(category("Frutta"));
    model->gridRowChosen(1);
    ASSERT_TRUE(choice.begin());
    EXPECT_EQ(choice.unitCaptions(),
              (QStringList{u"1 fetta (27 g)"_s, u"1 porzione standard (150 g)"_s, u"grammi di parte edibile"_s}));
    // clang-format off
    const struct { int line; const char *locale; int unit; const char *count, *gross, *portion, *message = ""; } cases[] = {
        {__LINE__, "it_IT", 0, "2", "60", "2 fette"},
        {__LINE__, "en_US", 0, "1.2", "36", "1.2 fette"},
        {__LINE__, "en_US", 0, "1.5", "45", "1½ fette"},
        {__LINE__, "it_IT", 1, "½", "83", "½ porzione standard"},
        {__LINE__, "it_IT", 2, "1,5", "2", "1,5 g di parte edibile"},
        {__LINE__, "it_IT", 2, "1", "1", "1 g di parte edibile"},
        {__LINE__, "it_IT", 0, "0", "", "", "Il numero di porzioni deve essere maggiore di zero."},
        {__LINE__, "it_IT", 2, "-3", "", "", "\"-3\" non è un peso"},
        {__LINE__, "it_IT", 2, "9000000", "", "", "Il peso lordo supererebbe 9.999.999 g"},
    };
    // clang-format on
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const LocaleGuard locale(c.locale);
        model->meal().setGrossText(0, QString());
        dialogs.shown.clear();
        EXPECT_EQ(choice.apply(c.unit, QString::fromUtf8(c.count)), *c.message == '\0');
        EXPECT_EQ(model->meal().row(0).cell(MealColumn::Gross).text, QString::fromUtf8(c.gross));
        EXPECT_EQ(model->meal().row(0).portion, QString::fromUtf8(c.portion));
        EXPECT_TRUE(dialogs.messageTexts().join(u'|').contains(QString::fromUtf8(c.message)));
    }
    // Locked, the row keeps its portion, which the meal's file keeps beside the weight.
    ASSERT_TRUE(choice.apply(0, u"2"_s));
    model->lockBoxClicked(0, true);
    EXPECT_EQ(model->document().entries().at(0).portion, u"2 fette"_s);
    model->chooseCategory(category("Frutta"));
    model->gridRowChosen(1);
    ASSERT_TRUE(choice.begin() && choice.apply(0, u"1"_s));
    model->meal().setGrossText(1, u"70"_s);  // typed: no portion any more
    EXPECT_EQ(model->meal().row(1).portion, QString());
}

}  // namespace
}  // namespace velmo::test
