// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/foodcategory.h"
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "shell/mainwindowmodel.h"
#include "support/fakedialogs.h"
#include "support/localeguard.h"
#include "support/tablecase.h"
#include "ui/catalogue/foodgridview.h"
#include "ui/meal/compositiontableview.h"
#include "ui/meal/macrochartview.h"
#include "ui/nutrition/rankingwindow.h"
#include "ui/shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QClipboard>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QDropEvent>
#include <QTableView>
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
        QString error;
        ASSERT_TRUE(model_.load(programFile(QString::fromLatin1(FoodDatabase::kFileName)), &error))
            << error.toStdString();
        window_ = std::make_unique<MainWindow>(model_);
        window_->show();
        table = window_->table();
    }

    // The food of "Frutta" named `name` becomes current, as a click on its grid row does.
    void browseTo(const QString &name)
    {
        model_.chooseCategory(*findFoodCategory(QStringLiteral("Frutta")));
        const DataControl &data = model_.dataControl();
        for (int i = 0; i < data.rowCount(); ++i)
            if (data.row(i).name == name)
                return model_.gridRowChosen(i);
        ADD_FAILURE() << "no food " << name.toStdString();
    }

    void clickLock(int row) { QTest::mouseClick(table->lockBox(row), Qt::LeftButton); }
    QString total(int index) const { return table->totalLabel(index)->text(); }
    bool white(int row) const { return table->grossBox(row)->palette().color(QPalette::Text) == QColor(Qt::white); }
    bool whiteLabel(int row, MealColumn c) const
    {
        return table->cellLabel(row, c)->palette().color(QPalette::WindowText) == QColor(Qt::white);
    }
    // The labels and the chart show what the model holds (the model's tests check the numbers).
    void expectViewsShowTheModel(int rows)
    {
        const MealGrid &meal = model_.meal();
        for (int r = 0; r < rows; ++r) {
            EXPECT_EQ(table->lockBox(r)->isChecked(), meal.row(r).lock == 1) << r;
            EXPECT_EQ(table->grossBox(r)->text(), meal.row(r).cell(MealColumn::Gross).text) << r;
            for (MealColumn c : {MealColumn::Name, MealColumn::Net, MealColumn::Protein, MealColumn::Cholesterol})
                EXPECT_EQ(table->cellLabel(r, c)->text(), meal.row(r).cell(c).text) << r;
        }
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(total(i), meal.totals().texts[static_cast<std::size_t>(i)]) << i;
        for (int i = 0; i < kChartColumns; ++i)
            EXPECT_DOUBLE_EQ(window_->chart()->value(static_cast<ChartColumn>(i)),
                             meal.chartValues()[static_cast<std::size_t>(i)])
                << i;
    }

    LocaleGuard guard_{GetParam()};
    FakeDialogs dialogs;
    MainWindowModel model_{dialogs};
    std::unique_ptr<MainWindow> window_;
    CompositionTableView *table = nullptr;
};

TEST_P(MealWindow, TypedWeightAndLockClicksReachTheModelAndItsTextsTheLabels)
{
    browseTo(QStringLiteral("Albicocche, crude"));
    ASSERT_EQ(table->cellLabel(0, MealColumn::Name)->text(), QStringLiteral("Albicocche, crude"));
    clickLock(0);  // without weight: refused, and the box unchecked again
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_FALSE(table->lockBox(0)->isChecked());
    browseTo(QStringLiteral("Albicocche, crude"));

    QTest::keyClicks(table->grossBox(0), QStringLiteral("2a,5-0 "));
    QTest::keyClick(table->grossBox(0), Qt::Key_Return);
    EXPECT_EQ(model_.meal().row(0).cell(MealColumn::Gross).text, QStringLiteral("250"));
    EXPECT_FALSE(table->grossBox(1)->isVisible());

    clickLock(0);
    EXPECT_TRUE(table->grossBox(1)->isVisible() && table->lockBox(1)->isVisible());
    EXPECT_EQ(table->cellLabel(0, MealColumn::Protein)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    expectViewsShowTheModel(2);

    browseTo(QStringLiteral("Banana, cruda"));
    QTest::keyClicks(table->grossBox(1), QStringLiteral("120"));
    clickLock(1);
    expectViewsShowTheModel(3);

    clickLock(0);
    expectViewsShowTheModel(3);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    // Every total is for one person: the persons controls are never offered.
    EXPECT_FALSE(window_->personsMenu()->menuAction()->isEnabled());
    for (const char *name : {"Combo1", "Label1", "Textplsomma1", "Labelcolsomma1"}) {
        auto *hidden = table->findChild<QWidget *>(QString::fromLatin1(name));
        EXPECT_TRUE(hidden && !hidden->isVisible()) << name;
    }
}

// The largest weight the box takes gives values wider than their cells: each is shown whole, in a
// smaller type, never cut to a plausible smaller number.
TEST_P(MealWindow, ValuesWiderThanTheirCellsAreShownWhole)
{
    browseTo(QStringLiteral("Banana, cruda"));
    QTest::keyClicks(table->grossBox(0), QStringLiteral("9999999"));
    clickLock(0);
    ASSERT_EQ(model_.meal().row(0).lock, 1);
    std::vector<QLabel *> labels;
    for (int i = 0; i < 8; ++i)
        labels.push_back(table->totalLabel(i));
    for (MealColumn c : {MealColumn::Net, MealColumn::Carbohydrate, MealColumn::Energy})
        labels.push_back(table->cellLabel(0, c));
    for (QLabel *label : labels) {
        const int room = label->contentsRect().width() - 2 * label->margin();
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), room) << label->text().toStdString();
    }
    EXPECT_EQ(table->cellLabel(0, MealColumn::Energy)->toolTip(), model_.meal().row(0).cell(MealColumn::Energy).text);
    // A value that fits takes the usual type back.
    clickLock(0);
    EXPECT_EQ(table->totalLabel(0)->font().pointSizeF(), ui::kSmallTextPointSize);
    EXPECT_TRUE(table->totalLabel(0)->toolTip().isEmpty());
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
    const std::vector<QWidget *> expected = {table->grossBox(0), table->lockBox(0),  table->grossBox(1),
                                             table->lockBox(1),  table->grossBox(5), table->lockBox(5)};
    EXPECT_EQ(chain, expected);
}

