// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "energy/energymodel.h"

#include <QDialog>

class QToolButton;

namespace velmo::ui {

// The choice dialog: a man or a woman, by two picture buttons.
class ChoiceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChoiceDialog(QWidget *parent = nullptr);

signals:
    void chosen(velmo::Sex sex);
};

}  // namespace velmo::ui
