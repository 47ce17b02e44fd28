// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "plan/person.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QLineEdit;
class QPlainTextEdit;

namespace velmo::ui {

// The form of one person: name, sex, date of birth, height, the activity and the desirable
// activities as the energy windows ask them, pregnancy or lactation for a woman, and the notes.
// "OK" hands the person to `accept`, which keeps the form open when it refuses it (the reason
// told by the model).
class PersonForm : public QDialog {
    Q_OBJECT
public:
    PersonForm(const Person &person, std::function<bool(const Person &)> accept, QWidget *parent = nullptr);

    // The person as the form's controls hold it now; the weights are those it was opened with.
    Person person() const;
    QLineEdit *nameBox() const { return name_; }

    void accept() override;

private:
    void sexChosen();

    Person original_;
    std::function<bool(const Person &)> accept_;
    QLineEdit *name_ = nullptr;
    QComboBox *sex_ = nullptr;
    QDateEdit *birth_ = nullptr;
    QDoubleSpinBox *height_ = nullptr;
    QComboBox *activity_ = nullptr;
    QComboBox *recommended_ = nullptr;
    QComboBox *condition_ = nullptr;
    QPlainTextEdit *notes_ = nullptr;
};

}  // namespace velmo::ui
