// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/fooddatabase.h"
#include "common/safefile.h"
#include "shell/requirementchoice.h"
#include "shellfixture.h"

#include <QDir>
#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmo::test {
namespace {

using MealDocumentTest = ShellModelTest;

// A meal saved in the window is what velmo-pasto computes, and opens again as it was. Files do
// not depend on the language: saved under English (the foods shown by their English names) the
// meal is the very file saved under Italian, read under either; and the line a search finds under
// English, weighed, is a meal line too.
TEST_F(MealDocumentTest, ASavedMealIsComputedAlikeByTheConsoleAndOpensAgainUnchanged)
{
    QByteArray italian;
    for (const auto &[locale, language] : {std::pair{"it_IT", Language::Italian}, {"en_US", Language::English}}) {
        LocaleGuard guard(locale);
        std::optional<LanguageGuard> speaking(std::in_place, language);
        FakeDialogs boxes;
        const auto composed = window(boxes);
        add(*composed, "Uova", 0, "30");
        add(*composed, "Frutta", 1, "150");
        add(*composed, "Frutta", 1, "150");
        EXPECT_EQ(composed->meal().row(1).name(),
                  language == Language::English ? u"Apples, raw, with skin"_s : u"Mela, con buccia, cruda"_s);
        // The file the suffix names is asked about: "No" shows the dialog again.
        boxes.saveAnswers = {dir.filePath(u"pranzo"_s), dir.filePath(u"pranzo"_s)};
        boxes.questionAnswers = {Answer::No, Answer::Yes};
        ASSERT_TRUE(composed->document().save());
        EXPECT_EQ(boxes.questionAnswers.size(), italian.isEmpty() ? 2u : 0u);

        const QString path = dir.filePath(u"pranzo.pasto"_s);
        if (italian.isEmpty())
            italian = fileBytes(path);
        EXPECT_EQ(fileBytes(path), italian);
        const bool english = language == Language::English;
        const FoodSearch &search = composed->foodSearch();
        const int pear = search.find(english ? QStringLiteral("pears raw") : QStringLiteral("pera cruda")).foods.at(0);
        const QString found = mealFileLine(search.heading(pear), search.food(pear).name) + QStringLiteral(";100\n");
        EXPECT_EQ(found, english ? u"Frutta;Pears, raw;100\n"_s : u"Frutta;Pera, cruda;100\n"_s);
        QString error;
        const auto db = FoodDatabase::open(database, &error);
        MealComposer console(db->connection());
        const std::vector<MealFileEntry> entries = readMealFile(fileBytes(path)).entries;
        EXPECT_TRUE(console.missingFoods(entries, &error).empty()) << error.toStdString();  // as velmo-pasto checks
        ASSERT_TRUE(console.addAll(entries, &error)) << error.toStdString();
        EXPECT_EQ(console.grid().totals().texts, composed->meal().totals().texts);
        EXPECT_EQ(console.grid().row(1).name(), composed->meal().row(1).name());
        speaking.reset();  // Italian from here: the search's line is read, the window opens the file
        ASSERT_TRUE(console.addAll(readMealFile(found.toUtf8()).entries, &error)) << error.toStdString();
        EXPECT_EQ(console.grid().row(3).name(), u"Pera, cruda"_s);

        ASSERT_TRUE(model->document().openFile(path)) << dialogs.messageTexts().join(u'\n').toStdString();
        EXPECT_EQ(model->meal().totals().texts, composed->meal().totals().texts);
        EXPECT_FALSE(model->document().isModified());
    }
}

// Whatever a personal food is called, a meal saved with it opens again with the same foods.
TEST_F(MealDocumentTest, AMealOfAnyNamesOpensAgainAsSaved)
{
    model->chooseCategory(kPersonalCategory);
    PersonalCatalogue::Merge counts;
    QString error;
    ASSERT_TRUE(model->personalFoods().catalogue()->merge(hostileFoods(), &counts, &error)) << error.toStdString();
    for (int i = 0; i < kHostileFoodNames.size(); ++i)
        add(*model, "Alimenti personali", i, "100");
    const std::vector<MealFileEntry> saved = model->document().entries();
    ASSERT_EQ(saved.size(), 12u);
    // A dot in a file's name is no suffix: the meal's is added but to a name that has it.
    for (const auto &[typed, written] : {std::pair{"ostili", "ostili.pasto"},
                                         {"Sig. Rossi 10.12", "Sig. Rossi 10.12.pasto"},
                                         {"a.PASTO", "a.PASTO"},
                                         {"a.txt", "a.txt"}}) {
        dialogs.saveAnswers = {dir.filePath(QString::fromUtf8(typed))};
        ASSERT_TRUE(model->document().saveAs() && model->document().newMeal());
        ASSERT_TRUE(model->document().openFile(dir.filePath(QString::fromUtf8(written))))
            << dialogs.messageTexts().join(u'\n').toStdString();
        EXPECT_EQ(model->document().entries(), saved);
    }
}

// A new meal or day shows the current food in its first row only, not also where it stood.
TEST_F(MealDocumentTest, ANewMealOrDayShowsTheCurrentFoodInItsFirstRowOnly)
{
    for (const bool day : {false, true}) {
        add(*model, "Frutta", 0, "100");
        model->gridRowChosen(1);
        const QString current = model->meal().row(1).name();
        ASSERT_FALSE(current.isEmpty());
        dialogs.questionAnswers = {Answer::No};
        ASSERT_TRUE(day ? model->document().newDay() : model->document().newMeal());
        EXPECT_EQ(model->meal().row(0).name(), current);
        EXPECT_TRUE(model->meal().row(1).isFree());
    }
}

// A personal food's portion stays with its row when the meal is opened and saved again.
TEST_F(MealDocumentTest, APersonalFoodsPortionIsKeptThroughOpenAndSave)
{
    model->chooseCategory(kPersonalCategory);  // opens the personal catalogue
    PersonalFood cake{u"Torta"_s, 100, {5, 10, 50, 330, std::nullopt, std::nullopt}, {}, {{u"fetta"_s, 30}}, {}};
    PersonalCatalogue::Merge counts;
    QString error;
    ASSERT_TRUE(model->personalFoods().catalogue()->merge({cake}, &counts, &error)) << error.toStdString();
    const QString path = dir.filePath(u"torta.pasto"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("Alimenti personali;Torta;60;2 fetta\n") > 0);
    file.close();
    ASSERT_TRUE(model->document().openFile(path)) << dialogs.messageTexts().join(u'\n').toStdString();
    ASSERT_EQ(model->document().entries().size(), 1u);
    EXPECT_EQ(model->document().entries().at(0).portion, u"2 fetta"_s);
    dialogs.saveAnswers = {path};
    dialogs.questionAnswers = {Answer::Yes};
    ASSERT_TRUE(model->document().saveAs());
    EXPECT_TRUE(fileBytes(path).contains("Alimenti personali;Torta;60;2 fetta\n")) << fileBytes(path).toStdString();
    // Its measures changed since, the file still opens: the grams count, the portion no longer named goes.
    cake.measures = {{u"cucchiaio"_s, 10}};
    ASSERT_TRUE(model->personalFoods().catalogue()->merge({cake}, &counts, &error)) << error.toStdString();
    ASSERT_TRUE(model->document().openFile(path)) << dialogs.messageTexts().join(u'\n').toStdString();
    ASSERT_EQ(model->document().entries().size(), 1u);
    EXPECT_EQ(model->document().entries().at(0).grams, u"60"_s);
    EXPECT_EQ(model->document().entries().at(0).portion, QString());
}

enum class Before { Empty, Unsaved, Saved, SavedThenEmptied };
enum class Command { New, Exit, Close, OpenRecent, Open };

// "Salvare le modifiche al pasto?" only when locked rows changed since the last save.
TEST_F(MealDocumentTest, TheQuestionComesOnlyWhenChangedRowsWouldBeLost)
{
    // answer: none when no question may be asked.
    // clang-format off
    const struct { int line; Before before; const char *titleBefore; Command command; std::optional<Answer> answer; bool saveChosen, goes; } cases[] = {
        {__LINE__, Before::Empty, "Velmo", Command::Exit, {}, false, true},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::New, Answer::Cancel, false, false},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::Exit, Answer::Cancel, false, false},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::Close, Answer::No, false, true},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::OpenRecent, Answer::Cancel, false, false},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::New, Answer::Yes, true, true},
        {__LINE__, Before::Unsaved, "Velmo - Senza nome*", Command::Exit, Answer::Yes, false, false},
        {__LINE__, Before::Saved, "Velmo - cena.pasto", Command::Close, {}, false, true},
        {__LINE__, Before::SavedThenEmptied, "Velmo - cena.pasto*", Command::New, {}, false, true},
        {__LINE__, Before::Empty, "Velmo", Command::Open, {}, false, true},
    };
    // clang-format on
    const QString pear = dir.filePath(u"pera.pasto"_s);
    QString reason;
    ASSERT_TRUE(writeFileSafely(pear, "Frutta;Pera, cruda;80\n", &reason)) << reason.toStdString();
    for (const auto &c : cases) {
        VELMO_CASE(c);
        FakeDialogs boxes;
        const auto w = window(boxes);
        int ended = 0;
        QObject::connect(w.get(), &MainWindowModel::exitRequested, [&] { ++ended; });
        const QString file = dir.filePath(QStringLiteral("cena%1.pasto").arg(c.line));
        if (c.before != Before::Empty)
            add(*w, "Frutta", 0, "100");
        boxes.saveAnswers = {dir.filePath(u"cena.pasto"_s)};
        if (c.before == Before::Saved || c.before == Before::SavedThenEmptied) {
            ASSERT_TRUE(w->document().saveAs());
        }
        if (c.before == Before::SavedThenEmptied)
            w->meal().setLock(0, 0);
        EXPECT_EQ(w->document().windowTitle(), QString::fromUtf8(c.titleBefore));
        boxes.clear();
        boxes.questionAnswers = {c.answer.value_or(Answer::Cancel)};
        boxes.saveAnswers = {c.saveChosen ? file : QString()};

        const bool went = c.command == Command::New          ? w->document().newMeal()
                          : c.command == Command::Exit       ? (w->exitClicked(), ended == 1)
                          : c.command == Command::OpenRecent ? w->document().openChosen(dir.filePath(u"cena.pasto"_s))
                          : c.command == Command::Open       ? (boxes.openAnswers = {pear}, w->document().open())
                                                             : w->mayClose();
        EXPECT_EQ(went, c.goes);
        ASSERT_EQ(!boxes.shown.empty() && boxes.shown[0].kind == FakeDialogs::Shown::Kind::Question,
                  c.answer.has_value());
        if (c.answer) {
            EXPECT_EQ(boxes.shown[0].text, u"Salvare le modifiche al pasto?"_s);
        }
        EXPECT_EQ(QFile::exists(file), c.saveChosen);
        EXPECT_EQ(w->meal().row(0).lock == 1, (c.before != Before::Empty && c.before != Before::SavedThenEmptied
                                               && !(went && c.command == Command::New))
                                                  || (went && c.command == Command::Open));
    }
}

