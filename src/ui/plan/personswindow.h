// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "shell/personswindowmodel.h"

#include <QDate>
#include <QDialog>

class QChartView;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QListView;
class QPushButton;
class QTableView;
class QUndoStack;

namespace velmo {
class PersonSession;
}

namespace velmo::ui {

// "Persone": the persons, the one selected with its age at a chosen date, body mass index and
// requirement, and its weights with a small chart. It renders PersonsWindowModel and forwards the
// user's commands to it; the forms of a person are PersonForm.
class PersonsWindow : public QDialog {
    Q_OBJECT
public:
    PersonsWindow(PersonSession &session, QUndoStack &stack, QWidget *parent = nullptr);

    PersonsWindowModel &model() { return model_; }
    QListView *list() const { return list_; }
    QTableView *weightTable() const { return weightTable_; }
    QLabel *summary() const { return summary_; }
    QChartView *chart() const { return chart_; }
    QPushButton *button(const QString &objectName) const;

private:
    QWidget *buildPersonPanel();
    QWidget *buildWeightPanel();
    void showSelection();
    void showChart();
    void newPerson();
    void editPerson();
    void addWeight();
    void removeWeight();
    // A command whose button went grey under the focus (the person deleted, made current) leaves
    // the focus in the list of persons, not on the next button.
    void focusListUnlessOn(const QPushButton *clicked);
    void showWeightChoice();
    void keepPlacesAcrossResets();

    // Where a view stood before its model was reset under it (a change saved, another Velmo's
    // change read), so that the focus and a current row stay.
    struct Place {
        bool focused = false;
        int row = -1;
        QDate date;  // the weight's, in the table of weights
    };

    PersonsWindowModel model_;
    Place listPlace_;
    Place weightPlace_;
    QListView *list_ = nullptr;
    QDateEdit *date_ = nullptr;
    QLabel *summary_ = nullptr;
    QTableView *weightTable_ = nullptr;
    QDateEdit *weightDate_ = nullptr;
    QDoubleSpinBox *kilograms_ = nullptr;
    QDoubleSpinBox *waist_ = nullptr;
    QChartView *chart_ = nullptr;
};

}  // namespace velmo::ui
