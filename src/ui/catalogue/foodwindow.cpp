// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/catalogue/foodwindow.h"

#include "catalogue/personalfood.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmo::ui {

FoodWindow::FoodWindow(FoodFormModel &model, QWidget *parent) : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("frmAlimento"));
    setWindowTitle(model_.title());
    auto *form = new QFormLayout;
    auto *note = new QLabel(tr("Valori per 100 g di parte edibile; un valore lasciato vuoto resta sconosciuto."), this);
    note->setWordWrap(true);
    for (int i = 0; i < FoodFormModel::kFieldCount; ++i) {
        auto *edit = new QLineEdit(model_.text(i), this);
        edit->setObjectName(QStringLiteral("txtAlimento%1").arg(i));
        const QString caption = FoodFormModel::caption(i);
        edit->setAccessibleName(QString(caption).remove(u'&'));
        if (i == 0)
            edit->setMaxLength(kMaxFoodNameLength);
        else
            edit->setAccessibleDescription(i == 1 ? tr("Obbligatorio, nel formato dei numeri della lingua dell'utente")
                                                  : tr("Facoltativo, nel formato dei numeri della lingua dell'utente"));
        connect(edit, &QLineEdit::textChanged, this, [this, i](const QString &text) { model_.setText(i, text); });
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit);
        form->addRow(label, edit);
        fields_[static_cast<std::size_t>(i)] = edit;
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Salva"));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(tr("Salva l'alimento"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Annulla senza salvare"));
    connect(buttons, &QDialogButtonBox::accepted, this, &FoodWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FoodWindow::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(buttons);
    fields_[0]->setFocus();
}

void FoodWindow::accept()
{
    if (model_.accept()) {
        QDialog::accept();
        return;
    }
    QLineEdit *wrong = fields_[static_cast<std::size_t>(model_.focusField())];
    wrong->setFocus();
    wrong->selectAll();
}

}  // namespace velmo::ui
