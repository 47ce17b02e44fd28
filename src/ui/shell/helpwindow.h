// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace velmo::ui {

// The program's help pages, opened at their contents, in the interface's language.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void showContents();
    // A page of the help in the interface's language: English when there is one, otherwise Italian.
    static QUrl page(const QString &name);
    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

}  // namespace velmo::ui
