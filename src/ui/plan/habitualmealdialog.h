// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;
class QRadioButton;

namespace velmo::ui {

// "Inserisci pasto abituale...": which habitual meal, and whether it comes as a new meal of the
// day or in place of the shown meal's foods; "Elimina" asks for the chosen one to be removed.
class HabitualMealDialog : public QDialog {
    Q_OBJECT
public:
    explicit HabitualMealDialog(const QStringList &names, QWidget *parent = nullptr);

    QString chosen() const;
    bool replace() const;

    QListWidget *list() const { return list_; }
    QPushButton *removeButton() const { return remove_; }
    // Takes the chosen meal off the list, once removed.
    void removeChosen();

signals:
    void removeRequested(const QString &name);

private:
    QListWidget *list_ = nullptr;
    QRadioButton *replace_ = nullptr;
    QPushButton *remove_ = nullptr;
    QPushButton *ok_ = nullptr;
};

}  // namespace velmo::ui
