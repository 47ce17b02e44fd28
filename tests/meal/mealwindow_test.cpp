#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "shell/mainwindowmodel.h"
#include "support/fakedialogs.h"
#include "support/tablecase.h"
#include "support/localeguard.h"
#include "ui/catalogue/foodgridview.h"
#include "ui/meal/compositiontableview.h"
#include "ui/meal/macrochartview.h"
#include "ui/shell/mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QDropEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace velmo::test {
namespace {

using ui::CompositionTableView;
using ui::MainWindow;

// The real main window over the shipped food database, typed into and clicked like a user.
class MealWindow : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        guard_ = std::make_unique<LocaleGuard>(GetParam());
        model_ = std::make_unique<MainWindowModel>(dialogs);
        QString error;
        ASSERT_TRUE(model_->load(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error))
            << error.toStdString();
        window_ = std::make_unique<MainWindow>(*model_);
        window_->show();
        table = window_->table();
    }
    void TearDown() override
    {
        window_.reset();
        model_.reset();
        guard_.reset();
    }

    // The food of "Frutta" named `name` becomes current, as a click on its grid row does.
    const FoodRow &browseTo(const QString &name)
    {
        model_->chooseCategory(*findFoodCategory(QStringLiteral("Frutta")));
        DataControl &data = model_->dataControl();
        for (int i = 0; i < data.rowCount(); ++i)
            if (data.row(i).name == name) {
                model_->gridRowChosen(i);
                return data.row(i);
            }
        ADD_FAILURE() << "no food " << name.toStdString();
        return data.row(0);
    }

    // Grams of a nutrient (value index 1 to 6) in a portion, computed here from the database.
    static double grams(const FoodRow &food, double gross, int valueIndex)
    {
        const double net = gross * food.values[0] / 100.0;
        return food.values[static_cast<std::size_t>(valueIndex)] * net / 100.0;
    }

    void clickLock(int row) { QTest::mouseClick(table->lockBox(row), Qt::LeftButton); }
    QString total(int index) const { return table->totalLabel(index)->text(); }
    double chart(int column) const { return window_->chart()->data(column); }
    double read(const QString &text) const { return QLocale().toDouble(text); }
    QColor textColour(int row) const { return table->grossBox(row)->palette().color(QPalette::Text); }

    FakeDialogs dialogs;
    CompositionTableView *table = nullptr;
    std::unique_ptr<LocaleGuard> guard_;
    std::unique_ptr<MainWindowModel> model_;
    std::unique_ptr<MainWindow> window_;
};

TEST_P(MealWindow, TypedWeightAndLockClickFillRowTotalsAndChart)
{
    const FoodRow &apricot = browseTo(QStringLiteral("Albicocche, crude"));
    ASSERT_EQ(table->cellLabel(0, MealColumn::Name)->text(), QStringLiteral("Albicocche, crude"));

    QTest::keyClicks(table->grossBox(0), QStringLiteral("2a,5-0 "));
    EXPECT_EQ(table->grossBox(0)->text(), QStringLiteral("250"));
    QTest::keyClick(table->grossBox(0), Qt::Key_Return);
    EXPECT_EQ(table->grossBox(0)->text(), QStringLiteral("250"));
    EXPECT_EQ(model_->meal().row(0).cell(MealColumn::Gross).text, QStringLiteral("250"));
    EXPECT_FALSE(table->grossBox(1)->isVisible());

    clickLock(0);

    EXPECT_TRUE(table->lockBox(0)->isChecked());
    EXPECT_TRUE(table->grossBox(1)->isVisible());
    EXPECT_TRUE(table->lockBox(1)->isVisible());
    EXPECT_TRUE(dialogs.shown.empty());
    // 250 g of apricots, 93 % edible.
    EXPECT_DOUBLE_EQ(read(table->cellLabel(0, MealColumn::Net)->text()), 250 * apricot.values[0] / 100);
    EXPECT_EQ(total(0), QStringLiteral("250"));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(read(total(i + 1)), grams(apricot, 250, i), 0.005) << i;
        EXPECT_DOUBLE_EQ(chart(i), read(total(i + 1))) << i;
    }
    EXPECT_EQ(table->cellLabel(0, MealColumn::Prot)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_P(MealWindow, TwoRowsThenUnlockingOneLeavesTheOther)
{
    const FoodRow &apricot = browseTo(QStringLiteral("Albicocche, crude"));
    QTest::keyClicks(table->grossBox(0), QStringLiteral("100"));
    clickLock(0);
    const FoodRow &banana = browseTo(QStringLiteral("Banana, cruda"));
    QTest::keyClicks(table->grossBox(1), QStringLiteral("120"));
    clickLock(1);
    for (int i = 1; i <= 3; ++i)
        EXPECT_NEAR(chart(i), grams(apricot, 100, i) + grams(banana, 120, i), 0.01) << i;

    clickLock(0);

    EXPECT_FALSE(table->lockBox(0)->isChecked());
    EXPECT_TRUE(table->lockBox(1)->isChecked());
    EXPECT_EQ(table->cellLabel(0, MealColumn::Name)->text(), QString());
    EXPECT_EQ(table->grossBox(0)->text(), QString());
    EXPECT_EQ(total(0), QStringLiteral("120"));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(read(total(i + 1)), grams(banana, 120, i), 0.005) << i;
        EXPECT_DOUBLE_EQ(chart(i), read(total(i + 1))) << i;
    }
}

