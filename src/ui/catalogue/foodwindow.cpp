// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/catalogue/foodwindow.h"

#include "catalogue/personalfood.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmo::ui {

FoodWindow::FoodWindow(FoodFormModel &model, QWidget *parent) : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("frmAlimento"));
    setWindowTitle(model_.title());
    auto *form = new QFormLayout;
    auto *note = new QLabel(tr("Valori per 100 g di parte edibile; un valore lasciato vuoto resta sconosciuto."), this);
    note->setWordWrap(true);
    for (int i = 0; i < FoodFormModel::kFieldCount; ++i)
        addField(i, form, this);
    measures_ = new QLineEdit(model_.measures(), this);
    measures_->setObjectName(QStringLiteral("txtMisure"));
    measures_->setPlaceholderText(tr("fetta=30|cucchiaio=10"));
    measures_->setAccessibleName(tr("Misure"));
    measures_->setAccessibleDescription(tr("Facoltative, al massimo %1: nome=grammi di parte edibile di una misura, "
                                           "separate da |, per esempio fetta=30|cucchiaio=10")
                                            .arg(kMaxPersonalMeasures));
    connect(measures_, &QLineEdit::textChanged, this, [this](const QString &text) { model_.setMeasures(text); });
    auto *measuresLabel = new QLabel(tr("&Misure"), this);
    measuresLabel->setBuddy(measures_);
    form->addRow(measuresLabel, measures_);
    QWidget *others = otherNutrients();  // made before the buttons, so that Tab reaches it first
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
    layout->addWidget(others, 1);
    layout->addWidget(buttons);
    fields_[0]->setFocus();
}

void FoodWindow::addField(int index, QFormLayout *form, QWidget *owner)
{
    auto *edit = new QLineEdit(model_.text(index), owner);
    edit->setObjectName(QStringLiteral("txtAlimento%1").arg(index));
    const QString caption = FoodFormModel::caption(index);
    edit->setAccessibleName(QString(caption).remove(u'&'));
    if (index == 0)
        edit->setMaxLength(kMaxFoodNameLength);
    else
        edit->setAccessibleDescription(index == 1 ? tr("Obbligatorio, nel formato dei numeri della lingua dell'utente")
                                                  : tr("Facoltativo, nel formato dei numeri della lingua dell'utente"));
    connect(edit, &QLineEdit::textChanged, this, [this, index](const QString &text) { model_.setText(index, text); });
    auto *label = new QLabel(caption, owner);
    label->setBuddy(edit);
    form->addRow(label, edit);
    fields_[static_cast<std::size_t>(index)] = edit;
}

QWidget *FoodWindow::otherNutrients()
{
    auto *section = new QWidget(this);
    more_ = new QToolButton(section);
    more_->setObjectName(QStringLiteral("btnAltriNutrienti"));
    more_->setText(tr("Altri nutrienti (facoltativi)"));
    more_->setAccessibleName(tr("Mostra o nasconde gli altri nutrienti (facoltativi)"));
    more_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    more_->setCheckable(true);
    auto *scroll = new QScrollArea(section);
    scroll->setObjectName(QStringLiteral("scrAltriNutrienti"));
    scroll->setWidgetResizable(true);
    auto *inner = new QWidget(scroll);
    auto *form = new QFormLayout(inner);
    bool known = false;
    for (int i = FoodFormModel::kFieldCount; i < FoodFormModel::kAllFieldCount; ++i) {
        addField(i, form, inner);
        known = known || !model_.text(i).isEmpty();
    }
    scroll->setWidget(inner);
    // Wide enough for every box, about ten of them high; the rest scrolls.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(inner->sizeHint().width() + scroll->verticalScrollBar()->sizeHint().width() + 4);
    scroll->setMinimumHeight(fontMetrics().height() * 20);
    // As wide folded as unfolded: the boxes above stay wide enough to read.
    section->setMinimumWidth(scroll->minimumWidth());
    scroll_ = scroll;
    const auto fold = [this, scroll](bool open) {
        scroll->setVisible(open);
        more_->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    };
    connect(more_, &QToolButton::toggled, this, fold);
    more_->setChecked(known);
    fold(known);
    auto *layout = new QVBoxLayout(section);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(more_, 0, Qt::AlignLeft);
    layout->addWidget(scroll, 1);
    return section;
}

void FoodWindow::accept()
{
    if (model_.accept()) {
        QDialog::accept();
        return;
    }
    const int focus = model_.focusField();
    if (focus >= FoodFormModel::kFieldCount && focus < FoodFormModel::kAllFieldCount)
        more_->setChecked(true);
    QLineEdit *wrong = focus == FoodFormModel::kMeasuresField ? measures_ : fields_[static_cast<std::size_t>(focus)];
    if (scroll_->isAncestorOf(wrong)) {
        scroll_->widget()->adjustSize();  // laid out now that it shows
        scroll_->ensureWidgetVisible(wrong);
    }
    wrong->setFocus();
    wrong->selectAll();
}

void FoodWindow::reject()
{
    switch (model_.leave()) {
    case FoodFormModel::Leaving::Close: QDialog::reject(); break;
    case FoodFormModel::Leaving::Save: accept(); break;
    case FoodFormModel::Leaving::Stay: break;
    }
}

}  // namespace velmo::ui
