// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/plan/daytargetdialog.h"

#include "common/numbertext.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace velmo::ui {

DayTargetDialog::DayTargetDialog(const QString &title, const QStringList &persons, const QString &person, QDate date,
                                 MealsOf mealsOf, QWidget *parent)
    : QDialog(parent), mealsOf_(std::move(mealsOf))
{
    setObjectName(QStringLiteral("frmGiornoPersona"));
    setWindowTitle(title);
    setSizeGripEnabled(true);
    auto *form = new QFormLayout(this);
    persons_ = new QComboBox(this);
    persons_->setObjectName(QStringLiteral("cboPersona"));
    persons_->addItems(persons);
    persons_->setCurrentIndex(std::max(0, static_cast<int>(persons.indexOf(person))));
    persons_->setAccessibleName(tr("Persona"));
    form->addRow(tr("&Persona:"), persons_);
    date_ = new QDateEdit(date, this);
    date_->setObjectName(QStringLiteral("dtpData"));
    date_->setDisplayFormat(dateFormat(QLocale()));
    date_->setCalendarPopup(true);
    date_->setAccessibleName(tr("Data"));
    form->addRow(tr("&Data:"), date_);
    if (mealsOf_) {
        meals_ = new QComboBox(this);
        meals_->setObjectName(QStringLiteral("cboPastoDestinazione"));
        meals_->setAccessibleName(tr("Pasto del giorno da sostituire, o nuovo pasto"));
        form->addRow(tr("&Al posto di:"), meals_);
        connect(persons_, &QComboBox::currentIndexChanged, this, &DayTargetDialog::fillMeals);
        connect(date_, &QDateEdit::dateChanged, this, &DayTargetDialog::fillMeals);
        fillMeals();
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!persons.isEmpty());
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

// The target day's meals as they are now, then the choice of none of them.
void DayTargetDialog::fillMeals()
{
    meals_->clear();
    if (persons_->currentIndex() >= 0)
        meals_->addItems(mealsOf_(persons_->currentText(), date_->date()));
    meals_->addItem(tr("(aggiungi come nuovo pasto)"));
    meals_->setCurrentIndex(meals_->count() - 1);
}

QString DayTargetDialog::person() const
{
    return persons_->currentText();
}

QDate DayTargetDialog::date() const
{
    return date_->date();
}

int DayTargetDialog::meal() const
{
    return !meals_ || meals_->currentIndex() == meals_->count() - 1 ? -1 : meals_->currentIndex();
}

}  // namespace velmo::ui
