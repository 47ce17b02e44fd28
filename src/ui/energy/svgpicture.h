#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace velmo::ui {

// A picture of the program's resources, drawn from its SVG at the size it is shown.
QPixmap svgPixmap(const QString &resource, QSize size);
QIcon svgIcon(const QString &resource, QSize size);

}  // namespace velmo::ui
