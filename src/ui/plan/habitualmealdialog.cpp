// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/plan/habitualmealdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace velmo::ui {

HabitualMealDialog::HabitualMealDialog(const QStringList &names, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPastoAbituale"));
    setWindowTitle(tr("Inserisci pasto abituale"));
    setSizeGripEnabled(true);
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(names.isEmpty() ? tr("Nessun pasto abituale: salvarne uno con \"Salva come pasto "
                                                    "abituale...\" nel menu Persona.")
                                               : tr("&Pasti abituali:"),
                               this);
    caption->setWordWrap(true);
    layout->addWidget(caption);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("lstPastiAbituali"));
    list_->setAccessibleName(tr("Pasti abituali"));
    list_->addItems(names);
    list_->setCurrentRow(0);
    caption->setBuddy(list_);
    layout->addWidget(list_, 1);
    auto *added = new QRadioButton(tr("Come &nuovo pasto del giorno"), this);
    added->setObjectName(QStringLiteral("optNuovoPasto"));
    added->setChecked(true);
    replace_ = new QRadioButton(tr("Al posto degli &alimenti del pasto mostrato"), this);
    replace_->setObjectName(QStringLiteral("optSostituisci"));
    layout->addWidget(added);
    layout->addWidget(replace_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr("OK"));
    ok_->setEnabled(!names.isEmpty());
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    remove_ = buttons->addButton(tr("&Elimina"), QDialogButtonBox::ActionRole);
    remove_->setObjectName(QStringLiteral("cmdEliminaPastoAbituale"));
    remove_->setAccessibleName(tr("Elimina il pasto abituale scelto"));
    remove_->setAutoDefault(false);
    remove_->setEnabled(!names.isEmpty());
    connect(remove_, &QPushButton::clicked, this, [this] {
        if (!chosen().isEmpty())
            emit removeRequested(chosen());
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void HabitualMealDialog::removeChosen()
{
    delete list_->takeItem(list_->currentRow());
    ok_->setEnabled(list_->count() > 0);
    remove_->setEnabled(list_->count() > 0);
}

QString HabitualMealDialog::chosen() const
{
    return list_->currentItem() ? list_->currentItem()->text() : QString();
}

bool HabitualMealDialog::replace() const
{
    return replace_->isChecked();
}

}  // namespace velmo::ui
