#pragma once

#include <QWidget>

class QTextBrowser;

namespace velmo::ui {

// The program's help pages, opened at their contents.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void showContents();
    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

}  // namespace velmo::ui
