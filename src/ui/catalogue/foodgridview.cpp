#include "ui/catalogue/foodgridview.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

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
    // Yellow through the palette, not a style sheet: a style sheet puts the grid under the style
    // sheet style, which costs the start-up more than the rest of the grid. The grid itself, its
    // frame and its corner take the yellow; its headers and scroll bars keep the program's colours.
    QPalette yellow = palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::AlternateBase, QPalette::Window, QPalette::Button})
        yellow.setColor(role, QColor(255, 255, 0));
    setPalette(yellow);
    QWidget *const parts[] = {horizontalHeader(), verticalHeader(), horizontalScrollBar(), verticalScrollBar()};
    for (QWidget *part : parts) {
        QPalette own = part->palette();
        const QPalette around = QApplication::palette(part);
        for (QPalette::ColorRole role : {QPalette::AlternateBase, QPalette::Window, QPalette::Button})
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                own.setBrush(group, role, around.brush(group, role));
        part->setPalette(own);
    }

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
