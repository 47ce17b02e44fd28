// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodformmodel.h"

#include <QDialog>

#include <array>

class QLineEdit;

namespace velmo::ui {

// The food window: a name and seven numbers over a FoodFormModel, which checks and saves them.
// It closes only once the model has saved the food, or when the user cancels.
class FoodWindow : public QDialog {
    Q_OBJECT
public:
    explicit FoodWindow(FoodFormModel &model, QWidget *parent = nullptr);

    QLineEdit *field(int index) const { return fields_[static_cast<std::size_t>(index)]; }

    void accept() override;

private:
    FoodFormModel &model_;
    std::array<QLineEdit *, FoodFormModel::kFieldCount> fields_{};
};

}  // namespace velmo::ui