// A file that cannot be opened is told with the line at fault; the table stays as it was.
TEST_F(MealDocumentTest, ABadFileLeavesTheTableAsItWas)
{
    // text: empty for no such file, unless the path is made a named pipe.
    // clang-format off
    const struct { int line; const char *name; QByteArray text; const char *message; bool fifo = false; } cases[] = {
        {__LINE__, "manca.pasto", {}, "impossibile leggere \"%1\": il file non esiste"},
        {__LINE__, "cena\xef\xbf\xbd.pasto", {}, "il nome del file ha caratteri che non sono UTF-8 (rinominare il file)"},
        {__LINE__, "tubo.pasto", {}, "impossibile leggere \"%1\": non è un file normale (è una pipe,", true},
        {__LINE__, "errato.pasto", "Frutta;Pera, cruda;80\nVerdura;Carote;10\n", "riga 2: categoria sconosciuta \"Verdura\""},
        {__LINE__, "ignoto.pasto", "Frutta;Banane;80\n", "riga 1: l'alimento \"Banane\" non è nella categoria \"Frutta\""},
    };
    // clang-format on
    add(*model, "Uova", 0, "30");
    const std::vector<MealFileEntry> before = model->document().entries();
    for (const auto &c : cases) {
        VELMO_CASE(c);
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        QFile file(path);
        ASSERT_TRUE(c.text.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(c.text) == c.text.size()));
        file.close();
        ASSERT_TRUE(!c.fifo || mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        dialogs.clear();
        alarm(60);  // a reader that waits for a writer ends the test instead of hanging it
        EXPECT_FALSE(model->document().openFile(path));
        alarm(0);
        EXPECT_TRUE(dialogs.messageTexts().value(0).contains(QString::fromUtf8(c.message).replace(u"%1"_s, path)));
        EXPECT_EQ(dialogs.shown.size(), 1U);
        EXPECT_EQ(model->document().entries(), before);
        EXPECT_EQ(model->document().windowTitle(), u"Velmo - Senza nome*"_s);
    }
}

