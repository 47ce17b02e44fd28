// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QWidget>

class QDateEdit;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;

namespace velmo {
class DayPanelModel;
}

namespace velmo::ui {

// The day panel: the day against the requirement, a table of the meals with their energy, their
// share and the guide's, then the day's totals and a small table of its energy split against the
// reference ranges. Both tables are as wide as their words, and the panel as wide as they are, so
// that nothing is cut or wrapped. It shows the `DayPanelModel` and decides nothing. Above them,
// whose stored day the window shows and its date, which the main window binds to the stored days.
class DayPanel : public QWidget {
    Q_OBJECT
public:
    explicit DayPanel(DayPanelModel &model, QWidget *parent = nullptr);

    // As wide as the wider table: the texts under them wrap within it.
    QSize sizeHint() const override;

    QTableView *meals() const { return meals_; }
    QLabel *summary() const { return summary_; }
    QLabel *totals() const { return totals_; }
    QTableWidget *split() const { return split_; }
    QLabel *dayPerson() const { return dayPerson_; }
    QDateEdit *dayDate() const { return dayDate_; }
    // "Bilancia quantità..." of every meal of the day; the main window says what it does.
    QPushButton *balanceButton() const { return balance_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void render();

    DayPanelModel &model_;
    QLabel *summary_ = nullptr;
    QTableView *meals_ = nullptr;
    QLabel *totals_ = nullptr;
    QLabel *splitTitle_ = nullptr;
    QTableWidget *split_ = nullptr;
    QLabel *dayPerson_ = nullptr;
    QDateEdit *dayDate_ = nullptr;
    QPushButton *balance_ = nullptr;
};

}  // namespace velmo::ui
