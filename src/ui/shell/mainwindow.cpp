#include "ui/shell/mainwindow.h"

#include "ui/catalogue/foodgridview.h"
#include "ui/meal/compositiontableview.h"
#include "ui/meal/macrochartview.h"

#include <QCloseEvent>
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

    label5_ = new QLabel(client_);
    label5_->setObjectName(QStringLiteral("Label5"));
    label5_->setGeometry(8, 32, 450, 20);
    label5_->setAutoFillBackground(true);
    QPalette heading = label5_->palette();
    heading.setColor(QPalette::Window, Qt::black);
    heading.setColor(QPalette::WindowText, Qt::white);
    label5_->setPalette(heading);
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(11);
    serif.setBold(true);
    label5_->setFont(serif);
    label5_->setIndent(6);

    grid_ = new FoodGridView(model_.data1(), client_);
    grid_->setGeometry(8, 54, 450, 168);

    chart_ = new MacroChartView(client_);
    chart_->setGeometry(464, 56, 272, 185);

    label2_ = new QLabel(client_);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(8, 226, 450, 18);
    label2_->setAutoFillBackground(true);
    QPalette title = label2_->palette();
    title.setColor(QPalette::Window, QColor(0, 192, 192));
    title.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label2_->setPalette(title);
    QFont titleFont = label2_->font();
    titleFont.setBold(true);
    label2_->setFont(titleFont);

    table_ = new CompositionTableView(model_.meal(), client_);
    table_->move(0, 248);

    buildStatusBar();
    buildTimers();

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

    connect(grid_, &FoodGridView::gridClicked, &model_, &MainWindowModel::gridClicked);
    connect(grid_, &FoodGridView::rowChosen, &model_, &MainWindowModel::gridRowChosen);
    connect(grid_, &FoodGridView::categoryMenuRequested, this, [this](const QPoint &at) { mnuScelta_->popup(at); });

    connect(&model_, &MainWindowModel::label5Changed, this, [this] { label5_->setText(model_.label5()); });
    connect(&model_, &MainWindowModel::label2Changed, this, [this] { label2_->setText(model_.label2()); });
    connect(&model_, &MainWindowModel::statusChanged, this, [this] {
        panels_[0]->setText(model_.statusDate());
        panels_[1]->setText(model_.statusTime());
    });
    connect(&model_, &MainWindowModel::mousePointerChanged, this, [this] { pointer_.set(model_.mousePointer()); });
    connect(&model_, &MainWindowModel::toolbarFlatChanged, this, &MainWindow::renderToolbarStyle);
    connect(&model_, &MainWindowModel::printRequested, this, &MainWindow::printRequested);
    connect(&model_, &MainWindowModel::helpRequested, this, &MainWindow::helpRequested);
    connect(&model_, &MainWindowModel::exitRequested, this, &MainWindow::exitRequested);

    label5_->setText(model_.label5());
    label2_->setText(model_.label2());
    renderToolbarStyle();
    setFixedSize(sizeHint());
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        model_.activate(QDate::currentDate());
        if (model_.timer1Enabled() && !timer1_->isActive())
            timer1_->start();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    pointer_.set(MousePointer::Default);
    event->accept();
    emit closed();
}

}  // namespace velmo::ui
