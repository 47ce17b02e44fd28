// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/maintoolbar.h"

#include "shell/mainwindowmodel.h"
#include "ui/shell/builtpictures.h"

#include <QAction>
#include <QIcon>
#include <QToolButton>

namespace velmo::ui {

MainToolBar::MainToolBar(MainWindowModel &model, QWidget *parent) : QToolBar(parent), model_(model)
{
    setObjectName(QStringLiteral("Toolbar2"));
    setIconSize(QSize(20, 20));
    setMovable(false);

    // Positions 1 and 6 are separators; the others carry the pictures in order, no captions.
    static const char *pictures[kPositions] = {nullptr, "first", "previous", "next", "last",
                                               nullptr, "print", "help",     "exit"};
    // Named for the tooltips and screen readers; the buttons show only their pictures.
    static const char *names[kPositions] = {nullptr,
                                            QT_TR_NOOP("Primo alimento"),
                                            QT_TR_NOOP("Alimento precedente"),
                                            QT_TR_NOOP("Alimento successivo"),
                                            QT_TR_NOOP("Ultimo alimento"),
                                            nullptr,
                                            QT_TR_NOOP("Stampa"),
                                            QT_TR_NOOP("Guida"),
                                            QT_TR_NOOP("Esci")};
    for (int position = 1; position <= kPositions; ++position) {
        QAction *button = nullptr;
        if (pictures[position - 1] == nullptr) {
            button = addSeparator();
        } else {
            button = addAction(builtIcon(QLatin1StringView(pictures[position - 1])), tr(names[position - 1]));
            connect(button, &QAction::triggered, &model_, [this, position] { model_.toolbarButtonClicked(position); });
        }
        button->setObjectName(QStringLiteral("Toolbar2_%1").arg(position));
        buttons_[static_cast<std::size_t>(position - 1)] = button;
    }
    connect(&model_, &MainWindowModel::toolbarFlatChanged, this, &MainToolBar::renderFlatStyle);
    renderFlatStyle();
}

void MainToolBar::renderFlatStyle()
{
    // Flat: the buttons show no frame until the mouse is over them.
    for (QAction *button : buttons_) {
        if (auto *tool = qobject_cast<QToolButton *>(widgetForAction(button)))
            tool->setAutoRaise(model_.toolbarFlat());
    }
}

}  // namespace velmo::ui
