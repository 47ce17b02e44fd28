#include "ui/shell/mainwindow.h"

#include "ui/catalogue/foodgridview.h"
#include "ui/catalogue/foodsearchwindow.h"
#include "ui/catalogue/foodwindow.h"
#include "ui/meal/compositiontableview.h"
#include "ui/meal/macrochartview.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

namespace velmo::ui {

MainWindow::MainWindow(MainWindowModel &model, QWidget *parent) : QMainWindow(parent), model_(model)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(QStringLiteral("Velmo"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/velmo.svg")));

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(kClientWidth, kClientHeight);
    client_->setAutoFillBackground(true);
    QPalette background = client_->palette();
    background.setColor(QPalette::Window, QColor(224, 224, 224));
    client_->setPalette(background);
    setCentralWidget(client_);

    buildMenus();
    buildToolbar();

    categoryHeading_ = new QLabel(client_);
    categoryHeading_->setObjectName(QStringLiteral("Label5"));
    categoryHeading_->setGeometry(8, 32, 450, 20);
    categoryHeading_->setAutoFillBackground(true);
    QPalette heading = categoryHeading_->palette();
    heading.setColor(QPalette::Window, Qt::black);
    heading.setColor(QPalette::WindowText, Qt::white);
    categoryHeading_->setPalette(heading);
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(11);
    serif.setBold(true);
    categoryHeading_->setFont(serif);
    categoryHeading_->setIndent(6);

    grid_ = new FoodGridView(model_.dataControl(), client_);
    grid_->setGeometry(8, 54, 450, 168);

    chart_ = new MacroChartView(client_);
    chart_->setGeometry(464, 56, 272, 185);

    scrollingTitle_ = new QLabel(client_);
    scrollingTitle_->setObjectName(QStringLiteral("Label2"));
    scrollingTitle_->setGeometry(8, 226, 450, 18);
    scrollingTitle_->setAutoFillBackground(true);
    QPalette title = scrollingTitle_->palette();
    title.setColor(QPalette::Window, QColor(0, 192, 192));
    title.setColor(QPalette::WindowText, QColor(255, 0, 0));
    scrollingTitle_->setPalette(title);
    QFont titleFont = scrollingTitle_->font();
    titleFont.setBold(true);
    scrollingTitle_->setFont(titleFont);

    table_ = new CompositionTableView(model_.meal(), client_);
    table_->move(0, 248);

    buildStatusBar();
    buildTimers();
    bindMealDocument();

    MealGrid &meal = model_.meal();
    connect(table_, &CompositionTableView::grossEdited, &meal, &MealGrid::setGrossText);
    connect(table_, &CompositionTableView::grossClicked, &meal, &MealGrid::grossClicked);
    connect(table_, &CompositionTableView::lockBoxClicked, &meal,
            [&meal](int row, bool checked) { meal.setLock(row, checked ? 1 : 0); });
    auto showChart = [this, &meal] {
        const auto &values = meal.chartValues();
        chart_->setValues(values[0], values[1], values[2]);
    };
    connect(&meal, &MealGrid::chartChanged, chart_, showChart);
    showChart();

    // From the grid, Tab goes on to the weight of the food just chosen, in the row that takes it.
    grid_->installEventFilter(this);
    connect(grid_, &FoodGridView::gridClicked, &model_, &MainWindowModel::gridClicked);
    connect(grid_, &FoodGridView::rowChosen, &model_, &MainWindowModel::gridRowChosen);
    connect(grid_, &FoodGridView::categoryMenuRequested, this, [this](const QPoint &at) { mnuScelta_->popup(at); });

    connect(&model_, &MainWindowModel::categoryHeadingChanged, this,
            [this] { categoryHeading_->setText(model_.categoryHeading()); });
    connect(&model_, &MainWindowModel::scrollingTitleChanged, this,
            [this] { scrollingTitle_->setText(model_.scrollingTitle()); });
    connect(&model_, &MainWindowModel::statusChanged, this, [this] {
        panels_[0]->setText(model_.statusDate());
        panels_[1]->setText(model_.statusTime());
    });
    connect(&model_, &MainWindowModel::mousePointerChanged, this, [this] { pointer_.set(model_.mousePointer()); });
    connect(&model_, &MainWindowModel::toolbarFlatChanged, this, &MainWindow::renderToolbarStyle);
    connect(&model_, &MainWindowModel::printRequested, this, &MainWindow::printRequested);
    connect(&model_, &MainWindowModel::helpRequested, this, &MainWindow::helpRequested);
    connect(&model_, &MainWindowModel::exitRequested, this, &MainWindow::exitRequested);
    connect(&model_, &MainWindowModel::foodWindowRequested, this, [this] {
        if (FoodFormModel *form = model_.foodForm()) {
            FoodWindow window(*form, this);
            window.exec();
        }
        model_.foodWindowClosed();
    });

    categoryHeading_->setText(model_.categoryHeading());
    scrollingTitle_->setText(model_.scrollingTitle());
    renderToolbarStyle();
    setFixedSize(sizeHint());
}

void MainWindow::openFoodSearch()
{
    const FoodSearch &search = model_.foodSearch();  // the personal foods as they are now
    if (!searchWindow_) {
        searchWindow_ = new FoodSearchWindow(search, model_.foodSearchError(), this);
        connect(searchWindow_, &FoodSearchWindow::foodChosen, &model_, &MainWindowModel::chooseFood);
    }
    searchWindow_->showSearch();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        model_.activate(QDate::currentDate());
        if (model_.clockEnabled() && !clockTimer_->isActive())
            clockTimer_->start();
    }
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const std::optional<int> open = model_.meal().openRow();
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier && open) {
            table_->grossBox(*open)->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!model_.mayClose()) {
        event->ignore();
        return;
    }
    pointer_.set(MousePointer::Default);
    event->accept();
    emit closed();
}

}  // namespace velmo::ui
