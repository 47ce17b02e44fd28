// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/datacontrol.h"
#include "catalogue/foodgridmodel.h"

#include <QTableView>

namespace velmo::ui {

// `DBGrid1`: the foods of the current category, read-only on yellow. Its current row follows
// the data control and moves it (arrow keys, clicks).
class FoodGridView : public QTableView {
    Q_OBJECT
public:
    FoodGridView(DataControl &dataControl, QWidget *parent = nullptr);

signals:
    void gridClicked();                                   // a left click anywhere in the grid
    void rowChosen(int row);                              // the user made another food current
    void categoryMenuRequested(const QPoint &globalPos);  // right button

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void followDataControl();

    DataControl &data_;
    FoodGridModel model_;
    bool following_ = false;
};

}  // namespace velmo::ui
