// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "sampleswindow.h"

#include <QGridLayout>
#include <QLabel>

namespace velmo::test {

std::unique_ptr<QWidget> makeWindowToPrint()
{
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("frmmain"));
    window->setWindowTitle(QStringLiteral("Velmo"));
    window->setAutoFillBackground(true);
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(40, 110, 170));
    palette.setColor(QPalette::WindowText, Qt::white);
    window->setPalette(palette);
    auto *layout = new QGridLayout(window.get());
    const char *headings[] = {"Alimento", "Peso lordo", "Proteine", "Lipidi", "Glucidi", "Kcal"};
    for (int row = 0; row <= 6; ++row)
        for (int column = 0; column < 6; ++column)
            layout->addWidget(new QLabel(row == 0 ? QString::fromLatin1(headings[column])
                                                  : QStringLiteral("%1.%2").arg(row).arg(column)),
                              row, column);
    window->resize(600, 420);
    return window;
}

}  // namespace velmo::test