// A row's widgets are made when the row is first shown or asked for, in any order: Tab still
// visits the boxes row by row, as if every row had been made at once.
TEST_P(MealWindow, RowsMadeLateKeepTheirPlaceInTheTabOrder)
{
    table->lockBox(5);
    browseTo(QStringLiteral("Albicocche, crude"));
    QTest::keyClicks(table->grossBox(0), QStringLiteral("100"));
    clickLock(0);
    ASSERT_TRUE(table->grossBox(1)->isVisible());

    std::vector<QWidget *> chain;
    QWidget *widget = table->grossBox(0);
    do {
        if (widget->parentWidget() == table && (qobject_cast<QLineEdit *>(widget) || qobject_cast<QCheckBox *>(widget)))
            chain.push_back(widget);
        widget = widget->nextInFocusChain();
    } while (widget != table->grossBox(0));
    const std::vector<QWidget *> expected = {table->grossBox(0), table->lockBox(0), table->grossBox(1),
                                             table->lockBox(1), table->grossBox(5), table->lockBox(5)};
    EXPECT_EQ(chain, expected);
}

TEST_P(MealWindow, LockClickWithoutWeightIsRefused)
{
    browseTo(QStringLiteral("Albicocche, crude"));
    clickLock(0);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, QStringLiteral("Inserire quantità sul campo peso lordo"));
    EXPECT_EQ(dialogs.shown[0].title, QStringLiteral("Attenzione"));
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Critical);
    EXPECT_FALSE(table->lockBox(0)->isChecked());
    EXPECT_EQ(table->cellLabel(0, MealColumn::Name)->text(), QString());
    EXPECT_FALSE(table->grossBox(1)->isVisible());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(total(i), QStringLiteral("0")) << i;
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(chart(i), 0.0) << i;
}

