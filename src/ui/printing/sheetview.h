// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QImage>
#include <QWidget>

namespace velmo::ui {

// A sheet of paper as the print window shows it: its outline and the picture drawn on it.
class SheetView : public QWidget {
    Q_OBJECT
public:
    explicit SheetView(QWidget *parent = nullptr);
    void setPicture(const QImage &picture);
    const QImage &picture() const { return picture_; }
    QSize sizeHint() const override { return picture_.isNull() ? QSize(1, 1) : picture_.size(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QImage picture_;
};

}  // namespace velmo::ui
