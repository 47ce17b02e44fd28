#include "shellfixture.h"

#include <QDir>
#include <QFile>

namespace velmo::test {
namespace {

class PersonalFoodCommandsTest : public ShellModelTest {
protected:
    // What the user types into the food window before pressing Salva.
    void fillFoodWindow(const QStringList &texts)
    {
        ASSERT_TRUE(model->personalFoods().foodForm());
        for (int i = 0; i < texts.size(); ++i)
            model->personalFoods().foodForm()->setText(i, texts[i]);
        ASSERT_TRUE(model->personalFoods().foodForm()->accept());
        model->personalFoods().foodWindowClosed();
    }
};

TEST_F(PersonalFoodCommandsTest, NewModifyDeleteAndTheFoodReachesTheOpenRow)
{
#ifdef Q_OS_UNIX  // a folder found open to other users is closed to them, and the user is told
    const QString folder = QFileInfo(personal).absolutePath();
    ASSERT_TRUE(QDir().mkpath(folder) && QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOther));
    model->personalFoods().newFood();
    EXPECT_TRUE(dialogs.shown.at(0).text.contains("era accessibile anche ad altri utenti"))
        << dialogs.shown[0].text.toStdString();
    EXPECT_FALSE(QFile::permissions(folder) & QFile::ReadOther);
#endif
    model->personalFoods().newFood();
    fillFoodWindow({"Torta", "100", "6,5", "12", "50", "340"});
    EXPECT_TRUE(QFile::exists(personal));
    EXPECT_EQ(model->categoryHeading(), "Alimenti personali");
    EXPECT_EQ(model->meal().row(0).name(), "Torta");
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Protein).text, "6,5");

    model->personalFoods().modifyFood();
    EXPECT_EQ(model->personalFoods().foodForm()->text(2), "6,5");
    fillFoodWindow({"Torta di mele"});
    EXPECT_EQ(model->meal().row(0).name(), "Torta di mele");
    // The search and a meal file see the food as it is now.
    const FoodSearch::Result found = model->foodSearch().find("MELE");
    ASSERT_EQ(found.total, 1);
    EXPECT_EQ(model->foodSearch().heading(found.foods[0]), "Alimenti personali");
    QFile meal(dir.filePath("torta.pasto"));
    ASSERT_TRUE(meal.open(QIODevice::WriteOnly));
    meal.write("Alimenti personali;Torta di mele;150\n");
    meal.close();
    ASSERT_TRUE(model->document().openFile(meal.fileName())) << dialogs.messageTexts().join(u'\n').toStdString();
    EXPECT_EQ(model->meal().row(0).cell(MealColumn::Gross).text, "150");

    dialogs.questionAnswers = {Answer::No, Answer::Yes};
    model->personalFoods().deleteFood();
    EXPECT_EQ(model->dataControl().rowCount(), 1);
    model->personalFoods().deleteFood();
    EXPECT_TRUE(dialogs.shown.back().text.startsWith("Eliminare l'alimento personale \"Torta di mele\""));
    EXPECT_EQ(model->dataControl().rowCount(), 0);
}

TEST_F(PersonalFoodCommandsTest, ADamagedCatalogueIsLeftAloneUntilTheUserSetsItAside)
{
    QDir().mkpath(QFileInfo(personal).absolutePath());
    QFile damaged(personal);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly) && damaged.write(QByteArray(4096, '\x7f')) == 4096);
    damaged.close();

    model->chooseCategory(kPersonalCategory);  // the question is cancelled
    EXPECT_EQ(model->categoryHeading(), "Alimenti");
    EXPECT_EQ(fileBytes(personal), QByteArray(4096, '\x7f'));
    EXPECT_TRUE(dialogs.shown.back().text.contains(personal));

    dialogs.questionAnswers = {Answer::Yes};
    model->chooseCategory(kPersonalCategory);
    EXPECT_EQ(model->categoryHeading(), "Alimenti personali");
    const QStringList aside = QDir(QFileInfo(personal).absolutePath()).entryList({"*.non-apribile-*"});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(fileBytes(QFileInfo(personal).absolutePath() + u'/' + aside.front()), QByteArray(4096, '\x7f'));
}

TEST_F(PersonalFoodCommandsTest, AMealSavedAsAFoodThenExportedAndImported)
{
    add(*model, "Frutta", 0, "200");
    dialogs.inputAnswers = {"Spuntino"};
    model->personalFoods().saveMealAsFood();
    EXPECT_TRUE(dialogs.messageTexts().back().startsWith("Creato l'alimento personale \"Spuntino\""));
    EXPECT_EQ(model->personalFoods().catalogue()->find("spuntino")->nutrients[0], 1.4);

    const QString exported = dir.filePath("esportati.csv");
    dialogs.saveAnswers = {exported};
    model->personalFoods().exportFoods();
    QString error;
    EXPECT_EQ(QString::fromUtf8(fileBytes(exported)), foodsToCsv(model->personalFoods().catalogue()->foods(&error)));
    dialogs.openAnswers = {exported};
    model->personalFoods().importFoods();
    EXPECT_TRUE(dialogs.messageTexts().back().startsWith("Importati 1 alimenti"))
        << dialogs.messageTexts().back().toStdString();

    // Values the food window would ask about are asked about once for the whole file.
    QFile wine(dir.filePath("vino.csv"));
    ASSERT_TRUE(wine.open(QIODevice::WriteOnly));
    wine.write("alimenti,edibile,proteine,lipidi,carboidrati,energia,fibra,colesterolo\nVino,100,0,0,1,70,,\n");
    wine.close();
    dialogs.openAnswers = {wine.fileName(), wine.fileName()};
    dialogs.questionAnswers = {Answer::No, Answer::Yes};
    model->personalFoods().importFoods();
    EXPECT_TRUE(dialogs.shown.back().text.startsWith("Il file")) << dialogs.shown.back().text.toStdString();
    EXPECT_FALSE(model->personalFoods().catalogue()->find("Vino"));
    model->personalFoods().importFoods();
    EXPECT_TRUE(model->personalFoods().catalogue()->find("Vino"));
}

}  // namespace
}  // namespace velmo::test