// A file changed by another program or window since this one saved it is replaced only when the
// user says so; "No" saves the table under another name.
TEST_F(MealDocumentTest, AFileChangedElsewhereIsReplacedOnlyWhenTheUserSaysSo)
{
    add(*model, "Frutta", 0, "100");
    const QString file = dir.filePath(u"pranzo.pasto"_s);
    dialogs.saveAnswers = {file};
    ASSERT_TRUE(model->document().saveAs());
    add(*model, "Uova", 0, "30");
    ASSERT_TRUE(model->document().save());
    const auto asked = [this] {
        return std::count_if(dialogs.shown.cbegin(), dialogs.shown.cend(), [](const auto &shown) {
            return shown.text.startsWith(u"Il file \"pranzo.pasto\" è stato cambiato"_s);
        });
    };
    EXPECT_EQ(asked(), 0) << "a file only this window wrote";
    const QByteArray other = "Frutta;Pera, cruda;50\n";
    QFile elsewhere(file);
    ASSERT_TRUE(elsewhere.open(QIODevice::WriteOnly | QIODevice::Truncate) && elsewhere.write(other) == other.size());
    elsewhere.close();
    add(*model, "Uova", 0, "40");
    dialogs.questionAnswers = {Answer::Cancel};
    EXPECT_FALSE(model->document().save());
    EXPECT_EQ(asked(), 1);
    EXPECT_EQ(fileBytes(file), other);
    dialogs.questionAnswers = {Answer::No};
    dialogs.saveAnswers = {dir.filePath(u"cena.pasto"_s)};
    EXPECT_TRUE(model->document().save());
    EXPECT_EQ(fileBytes(file), other);
    EXPECT_EQ(model->document().path(), dir.filePath(u"cena.pasto"_s));
    dialogs.saveAnswers = {file};
    dialogs.questionAnswers = {Answer::Yes};
    ASSERT_TRUE(model->document().saveAs());
    EXPECT_EQ(fileBytes(file), fileBytes(dir.filePath(u"cena.pasto"_s)));
}

