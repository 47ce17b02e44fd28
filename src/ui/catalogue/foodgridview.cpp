#include "ui/catalogue/foodgridview.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace velmo::ui {

FoodGridView::FoodGridView(DataControl &data, QWidget *parent) : QTableView(parent), data_(data), model_(data)
{
    setObjectName(QStringLiteral("DBGrid1"));
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    horizontalHeader()->setVisible(true);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setVisible(false);
    setStyleSheet(QStringLiteral("QTableView#DBGrid1 { background-color: rgb(255, 255, 0); "
                                 "alternate-background-color: rgb(255, 255, 0); }"));
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(255, 255, 0));
    setPalette(p);

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!following_ && current.isValid())
                    emit rowChosen(current.row());
            });
    connect(&data_, &DataControl::reposition, this, &FoodGridView::followDataControl);
    connect(&data_, &DataControl::reset, this, [this] {
        resizeColumnsToContents();
        if (columnWidth(0) > 230)
            setColumnWidth(0, 230);
    });
}

void FoodGridView::followDataControl()
{
    const auto row = data_.currentRow();
    following_ = true;
    if (row) {
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        setCurrentIndex(model_.index(*row, column));
        scrollTo(currentIndex());
    }
    following_ = false;
}

void FoodGridView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        emit categoryMenuRequested(event->globalPosition().toPoint());
        return;
    }
    QTableView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        emit gridClicked();
}

}  // namespace velmo::ui