// Pasted and dropped text reaches the table's rule whole: taken whole, or refused leaving the box
// as it was ("2.5" must not become 25).
TEST_P(MealWindow, PastedAndDroppedTextIsTakenWholeOrRefused)
{
    enum class Way { Paste, Drop };
    // clang-format off
    const struct { int line; Way way; const char *text; const char *after; } cases[] = {
        {__LINE__, Way::Paste, "2.5", "12"},   {__LINE__, Way::Paste, "12,5", "12"},
        {__LINE__, Way::Paste, "5", "125"},    {__LINE__, Way::Paste, "00000", "125"},  // eight digits
        {__LINE__, Way::Drop, "2.5", "125"},   {__LINE__, Way::Drop, "-3 g", "125"},
        {__LINE__, Way::Drop, "0", "1250"},
    };
    // clang-format on
    browseTo(QStringLiteral("Albicocche, crude"));
    QLineEdit *box = table->grossBox(0);
    QTest::keyClicks(box, QStringLiteral("12"));
    for (const auto &c : cases) {
        VELMO_CASE(c);
        box->setFocus();
        const QString before = box->text();
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
        EXPECT_EQ(model_.meal().hint().isEmpty(), box->text() != before);  // a refusal says why
        EXPECT_EQ(model_.meal().row(0).cell(MealColumn::Gross).text, QString::fromUtf8(c.after));
    }
    clickLock(0);
    EXPECT_EQ(total(0), QStringLiteral("1250"));
}

// Empty cells painted white show what reaches them later, and a click shows them again.
TEST_P(MealWindow, CellsPaintedWhiteShowWhatIsTypedBrowsedOrClicked)
{
    browseTo(QStringLiteral("Albicocche, crude"));
    QTest::keyClicks(table->grossBox(0), QStringLiteral("100"));
    clickLock(0);
    ASSERT_TRUE(white(1) && white(2) && white(3) && whiteLabel(1, MealColumn::Protein)
                && whiteLabel(2, MealColumn::Cholesterol));

    browseTo(QStringLiteral("Banana, cruda"));
    EXPECT_FALSE(whiteLabel(1, MealColumn::Protein));
    QTest::mouseClick(table->grossBox(2), Qt::LeftButton);
    EXPECT_FALSE(white(2) || !white(3));

    QTest::mouseClick(window_->grid()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    for (int r = 0; r < kMealRows; ++r)
        EXPECT_FALSE(white(r) || whiteLabel(r, MealColumn::Cholesterol)) << r;
}

// "Alimenti ricchi di..." from the menu: the food richest in the chosen nutrient (the source's
// 183,5 mg of vitamin C) reaches the open row on Enter, and the window closes.
TEST_P(MealWindow, RankingWindowPutsTheChosenFoodInTheOpenRow)
{
    window_->findChild<QAction *>(QStringLiteral("mnuRicchiDi"))->trigger();
    ui::RankingWindow *ranking = window_->rankingWindow();
    ASSERT_TRUE(ranking && QTest::qWaitForWindowExposed(ranking));
    QComboBox *nutrient = ranking->nutrientBox();
    nutrient->setCurrentIndex(nutrient->findText(QStringLiteral("Vitamina C"), Qt::MatchStartsWith));
    QTest::keyClick(ranking->list(), Qt::Key_Return);
    EXPECT_FALSE(ranking->isVisible());
    EXPECT_EQ(table->cellLabel(0, MealColumn::Name)->text(), QStringLiteral("Peperoni gialli, crudi"));
}

INSTANTIATE_TEST_SUITE_P(Locales, MealWindow, ::testing::Values("it_IT", "en_US"),
                         [](const auto &info) { return QString::fromLatin1(info.param).remove(u'_').toStdString(); });

}  // namespace
}  // namespace velmo::test
