// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QTableView;

namespace velmo {
class NutrientRankingModel;
}

namespace velmo::ui {

// "Alimenti ricchi di...": a nutrient, a category (or all) and a basis, and the foods richest in
// it first. Enter or a double click chooses a food, as in the search; Escape closes.
class RankingWindow : public QDialog {
    Q_OBJECT
public:
    RankingWindow(NutrientRankingModel &model, QWidget *parent = nullptr);

    QComboBox *nutrientBox() const { return nutrient_; }
    QTableView *list() const { return list_; }
    QLabel *summary() const { return summary_; }

    // Ranks anew, then shows the window with the list in the keyboard's focus.
    void showRanking();
    // Ranks anew, as the foods are now, keeping the food the list was on where it still is.
    void rankAgain();

signals:
    // The food at `row` of the model: its category and the name the interface shows.
    void foodChosen(int category, const QString &shownName);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void rank();
    void choose();

    NutrientRankingModel &model_;
    QComboBox *nutrient_ = nullptr;
    QComboBox *category_ = nullptr;
    QComboBox *basis_ = nullptr;
    QTableView *list_ = nullptr;
    QLabel *summary_ = nullptr;
};

}  // namespace velmo::ui
