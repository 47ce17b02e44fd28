// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QSize>
#include <QString>

namespace velmo::ui {

// A picture of the program's resources, drawn from its SVG at the size it is shown.
QPixmap svgPixmap(const QString &resource, QSize size);
QIcon svgIcon(const QString &resource, QSize size);

// A push button whose icon is an SVG picture of the resources, drawn at the button's icon size
// (set the icon size first). For forms: the picture is a property.
class SvgPushButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
public:
    using QPushButton::QPushButton;

    QString picture() const { return picture_; }
    void setPicture(const QString &resource);

private:
    QString picture_;
};

}  // namespace velmo::ui
