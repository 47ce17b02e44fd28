// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/plan/decimalspinbox.h"

namespace velmo::ui {

QValidator::State DecimalSpinBox::validate(QString &text, int &pos) const
{
    const QString point = locale().decimalPoint();
    if (point.size() == 1)
        text.replace(point == u"," ? u'.' : u',', point.front());
    return QDoubleSpinBox::validate(text, pos);
}

QWidget *DecimalDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    if (index.data(Qt::EditRole).userType() != QMetaType::Double)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *box = new DecimalSpinBox(parent);
    box->setFrame(false);
    box->setDecimals(1);
    box->setRange(0, maximum_);
    return box;
}

}  // namespace velmo::ui
