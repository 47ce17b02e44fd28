// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace velmo::test {

// Makes `home` the user's home folder, with no folder settings of the desktop's own, for the
// lifetime of the guard; the user's real folders stay out of the test's way.
class HomeGuard {
public:
    explicit HomeGuard(const QString &home)
    {
        set("HOME", home);
        set("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    }
    ~HomeGuard()
    {
        for (const auto &[name, value] : saved_)
            value ? qputenv(name, *value) : qunsetenv(name);
    }
    HomeGuard(const HomeGuard &) = delete;
    HomeGuard &operator=(const HomeGuard &) = delete;

private:
    void set(const char *name, const QString &value)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, QFile::encodeName(value));
    }
    std::vector<std::pair<const char *, std::optional<QByteArray>>> saved_;
};

}  // namespace velmo::test
