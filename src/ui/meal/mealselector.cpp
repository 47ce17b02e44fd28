// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/meal/mealselector.h"

#include "shell/dayplan.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>

namespace velmo::ui {

MealSelector::MealSelector(DayPlan &day, QWidget *parent) : QWidget(parent), day_(day)
{
    setObjectName(QStringLiteral("selettorePasti"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    meals_ = new QComboBox(this);
    meals_->setObjectName(QStringLiteral("cboPasti"));
    meals_->setAccessibleName(tr("Pasto mostrato nella tabella"));
    meals_->setToolTip(tr("Il pasto del giorno che la tabella mostra (Ctrl+Pag↓ e Ctrl+Pag↑ per cambiarlo)"));
    meals_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    layout->addWidget(meals_, 1);
    commands_ = new QToolButton(this);
    commands_->setObjectName(QStringLiteral("cmdPasti"));
    commands_->setText(tr("Pasti"));
    commands_->setAccessibleName(tr("Comandi dei pasti del giorno"));
    commands_->setToolTip(tr("Rinomina, aggiungi o rimuovi un pasto del giorno"));
    commands_->setPopupMode(QToolButton::InstantPopup);
    commands_->setMenu(new QMenu(commands_));
    layout->addWidget(commands_);
    // The choice is the day's: the selector shows what the day then holds, also when it refused.
    connect(meals_, &QComboBox::activated, this, [this](int index) {
        day_.switchTo(index);
        render();
    });
    connect(&day_, &DayPlan::changed, this, &MealSelector::render);
    render();
}

void MealSelector::setCommands(const QList<QAction *> &commands)
{
    commands_->menu()->clear();
    commands_->menu()->addActions(commands);
}

void MealSelector::render()
{
    const QSignalBlocker quiet(meals_);
    const QStringList names = day_.mealNames();
    for (int i = 0; i < names.size(); ++i)
        if (i < meals_->count())
            meals_->setItemText(i, names[i]);
        else
            meals_->addItem(names[i]);
    while (meals_->count() > names.size())
        meals_->removeItem(meals_->count() - 1);
    meals_->setCurrentIndex(day_.current());
}

}  // namespace velmo::ui
