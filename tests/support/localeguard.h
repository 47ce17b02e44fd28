// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "support/qtprinters.h"

#include <QLocale>

namespace velmo::test {

// Makes `name` the user's locale for the lifetime of the guard.
class LocaleGuard {
public:
    explicit LocaleGuard(const char *name) : saved_(QLocale())
    {
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
    }
    ~LocaleGuard() { QLocale::setDefault(saved_); }
    LocaleGuard(const LocaleGuard &) = delete;
    LocaleGuard &operator=(const LocaleGuard &) = delete;

private:
    QLocale saved_;
};

inline QLocale italian()
{
    return QLocale(QLocale::Italian, QLocale::Italy);
}
inline QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

}  // namespace velmo::test