// Pasted and dropped text reaches the table's rule whole: taken whole, or refused leaving the box
// as it was ("2.5" must not become 25).
TEST_P(MealWindow, PastedAndDroppedTextIsTakenWholeOrRefused)
{
    enum class Way { Paste, Drop };
    const struct {
        int line;
        Way way;
        const char *text;
        const char *after;
    } cases[] = {
        {__LINE__, Way::Paste, "2.5", "12"},   {__LINE__, Way::Paste, "12,5", "12"},
        {__LINE__, Way::Paste, "5", "125"},    {__LINE__, Way::Paste, "00000", "125"},  // eight digits
        {__LINE__, Way::Drop, "2.5", "125"},   {__LINE__, Way::Drop, "-3 g", "125"},
        {__LINE__, Way::Drop, "0", "1250"},
    };
    browseTo(QStringLiteral("Albicocche, crude"));
    QLineEdit *box = table->grossBox(0);
    QTest::keyClicks(box, QStringLiteral("12"));
    for (const auto &c : cases) {
        VELMO_CASE(c);
        box->setFocus();
        box->setCursorPosition(box->text().size());
        if (c.way == Way::Paste) {
            QApplication::clipboard()->setText(QString::fromUtf8(c.text));
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            QMimeData dragged;
            dragged.setText(QString::fromUtf8(c.text));
            const QPoint end(box->width() - 2, box->height() / 2);
            QDragEnterEvent enter(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &enter);
            QDragMoveEvent move(end, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &move);
            QDropEvent drop(QPointF(end), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(box, &drop);
        }
        EXPECT_EQ(box->text(), QString::fromUtf8(c.after));
        EXPECT_EQ(model_->meal().row(0).cell(MealColumn::Gross).text, QString::fromUtf8(c.after));
    }
    clickLock(0);
    EXPECT_EQ(total(0), QStringLiteral("1250"));
    // Locked, the row keeps the weight it was calculated for.
    QTest::keyClicks(box, QStringLiteral("9"));
    EXPECT_EQ(box->text(), QStringLiteral("1250"));
}

TEST_P(MealWindow, EmptyBoxesPaintedWhiteShowWhatIsTypedLater)
{
    browseTo(QStringLiteral("Albicocche, crude"));
    QTest::keyClicks(table->grossBox(0), QStringLiteral("100"));
    clickLock(0);
    const QColor white(Qt::white);
    ASSERT_EQ(textColour(1), white);
    ASSERT_EQ(table->cellLabel(1, MealColumn::Prot)->palette().color(QPalette::WindowText), white);

    browseTo(QStringLiteral("Banana, cruda"));
    EXPECT_NE(table->cellLabel(1, MealColumn::Prot)->palette().color(QPalette::WindowText), white);
    QTest::keyClicks(table->grossBox(1), QStringLiteral("80"));
    EXPECT_NE(textColour(1), white);

    // A click into a box still shows it in the window-text colour.
    ASSERT_EQ(textColour(2), white);
    QTest::mouseClick(table->grossBox(2), Qt::LeftButton);
    EXPECT_NE(textColour(2), white);
}

TEST_P(MealWindow, GridClickShowsEveryCellAgain)
{
    browseTo(QStringLiteral("Albicocche, crude"));
    QTest::keyClicks(table->grossBox(0), QStringLiteral("100"));
    clickLock(0);
    const QColor white(Qt::white);
    ASSERT_EQ(textColour(1), white);
    ASSERT_EQ(table->cellLabel(1, MealColumn::Col)->palette().color(QPalette::WindowText), white);

    QTest::mouseClick(window_->grid()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));

    for (int r = 0; r < kMealRows; ++r) {
        EXPECT_NE(textColour(r), white) << r;
        EXPECT_NE(table->cellLabel(r, MealColumn::Col)->palette().color(QPalette::WindowText), white) << r;
    }
}

// Every total is for one person: the persons controls exist and are never offered, whatever the
// user does to the table.
TEST_P(MealWindow, PersonsControlsAreNeverOffered)
{
    browseTo(QStringLiteral("Albicocche, crude"));
    QTest::keyClicks(table->grossBox(0), QStringLiteral("100"));
    clickLock(0);
    clickLock(0);
    EXPECT_FALSE(window_->personsMenu()->menuAction()->isEnabled());
    EXPECT_EQ(window_->personsMenu()->actions().size(), 11);
    auto *combo = table->findChild<QComboBox *>(QStringLiteral("Combo1"));
    ASSERT_NE(combo, nullptr);
    EXPECT_FALSE(combo->isVisible());
    auto *label1 = table->findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(label1, nullptr);
    EXPECT_FALSE(label1->isVisible());
    for (const char *name : {"Textplsomma1", "Labelprotsomma1", "Labelcolsomma1"}) {
        auto *second = table->findChild<QLabel *>(QString::fromLatin1(name));
        ASSERT_NE(second, nullptr) << name;
        EXPECT_FALSE(second->isVisible()) << name;
        EXPECT_EQ(second->text(), QString()) << name;
    }
    auto *label4 = table->findChild<QLabel *>(QStringLiteral("Label4"));
    ASSERT_NE(label4, nullptr);
    EXPECT_TRUE(label4->isVisible());
    EXPECT_EQ(label4->text(), QStringLiteral("Calcolo per una persona"));
}

INSTANTIATE_TEST_SUITE_P(Locales, MealWindow, ::testing::Values("it_IT", "en_US"),
                         [](const auto &info) { return QString::fromLatin1(info.param).remove(u'_').toStdString(); });

}  // namespace
}  // namespace velmo::test