// A save that fails is told, and whatever the file held before is still there; a saved file is
// private.
TEST_F(MealDocumentTest, AFailedSaveKeepsThePreviousFile)
{
    add(*model, "Frutta", 0, "100");
    dialogs.saveAnswers = {dir.filePath(u"nessuna/pasto.pasto"_s), dir.filePath(u"pranzo.pasto"_s)};
    EXPECT_FALSE(model->document().saveAs());
    EXPECT_TRUE(
        dialogs.messageTexts().value(0).contains(u"la cartella "_s + dir.filePath(u"nessuna"_s) + u" non esiste"_s));
    ASSERT_TRUE(model->document().saveAs());
    const QByteArray saved = fileBytes(dir.filePath(u"pranzo.pasto"_s));
    EXPECT_EQ(QFile::permissions(dir.filePath(u"pranzo.pasto"_s)) & (QFile::ReadGroup | QFile::ReadOther),
              QFile::Permissions());  // a person's meals are the user's alone
    add(*model, "Uova", 0, "30");
    // A disk that fills up: no file may grow past a few bytes while saving.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit tiny{16, limit.rlim_max};
    setrlimit(RLIMIT_FSIZE, &tiny);
    const bool written = model->document().save();
    setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(written);
    EXPECT_TRUE(dialogs.messageTexts().value(1).contains(u"scrittura non riuscita"_s));
    EXPECT_EQ(fileBytes(dir.filePath(u"pranzo.pasto"_s)), saved);
    EXPECT_EQ(QDir(dir.path()).entryList({u"pranzo.pasto*"_s}, QDir::Files | QDir::Hidden),
              QStringList{u"pranzo.pasto"_s});
    EXPECT_EQ(model->document().windowTitle(), u"Velmo - pranzo.pasto*"_s);
    // A meal emptied is not written over the file: no food, no file that opens again.
    model->lockBoxClicked(0, false);
    model->lockBoxClicked(1, false);
    EXPECT_FALSE(model->document().save());
    EXPECT_TRUE(dialogs.messageTexts().value(2).contains(u"non ha alimenti bloccati"_s));
    EXPECT_EQ(fileBytes(dir.filePath(u"pranzo.pasto"_s)), saved);
}

