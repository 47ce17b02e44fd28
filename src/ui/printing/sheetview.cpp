// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/sheetview.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmo::ui {

SheetView::SheetView(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SheetView::setPicture(const QImage &picture)
{
    picture_ = picture;
    update();
}

void SheetView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull())
        painter.drawImage(QPoint(0, 0), picture_);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SheetView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QWidget::mousePressEvent(event);
}

}  // namespace velmo::ui
