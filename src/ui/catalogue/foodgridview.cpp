// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/catalogue/foodgridview.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

#include <utility>

namespace velmo::ui {

FoodGridView::FoodGridView(DataControl &dataControl, QWidget *parent)
    : QTableView(parent), data_(dataControl), model_(dataControl)
{
    setObjectName(QStringLiteral("DBGrid1"));
    setModel(&model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setAccessibleName(tr("Alimenti della categoria"));
    setAccessibleDescription(tr("Le frecce scelgono l'alimento della riga aperta; Tab porta al suo peso lordo"));
    horizontalHeader()->setVisible(true);
    verticalHeader()->setDefaultSectionSize(18);
    verticalHeader()->setVisible(false);
    // Yellow through the palette, not a style sheet: a style sheet puts the grid under the style
    // sheet style, which costs the start-up more than the rest of the grid. The grid itself, its
    // corner and its frame take the yellow, the frame's shades made from it as a style sheet
    // makes them; its headers and scroll bars keep the program's colours.
    const QColor yellow(255, 255, 0);
    const std::pair<QPalette::ColorRole, QColor> own[] = {{QPalette::Base, yellow},
                                                          {QPalette::AlternateBase, yellow},
                                                          {QPalette::Window, yellow},
                                                          {QPalette::Button, yellow},
                                                          {QPalette::Light, yellow.lighter(115)},
                                                          {QPalette::Midlight, yellow.lighter(107)},
                                                          {QPalette::Dark, yellow.darker(150)},
                                                          {QPalette::Shadow, yellow.darker(300)}};
    QPalette grid = palette();
    for (const auto &[role, colour] : own)
        grid.setColor(role, colour);
    setPalette(grid);
    QWidget *const parts[] = {horizontalHeader(), verticalHeader(), horizontalScrollBar(), verticalScrollBar()};
    for (QWidget *part : parts) {
        QPalette program = part->palette();
        const QPalette around = QApplication::palette(part);
        for (const auto &[role, colour] : own)
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                if (role != QPalette::Base)  // the one role the grid always passed on
                    program.setBrush(group, role, around.brush(group, role));
        part->setPalette(program);
    }

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
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
