// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodsearch.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QTreeView;

namespace velmo::ui {

class FoodMatchModel;

// "Cerca alimento": a text box and the foods whose names, or their common names, hold every typed
// word, with their category. The list follows every keystroke; Enter or a double click chooses,
// Escape closes.
class FoodSearchWindow : public QDialog {
    Q_OBJECT
public:
    // The list shows at most this many foods; the line below it says how many there are.
    static constexpr int kShownFoods = 500;

    // `loadError`, when not empty, says why `search` holds no foods, or not all of them.
    FoodSearchWindow(const FoodSearch &search, const QString &loadError, QWidget *parent = nullptr);

    QLineEdit *textBox() const { return text_; }
    QTreeView *list() const { return list_; }
    QLabel *summary() const { return summary_; }

    // Shows the window with its text selected, so that typing starts a new search.
    void showSearch();
    // Looks for the text again: the foods it found stand elsewhere once the personal foods are read
    // anew, and `loadError` says what could not be read this time. The food `keep`, when still
    // found, stays the current one.
    void refresh(const QString &loadError, const std::optional<SearchableFood> &keep = std::nullopt);
    // The food the list stands on; to be taken before the search's foods are read anew.
    std::optional<SearchableFood> currentFood() const;

signals:
    void foodChosen(const velmo::SearchableFood &food);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(const QString &text);
    void choose();

    const FoodSearch &search_;
    QString loadError_;
    QLineEdit *text_ = nullptr;
    QTreeView *list_ = nullptr;
    QLabel *summary_ = nullptr;
    FoodMatchModel *matches_ = nullptr;
};

}  // namespace velmo::ui
