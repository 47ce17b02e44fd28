// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/mealgrid.h"

#include <QCursor>
#include <QList>
#include <QWidget>

#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;

namespace velmo::ui {

// The point size of the main window's small text: the composition table, the chart's labels and
// the status bar's comparison. One size for all three is one font to load at start, not three.
inline constexpr qreal kSmallTextPointSize = 7.5;

// The composition table of the main window: twelve rows of name, gross weight box, net weight,
// six nutrients and lock box, the column headings above the rows and above the totals line,
// the totals line, and the persons controls that are never offered. It shows the `MealGrid`
// and reports what the user does; it decides nothing.
class CompositionTableView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 18;

    explicit CompositionTableView(MealGrid &meal, QWidget *parent = nullptr);

    static std::array<QString, 8> headings();

    QLabel *cellLabel(int row, MealColumn column) const;  // every cell but the gross weight
    QLineEdit *grossBox(int row) const;
    QCheckBox *lockBox(int row) const;
    QLabel *totalLabel(int index) const { return totals_[static_cast<std::size_t>(index)]; }
    // Commands on the open row, added to its gross-weight box's own right-button menu.
    void setOpenRowActions(const QList<QAction *> &actions) { openRowActions_ = actions; }
    // The right-button menu of row r's gross-weight box, as it would open now.
    QMenu *grossMenu(int row) const;

signals:
    void grossEdited(int row, const QString &text);
    void grossClicked(int row);
    void lockBoxClicked(int row, bool checked);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void renderCell(int row, MealColumn column);
    void renderRowState(int row);
    void renderTotals();
    void keepFocusInTable(int row);
    QWidget *cellWidget(int row, MealColumn column) const;
    // A row's widgets are made when the meal first shows the row, or when first asked for.
    void buildRow(int row) const;
    bool isBuilt(int row) const;

    MealGrid &meal_;
    mutable std::array<std::array<QLabel *, kMealColumns>, kMealRows> cellLabels_{};
    mutable std::array<QLineEdit *, kMealRows> grossBoxes_{};
    mutable std::array<QCheckBox *, kMealRows> lockBoxes_{};
    mutable std::unique_ptr<QCursor> lockCursor_;
    std::array<QLabel *, 8> totals_{};
    QList<QAction *> openRowActions_;
};

}  // namespace velmo::ui
