// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors
#pragma once

#include <QDoubleSpinBox>
#include <QStyledItemDelegate>

namespace velmo::ui {

// A number box that takes both the comma and the point as the decimal separator: "72.5" typed under
// an Italian locale is 72,5, not 725 with the point silently dropped.
class DecimalSpinBox : public QDoubleSpinBox {
    Q_OBJECT
public:
    using QDoubleSpinBox::QDoubleSpinBox;
    QValidator::State validate(QString &text, int &pos) const override;
};

// Edits a table's numbers in a DecimalSpinBox of one decimal between 0 and `maximum`.
class DecimalDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    DecimalDelegate(double maximum, QObject *parent) : QStyledItemDelegate(parent), maximum_(maximum) {}
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    double maximum_;
};

}  // namespace velmo::ui
