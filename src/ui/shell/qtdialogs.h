// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace velmo::ui {

// Modal message boxes, input boxes and file dialogs on QtWidgets, over the active window.
class QtDialogs : public Dialogs {
    Q_DECLARE_TR_FUNCTIONS(velmo::ui::QtDialogs)

public:
    void message(const QString &text, const QString &title, MessageIcon icon) override;
    QString input(const QString &prompt, const QString &title, const QString &prefilled) override;
    Answer askYesNoCancel(const QString &text, const QString &title) override;
    int choose(const QString &text, const QString &title, const QStringList &choices) override;
    QString saveFileName(const QString &title, const QString &proposedPath, const QString &filter) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;

private:
    static QWidget *owner();
};

}  // namespace velmo::ui
