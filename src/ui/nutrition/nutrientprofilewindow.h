// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "shell/nutrientprofilemodel.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTableView;

namespace velmo {
class MainWindowModel;
}

namespace velmo::ui {

// "Profilo nutrizionale": the profile of the meal, of the current food (per 100 g, in the open
// row's weight or per portion), of the window's day or of the week's daily average, against the
// references of a person (the one of the last requirement computed, or one chosen here), a bar per
// nutrient, and the foods that give the nutrient chosen in the table. It follows the main window
// live.
class NutrientProfileWindow : public QDialog {
    Q_OBJECT
public:
    explicit NutrientProfileWindow(MainWindowModel &main, QWidget *parent = nullptr);

    NutrientProfileModel &model() { return *model_; }
    QTableView *table() const { return table_; }
    QListWidget *contributions() const { return contributions_; }

    // The profile of `subject`, chosen in the window's list as the user chooses it.
    void showSubject(ProfileSubject subject);
    QComboBox *subjectList() const { return subject_; }

    // "Copia": the table, tab-separated, to the clipboard.
    void copy();

private:
    void buildTable();
    void fitToTable();
    QWidget *buildPersonControls();
    QWidget *buildButtons();
    void showPerson();
    void personEdited();
    void showProfile();
    void showMeasures();
    void showContributions();

    NutrientProfileModel *model_ = nullptr;
    QComboBox *subject_ = nullptr;
    QLabel *measureLabel_ = nullptr;
    QComboBox *measure_ = nullptr;
    QComboBox *sex_ = nullptr;
    QSpinBox *age_ = nullptr;
    QCheckBox *pregnant_ = nullptr;
    QCheckBox *lactating_ = nullptr;
    QComboBox *source_ = nullptr;
    QLabel *subjectText_ = nullptr;
    QLabel *missing_ = nullptr;
    QTableView *table_ = nullptr;
    QSplitter *splitter_ = nullptr;
    bool fittedColumns_ = false;
    ProfileSubject fittedSubject_ = ProfileSubject::Meal;
    bool personShown_ = false;  // since the profile was last shown
    QLabel *contributionsTitle_ = nullptr;
    QListWidget *contributions_ = nullptr;
};

}  // namespace velmo::ui
