// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/mainstatusbar.h"

#include "shell/mainwindowmodel.h"

#include <QLabel>

namespace velmo::ui {

MainStatusBar::MainStatusBar(MainWindowModel &model, const QRect &geometry, QWidget *parent)
    : QStatusBar(parent), model_(model)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    setGeometry(geometry);
    // The room the date and the time first have; once their texts are there, they keep no more
    // than those need (below), and the comparison, with whose requirement it is, takes the rest.
    const int widths[3] = {180, 120, 0};
    for (int i = 0; i < 3; ++i) {
        auto *panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("StatusBar1_panel%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (widths[i] > 0)
            panel->setMinimumWidth(widths[i]);
        addWidget(panel, widths[i] > 0 ? 0 : 1);
        panels_[static_cast<std::size_t>(i)] = panel;
    }
    panels_[0]->setMinimumWidth(panels_[0]->fontMetrics().horizontalAdvance(QStringLiteral("30 settembre 2026 ")));
    panels_[1]->setMinimumWidth(panels_[1]->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00 ")));
    QLabel *comparison = panels_[2];
    comparison->setAccessibleName(tr("Pasto e fabbisogno"));
    QFont small = comparison->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    comparison->setFont(small);

    connect(&model_, &MainWindowModel::statusChanged, this, [this] {
        panels_[0]->setText(model_.statusDate());
        panels_[1]->setText(model_.statusTime());
    });
    connect(&model_, &MainWindowModel::comparisonChanged, this, &MainStatusBar::showComparison);
    showComparison();
}

void MainStatusBar::showComparison()
{
    panels_[2]->setText(model_.comparisonText());
    panels_[2]->setToolTip(model_.comparisonText());
}

}  // namespace velmo::ui
