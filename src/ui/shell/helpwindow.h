// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QUrl>
#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace velmo::ui {

// The program's help pages, in the interface's language, with a search across them; Esc closes
// the window. F1 opens the page about the window where it is pressed (pageFor).
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
    ~HelpWindow() override;

    void showContents();
    // Shows the page `name` ("pasto.html", "alimenti.html#cerca") and brings the window to the
    // front; over a modal window it is modal too, since it could not be read otherwise.
    void showPage(const QString &name);
    // A page of the help in the interface's language: English when there is one, otherwise Italian.
    static QUrl page(const QString &name);
    // The page about the window `widget` is in: that of the first window, from the widget's own
    // outwards, that has one; the contents for any other.
    static QString pageFor(const QWidget *widget);

    QTextBrowser *browser() const { return browser_; }
    QLineEdit *searchBox() const { return searchBox_; }
    // The pages that hold every word searched for, those that hold them most often first; Enter
    // in the search box, or a click, opens the chosen one at the first word found.
    QListWidget *results() const { return results_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Page;
    const std::vector<Page> &pages();
    void search();
    void openResult();
    // Marks the words searched for in the page shown; `goToFirst` selects the first of them.
    void highlight(bool goToFirst);

    QTextBrowser *browser_;
    QLineEdit *searchBox_;
    QListWidget *results_;
    QLabel *nothingFound_;
    std::vector<Page> pages_;  // read at the first search
};

}  // namespace velmo::ui
