#include "ui/shell/helpwindow.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmo::ui {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Guida di Velmo"));
    browser_->setAccessibleName(QStringLiteral("Pagina della guida"));
    auto *back = new QPushButton(QStringLiteral("&Indietro"), this);
    auto *contents = new QPushButton(QStringLiteral("&Sommario"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    back->setEnabled(false);
    resize(560, 480);
}

void HelpWindow::showContents()
{
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
    show();
    raise();
    activateWindow();
}

}  // namespace velmo::ui
