// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/shell/portiondialog.h"

#include "shell/portionchoicemodel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velmo::ui {

PortionDialog::PortionDialog(PortionChoiceModel &model, QWidget *parent) : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("frmPorzione"));
    setWindowTitle(tr("Porzione"));
    auto *form = new QFormLayout(this);
    auto *food = new QLabel(model_.foodName(), this);
    food->setWordWrap(true);
    form->addRow(tr("Alimento:"), food);

    units_ = new QComboBox(this);
    units_->setObjectName(QStringLiteral("cboMisura"));
    units_->addItems(model_.unitCaptions());
    units_->setAccessibleName(tr("Misura"));
    auto *unitsLabel = new QLabel(tr("&Misura:"), this);
    unitsLabel->setBuddy(units_);
    form->addRow(unitsLabel, units_);

    count_ = new QComboBox(this);
    count_->setObjectName(QStringLiteral("cboQuantita"));
    count_->setEditable(true);
    count_->addItems(PortionChoiceModel::countChoices());
    count_->setCurrentIndex(1);  // one
    // No completion: the first Enter would only accept the completed "1" and leave the window open.
    count_->setCompleter(nullptr);
    count_->setAccessibleName(tr("Quantità"));
    count_->setAccessibleDescription(tr("Quante misure: ½, 1, 2, 3 o un numero scritto"));
    count_->lineEdit()->setAccessibleName(tr("Quantità"));
    auto *countLabel = new QLabel(tr("&Quantità:"), this);
    countLabel->setBuddy(count_);
    form->addRow(countLabel, count_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PortionDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PortionDialog::reject);
    count_->setFocus();
}

void PortionDialog::accept()
{
    if (!model_.apply(units_->currentIndex(), count_->currentText())) {
        count_->setFocus();
        count_->lineEdit()->selectAll();
        return;
    }
    QDialog::accept();
}

}  // namespace velmo::ui
