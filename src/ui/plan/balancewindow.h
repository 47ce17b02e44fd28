// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace velmo {
class BalanceModel;
class BalanceRowsModel;
class BalanceTargetsModel;
}  // namespace velmo

namespace velmo::ui {

// "Bilancia quantità...": the foods with their freedom and the proposed weights, the targets, the
// preview of the proposal; "Applica" writes it into the table, "Annulla" leaves everything as it
// was. It shows a `BalanceModel` that has begun, and decides nothing.
class BalanceWindow : public QDialog {
    Q_OBJECT
public:
    explicit BalanceWindow(BalanceModel &model, QWidget *parent = nullptr);

    QTableView *rows() const { return rows_; }
    QTableView *targets() const { return targets_; }
    QPlainTextEdit *preview() const { return preview_; }
    QPushButton *applyButton() const { return apply_; }
    QPushButton *cancelButton() const { return cancel_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildTargets();
    void render();
    void calculationStarted();
    void scopeChosen(int index);
    void applyClicked();

    BalanceModel &model_;
    BalanceRowsModel *rowsModel_ = nullptr;
    BalanceTargetsModel *targetsModel_ = nullptr;
    QComboBox *scope_ = nullptr;
    QLabel *source_ = nullptr;
    QTableView *rows_ = nullptr;
    QTableView *targets_ = nullptr;
    QComboBox *nutrients_ = nullptr;
    QPushButton *addNutrient_ = nullptr;
    QPlainTextEdit *preview_ = nullptr;
    QPushButton *apply_ = nullptr;
    QPushButton *cancel_ = nullptr;
    // Says that a proposal is being calculated, once that has taken long enough to be seen.
    QTimer *busy_ = nullptr;
};

}  // namespace velmo::ui
