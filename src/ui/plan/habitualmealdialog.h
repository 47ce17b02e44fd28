// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QRadioButton;

namespace velmo::ui {

// "Inserisci pasto abituale...": which habitual meal, and whether it comes as a new meal of the
// day or in place of the shown meal's foods.
class HabitualMealDialog : public QDialog {
    Q_OBJECT
public:
    explicit HabitualMealDialog(const QStringList &names, QWidget *parent = nullptr);

    QString chosen() const;
    bool replace() const;

    QListWidget *list() const { return list_; }

private:
    QListWidget *list_ = nullptr;
    QRadioButton *replace_ = nullptr;
};

}  // namespace velmo::ui