// The status bar's third panel follows the meal and the requirement of the energy window
// computed last, named when both windows hold one.
TEST_F(MealDocumentTest, TheComparisonFollowsTheMealAndTheLastRequirement)
{
    RequirementChoice choice;
    const auto show = [&](const char *whose, const char *text) {
        choice.update(QString::fromLatin1(whose), QString::fromLatin1(text), QLocale());
        model->setRequirement(choice.kcal(), choice.whose());
        return model->comparisonText();
    };
    EXPECT_EQ(show("maschio", "2.000"), u"Pasto 0 kcal = 0 % di 2000 kcal"_s);
    EXPECT_EQ(show("femmina", "1800,4"), u"Pasto 0 kcal = 0 % di 1800 kcal (femmina)"_s);
    EXPECT_EQ(show("maschio", "2500"), u"Pasto 0 kcal = 0 % di 2500 kcal (maschio)"_s);
    add(*model, "Uova", 0, "100");
    EXPECT_TRUE(model->comparisonText().startsWith(u"Pasto 144 kcal = 6 % di 2500 kcal (maschio) · Protidi "_s));
    EXPECT_EQ(show("maschio", ""),
              u"Pasto 144 kcal = 8 % di 1800 kcal · Protidi 34 % Lipidi 65 % Glucidi 1 % dell'energia"_s);
    EXPECT_EQ(show("femmina", "0"), u""_s);
    // A current person stands in for the windows, named, also when it has no requirement.
    choice.setCurrentPerson(u"Anna"_s, 1440.0, IntakePerson{true, 9});
    EXPECT_EQ(show("maschio", "2500"),
              u"Pasto 144 kcal = 10 % di 1440 kcal (Anna) · Protidi 34 % Lipidi 65 % Glucidi 1 % dell'energia"_s);
    EXPECT_EQ(choice.person()->ageYears, 9);
    choice.setCurrentPerson(u"Anna"_s, std::nullopt, std::nullopt);
    EXPECT_EQ(show("maschio", "2500"), u""_s);
    choice.clearCurrentPerson();
    EXPECT_EQ(show("maschio", "2500"),
              u"Pasto 144 kcal = 6 % di 2500 kcal · Protidi 34 % Lipidi 65 % Glucidi 1 % dell'energia"_s);
}

}  // namespace
}  // namespace velmo::test
