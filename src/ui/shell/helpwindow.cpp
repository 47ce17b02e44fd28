// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/helpwindow.h"

#include "common/translation.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velmo::ui {

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Guida di Velmo"));
    browser_->setAccessibleName(tr("Pagina della guida"));
    auto *back = new QPushButton(tr("&Indietro"), this);
    auto *contents = new QPushButton(tr("&Sommario"), this);
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

QUrl HelpWindow::page(const QString &name)
{
    // The pages a new user needs first are in English too; the others only in Italian, and the
    // English contents links them where they are.
    const bool english = currentLanguage() == Language::English;
    return QUrl(QStringLiteral("qrc:/help/%1%2").arg(english ? QStringLiteral("en/") : QString(), name));
}

void HelpWindow::showContents()
{
    browser_->setSource(page(QStringLiteral("index.html")));
    show();
    raise();
    activateWindow();
}

}  // namespace velmo::ui
