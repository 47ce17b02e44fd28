#include "catalogue/fooddatabase.h"
#include "catalogue/foodcategory.h"
#include "shell/mainwindowmodel.h"
#include "shell/requirementchoice.h"
#include "support/fakedialogs.h"
#include "support/fooddbfixture.h"
#include "support/localeguard.h"
#include "support/tablecase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace velmo::test {
namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MealDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        database = dir.filePath("elementi97.db");
        ASSERT_TRUE(writeFoodDatabase(database, {{"Frutta",
                                                  {{"Albicocche, crude", {93, 1.4, 0.39, 11.12, 48, 2, 0}},
                                                   {"Pera, cruda", {92, 0.36, 0.14, 15.23, 57, 3.1, QVariant()}}}},
                                                 {"Uova", {{"Uovo di quaglia", {91, 13.05, 11.09, 0.41, 158, 0, 844}}}}}));
        QString error;
        ASSERT_TRUE(model.load(database, &error)) << error.toStdString();
        QObject::connect(&model, &MainWindowModel::exitRequested, [this] { ++exits; });
    }

    // What the user does: the category from the menu, a click on the food, the weight, the lock.
    static void add(MainWindowModel &into, const char *category, int food, const char *grams)
    {
        into.chooseCategory(*findFoodCategory(QString::fromLatin1(category)));
        into.gridRowChosen(food);
        int open = 0;
        while (into.meal().row(open).lock == 1)
            ++open;
        into.meal().setGrossText(open, QString::fromLatin1(grams));
        into.meal().setLock(open, 1);
    }
    MealDocument &document() { return model.document(); }

    QTemporaryDir dir;
    QString database;
    FakeDialogs dialogs;
    MainWindowModel model{dialogs};
    int exits = 0;
};

// A meal saved in the window is what velmo-pasto computes, and opens again as it was.
TEST_F(MealDocumentTest, ASavedMealIsComputedAlikeByTheConsoleAndOpensAgainUnchanged)
{
    for (const char *locale : {"it_IT", "en_US"}) {
        LocaleGuard guard(locale);
        FakeDialogs boxes;
        MainWindowModel window(boxes);
        QString error;
        ASSERT_TRUE(window.load(database, &error));
        add(window, "Uova", 0, "30");
        add(window, "Frutta", 1, "150");
        add(window, "Frutta", 1, "150");
        boxes.saveAnswers = {dir.filePath("pranzo")};
        ASSERT_TRUE(window.document().save());
        EXPECT_EQ(window.document().windowTitle(), "Velmo - pranzo.pasto");

        const QString path = dir.filePath("pranzo.pasto");
        const QByteArray text = bytesOf(path);
        const MealFile file = readMealFile(text);
        ASSERT_TRUE(file.ok());
        const auto db = FoodDatabase::open(database, &error);
        MealComposer console(db->connection());
        ASSERT_TRUE(console.addAll(file.entries, &error)) << error.toStdString();
        EXPECT_EQ(console.grid().totals().texts, window.meal().totals().texts);

        ASSERT_TRUE(document().openFile(path)) << dialogs.messageTexts().join('\n').toStdString();
        EXPECT_EQ(model.meal().totals().texts, window.meal().totals().texts);
        EXPECT_EQ(model.categoryHeading(), "Frutta");
        EXPECT_FALSE(document().isModified());
        document().save();
        EXPECT_EQ(bytesOf(path), text);
    }
}

enum class Before { Empty, Unsaved, Saved, SavedThenEmptied };
enum class Command { New, Exit, Close };

struct PromptCase {
    int line;
    Before before;
    const char *titleBefore;
    Command command;
    std::optional<Answer> answer;  // none: no question is asked
    bool saveChosen;
    bool goes;
};

// "Salvare le modifiche al pasto?" only when locked rows changed since the last save.
TEST_F(MealDocumentTest, TheQuestionComesOnlyWhenChangedRowsWouldBeLost)
{
    const PromptCase cases[] = {
        {__LINE__, Before::Empty, "Velmo", Command::New, {}, false, true},
        {__LINE__, Before::Empty, "Velmo", Command::Exit, {}, false, true},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::New, Answer::Cancel, false, false},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::Exit, Answer::Cancel, false, false},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::Close, Answer::No, false, true},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::New, Answer::Yes, true, true},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::Exit, Answer::Yes, false, false},
        {__LINE__, Before::Saved, "Velmo - cena.pasto", Command::Close, {}, false, true},
        {__LINE__, Before::SavedThenEmptied, "Velmo - cena.pasto*", Command::New, {}, false, true},
    };
    for (const PromptCase &c : cases) {
        VELMO_CASE(c);
        FakeDialogs boxes;
        MainWindowModel window(boxes);
        QString error;
        ASSERT_TRUE(window.load(database, &error));
        int ended = 0;
        QObject::connect(&window, &MainWindowModel::exitRequested, [&] { ++ended; });
        const QString file = dir.filePath(QStringLiteral("cena%1.pasto").arg(c.line));
        QFile::remove(file);
        if (c.before != Before::Empty)
            add(window, "Frutta", 0, "100");
        if (c.before == Before::Saved || c.before == Before::SavedThenEmptied) {
            boxes.saveAnswers = {dir.filePath("cena.pasto")};
            ASSERT_TRUE(window.document().saveAs());
        }
        if (c.before == Before::SavedThenEmptied)
            window.meal().setLock(0, 0);
        EXPECT_EQ(window.document().windowTitle(), c.titleBefore);
        boxes.clear();
        if (c.answer)
            boxes.questionAnswers = {*c.answer};
        if (c.saveChosen)
            boxes.saveAnswers = {file};

        const bool went = c.command == Command::New    ? window.document().newMeal()
                          : c.command == Command::Exit ? (window.exitClicked(), ended == 1)
                                                       : window.mayClose();
        EXPECT_EQ(went, c.goes);
        const bool asked = !boxes.shown.empty() && boxes.shown.front().kind == FakeDialogs::Shown::Kind::Question;
        EXPECT_EQ(asked, c.answer.has_value());
        if (asked) {
            EXPECT_EQ(boxes.shown.front().text, "Salvare le modifiche al pasto?");
        }
        EXPECT_EQ(QFile::exists(file), c.saveChosen);
        EXPECT_EQ(window.meal().row(0).lock, c.before != Before::Empty && c.before != Before::SavedThenEmptied
                                                 && !(went && c.command == Command::New));
    }
}

