// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/updown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace velmo::ui {

UpDown::UpDown(QWidget *parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton *button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(18, 12);
        layout->addWidget(button);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    up_->setAccessibleName(tr("Aumenta"));
    down_->setAccessibleName(tr("Diminuisci"));
    connect(up_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
}

}  // namespace velmo::ui
