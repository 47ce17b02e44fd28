// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "launcherwindow.h"

#include "svgpicture.h"

#include <QEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QShowEvent>
#include <QVBoxLayout>

namespace velmo::ui {

namespace {

QLabel *makeLabel(const QString &name, const QString &caption, QWidget *parent, int pointSize = 0, bool bold = false)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    if (pointSize > 0 || bold) {
        QFont font = label->font();
        if (pointSize > 0)
            font.setPointSize(pointSize);
        font.setBold(bold);
        label->setFont(font);
    }
    return label;
}

}  // namespace

LauncherWindow::LauncherWindow(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QString());
    setAutoFillBackground(true);

    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(svgPixmap(QStringLiteral(":/energy/logo.svg"), QSize(160, 160)));

    auto *productName = makeLabel(QStringLiteral("lblProductName"), QStringLiteral("Orvane"), this, 28, true);

    buildCommandFrame();

    version_ = makeLabel(QStringLiteral("lblVersion"), QString(), this);
    auto *warning = makeLabel(
        QStringLiteral("lblWarning"),
        tr("Avviso: Prego leggere le avvertenze disponibili nel CDROM e nella cartella nel file Leggimi.txt"), this);
    warning->setWordWrap(true);

    exitCommand_ = makeLabel(QStringLiteral("Label5"), tr("EXIT"), this, 12, true);
    exitCommand_->setAlignment(Qt::AlignCenter);
    exitCommand_->setStyleSheet(QStringLiteral("background-color: rgb(255, 0, 0); color: white; padding: 6px 18px;"));
    exitCommand_->setCursor(Qt::PointingHandCursor);
    exitCommand_->installEventFilter(this);
    // The three commands are reached with Tab and run with Enter or Space, as buttons are.
    const std::pair<QLabel *, QString> keyboard[] = {{calculatorCommand_, tr("Apri il calcolatore Velmo")},
                                                     {requirementCommand_, tr("Fabbisogno energetico")},
                                                     {exitCommand_, tr("Esci dal programma")}};
    for (const auto &[label, name] : keyboard) {
        label->setFocusPolicy(Qt::StrongFocus);
        label->setAccessibleName(name);
    }

    auto *top = new QHBoxLayout;
    top->addWidget(logo);
    auto *right = new QVBoxLayout;
    right->addWidget(productName);
    right->addWidget(commandFrame_);
    top->addLayout(right, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(version_);
    bottom->addStretch(1);
    bottom->addWidget(exitCommand_);

    // A window without title bar: a plain border tells where it ends.
    auto *border = new QFrame(this);
    border->setFrameShape(QFrame::Box);
    border->setLineWidth(2);
    auto *inner = new QVBoxLayout(border);
    inner->setContentsMargins(20, 20, 20, 20);
    inner->addLayout(top);
    inner->addWidget(warning);
    inner->addLayout(bottom);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(border);

    connect(&model_, &LauncherModel::coloursChanged, this, &LauncherWindow::renderColours);
    renderColours();
}

void LauncherWindow::buildCommandFrame()
{
    commandFrame_ = new QFrame(this);
    commandFrame_->setObjectName(QStringLiteral("Frame1"));
    commandFrame_->setFrameShape(QFrame::StyledPanel);
    commandFrame_->setMouseTracking(true);
    commandFrame_->installEventFilter(this);
    auto *calculatorHeading = makeLabel(QStringLiteral("Label3"), tr("Programma"), commandFrame_);
    calculatorCommand_ = makeLabel(QStringLiteral("Label1"), QStringLiteral("Velmo"), commandFrame_, 18, true);
    auto *requirementHeading = makeLabel(QStringLiteral("Label4"), tr("Programma"), commandFrame_);
    requirementCommand_ = makeLabel(QStringLiteral("Label2"), tr("Fabbisogno Energetico"), commandFrame_, 18, true);
    for (QLabel *command : {calculatorCommand_, requirementCommand_}) {
        command->setMouseTracking(true);
        command->setCursor(Qt::PointingHandCursor);
        command->installEventFilter(this);
    }
    auto *frameLayout = new QVBoxLayout(commandFrame_);
    frameLayout->setContentsMargins(24, 16, 24, 16);
    frameLayout->addWidget(calculatorHeading);
    frameLayout->addWidget(calculatorCommand_);
    frameLayout->addSpacing(16);
    frameLayout->addWidget(requirementHeading);
    frameLayout->addWidget(requirementCommand_);
}

void LauncherWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    // Every showing loads the launcher anew.
    version_->setText(LauncherModel::versionLine());
    model_.reset();
}

bool LauncherWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        // A label's move is its own: passed on, it would reach the frame and turn it black again.
        if (watched == calculatorCommand_) {
            model_.mouseOverCalculator();
            return true;
        }
        if (watched == requirementCommand_) {
            model_.mouseOverRequirement();
            return true;
        }
        if (watched == commandFrame_)
            model_.mouseOverFrame();
    } else if ((event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)
               && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const LauncherCommand label = commandOf(watched);
        if (label == LauncherCommand::None)
            return QWidget::eventFilter(watched, event);
        if (event->type() == QEvent::MouseButtonPress) {
            model_.pressed(label);
        } else {
            // The release comes to the pressed label wherever the pointer is now: ask what lies under it.
            const QPoint local = static_cast<QMouseEvent *>(event)->position().toPoint();
            const QPoint at = static_cast<QWidget *>(watched)->mapTo(this, local);
            choose(model_.released(commandAt(at)));
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const LauncherCommand label = commandOf(watched);
        if (label != LauncherCommand::None && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
            model_.pressed(label);
            choose(model_.released(label));
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        // The command with the focus turns red, as under the pointer.
        if (watched == calculatorCommand_)
            model_.mouseOverCalculator();
        else if (watched == requirementCommand_)
            model_.mouseOverRequirement();
        else if (watched == exitCommand_)
            model_.mouseOverFrame();
    }
    return QWidget::eventFilter(watched, event);
}

void LauncherWindow::choose(LauncherCommand command)
{
    switch (command) {
    case LauncherCommand::Calculator: emit calculatorChosen(); break;
    case LauncherCommand::Requirement: emit requirementChosen(); break;
    case LauncherCommand::Exit: emit exitChosen(); break;
    case LauncherCommand::None: break;
    }
}

std::array<std::pair<QLabel *, LauncherCommand>, 3> LauncherWindow::commands() const
{
    return {{{calculatorCommand_, LauncherCommand::Calculator},
             {requirementCommand_, LauncherCommand::Requirement},
             {exitCommand_, LauncherCommand::Exit}}};
}

LauncherCommand LauncherWindow::commandOf(const QObject *object) const
{
    for (const auto &[label, command] : commands())
        if (label == object)
            return command;
    return LauncherCommand::None;
}

LauncherCommand LauncherWindow::commandAt(const QPoint &inWindow) const
{
    for (const auto &[label, command] : commands())
        if (label->rect().contains(label->mapFrom(this, inWindow)))
            return command;
    return LauncherCommand::None;
}

void LauncherWindow::renderColours()
{
    const auto paint = [](QLabel *label, bool red) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, red ? QColor(255, 0, 0) : QColor(0, 0, 0));
        label->setPalette(palette);
    };
    paint(calculatorCommand_, model_.calculatorRed());
    paint(requirementCommand_, model_.requirementRed());
}

}  // namespace velmo::ui
