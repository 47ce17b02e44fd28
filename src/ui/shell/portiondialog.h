// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QDialog>

class QComboBox;

namespace velmo {
class PortionChoiceModel;
}

namespace velmo::ui {

// "Porzione": what the open row's food is measured in and how many, for its model to work the
// gross weight out. A refused count keeps the window open on the count.
class PortionDialog : public QDialog {
    Q_OBJECT
public:
    PortionDialog(PortionChoiceModel &model, QWidget *parent = nullptr);

    QComboBox *units() const { return units_; }
    QComboBox *count() const { return count_; }

    void accept() override;

private:
    PortionChoiceModel &model_;
    QComboBox *units_ = nullptr;
    QComboBox *count_ = nullptr;
};

}  // namespace velmo::ui