// A file that cannot be opened is told with the line at fault; the table stays as it was.
TEST_F(MealDocumentTest, ABadFileLeavesTheTableAsItWas)
{
    const struct {
        int line;
        const char *name;
        QByteArray text;  // empty: no such file
        const char *message;
    } cases[] = {
        {__LINE__, "manca.pasto", {}, "impossibile leggere \"%1\": il file non esiste"},
        {__LINE__, "cartella", {}, "è una cartella, non un file"},
        {__LINE__, "errato.pasto", "Frutta;Pera, cruda;80\nVerdura;Carote;10\n", "riga 2: categoria sconosciuta \"Verdura\""},
        {__LINE__, "ignoto.pasto", "Frutta;Banane;80\n", "riga 1: l'alimento \"Banane\" non è nella categoria \"Frutta\""},
    };
    QDir(dir.path()).mkdir("cartella");
    add(model, "Uova", 0, "30");
    const std::vector<MealFileEntry> before = document().entries();
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QString path = dir.filePath(c.name);
        if (!c.text.isEmpty()) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.text) == c.text.size());
        }
        dialogs.clear();
        EXPECT_FALSE(document().openFile(path));
        ASSERT_EQ(dialogs.messageTexts().size(), 1);
        EXPECT_TRUE(dialogs.messageTexts().front().contains(QString::fromUtf8(c.message).replace("%1", path)))
            << dialogs.messageTexts().front().toStdString();
        EXPECT_EQ(dialogs.shown.front().title, "Attenzione");
        EXPECT_EQ(document().entries(), before);
        EXPECT_EQ(document().windowTitle(), "Velmo - Senza nome*");
    }
}

// A save that fails is told, and whatever the file held before is still there.
TEST_F(MealDocumentTest, AFailedSaveKeepsThePreviousFile)
{
    add(model, "Frutta", 0, "100");
    dialogs.saveAnswers = {dir.filePath("nessuna/pasto.pasto")};
    EXPECT_FALSE(document().saveAs());
    EXPECT_TRUE(dialogs.messageTexts().value(0).contains("la cartella " + dir.filePath("nessuna") + " non esiste"));

    const QString path = dir.filePath("pranzo.pasto");
    dialogs.saveAnswers = {path};
    ASSERT_TRUE(document().saveAs());
    const QByteArray saved = bytesOf(path);
    add(model, "Uova", 0, "30");
    // A disk that fills up: no file may grow past a few bytes while saving.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit tiny{16, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &tiny);
    dialogs.clear();
    const bool written = document().save();
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(written);
    EXPECT_TRUE(dialogs.messageTexts().value(0).contains("scrittura non riuscita")) << dialogs.messageTexts().value(0).toStdString();
    EXPECT_EQ(bytesOf(path), saved);
    EXPECT_EQ(QDir(dir.path()).entryList({"pranzo.pasto*"}, QDir::Files | QDir::Hidden), QStringList{"pranzo.pasto"});
    EXPECT_EQ(document().windowTitle(), "Velmo - pranzo.pasto*");
}

// The status bar's third panel follows the meal and the requirement of the energy window
// computed last, named when both windows hold one.
TEST_F(MealDocumentTest, TheComparisonFollowsTheMealAndTheLastRequirement)
{
    LocaleGuard guard("it_IT");
    RequirementChoice choice;
    const auto show = [&](const char *whose, const char *text) {
        choice.update(QString::fromLatin1(whose), QString::fromLatin1(text), QLocale());
        model.setRequirement(choice.kcal(), choice.whose());
        return model.comparisonText();
    };
    EXPECT_EQ(model.comparisonText(), "");
    EXPECT_EQ(show("maschio", "2.000"), "Pasto 0 kcal = 0 % di 2000 kcal");
    EXPECT_EQ(show("femmina", "1800,4"), "Pasto 0 kcal = 0 % di 1800 kcal (femmina)");
    EXPECT_EQ(show("maschio", "2500"), "Pasto 0 kcal = 0 % di 2500 kcal (maschio)");
    add(model, "Uova", 0, "100");
    EXPECT_TRUE(model.comparisonText().startsWith("Pasto 144 kcal = 6 % di 2500 kcal (maschio) · Protidi "));
    EXPECT_EQ(show("maschio", ""), "Pasto 144 kcal = 8 % di 1800 kcal · Protidi 34 % Lipidi 65 % Glucidi 1 % dell'energia");
    EXPECT_EQ(show("femmina", "0"), "");
}

}  // namespace
}  // namespace velmo::test
