// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodformmodel.h"

#include <QDialog>

#include <array>

class QFormLayout;
class QLineEdit;
class QScrollArea;
class QToolButton;

namespace velmo::ui {

// The food window: a name, seven numbers and the other nutrients over a FoodFormModel, which
// checks and saves them. It closes only once the model has saved the food, or when the user
// cancels.
class FoodWindow : public QDialog {
    Q_OBJECT
public:
    explicit FoodWindow(FoodFormModel &model, QWidget *parent = nullptr);

    QLineEdit *field(int index) const { return fields_[static_cast<std::size_t>(index)]; }
    QLineEdit *measures() const { return measures_; }

    void accept() override;
    void reject() override;

private:
    FoodFormModel &model_;
    // The field of `index`, its label and its edit, added to `form`.
    void addField(int index, QFormLayout *form, QWidget *owner);
    // The other nutrients, folded under a button unless the food has some of them.
    QWidget *otherNutrients();

    std::array<QLineEdit *, FoodFormModel::kAllFieldCount> fields_{};
    QToolButton *more_ = nullptr;
    QScrollArea *scroll_ = nullptr;
    QLineEdit *measures_ = nullptr;
};

}  // namespace velmo::ui
