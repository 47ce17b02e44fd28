// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/settings.h"

#include <QDialog>

class QLineEdit;

namespace velmo::ui {

// "Intestazione dello studio": the practice's name, title, address, telephone, e-mail and logo,
// printed at the top of every plan; kept in the user's settings when accepted.
class PracticeHeadingDialog : public QDialog {
    Q_OBJECT
public:
    PracticeHeadingDialog(Settings *settings, QWidget *parent);

    PracticeHeading heading() const;

private:
    void chooseLogo();
    void save();

    Settings *settings_;
    QLineEdit *name_, *title_, *address_, *telephone_, *email_, *logo_;
};

}  // namespace velmo::ui
