// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QBoxLayout>
#include <QKeySequence>
#include <QList>
#include <QPushButton>
#include <QString>

namespace velmo::ui {

// A push button of the persons' windows, added to `layout`: named, with its accessible name, and
// never the default button (Enter belongs to the list or the form).
inline QPushButton *addPlanButton(QWidget *parent, QBoxLayout *layout, const QString &caption,
                                  const QString &accessible, const char *objectName)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(accessible);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

// The keys of "Ripeti", in the main menu and in the Persons window alike: Ctrl+Maiusc+Z first,
// whatever else the desktop binds to redo.
inline QList<QKeySequence> redoKeys()
{
    QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::Redo))
        if (!keys.contains(key))
            keys << key;
    return keys;
}

}  // namespace velmo::ui
