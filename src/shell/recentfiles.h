// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/settings.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace velmo {

// The meal files opened or saved last, most recent first, for "File recenti": at most eight, each
// file once (by its absolute path). A file that has gone since stays in the list, shown as
// missing, until the user removes it. The list lives in memory until it is given the settings
// file that keeps it from one run to the next, so tests and tools leave the user's alone.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int kLimit = 8;

    explicit RecentFiles(QObject *parent = nullptr);

    // Reads the list kept in the settings file `path` (what is not a list of up to eight
    // different files is made one) and writes every later change there, in a file and a folder
    // open to the user alone. An empty path keeps nothing.
    void keepIn(const QString &path);

    const QStringList &paths() const { return paths_; }
    // Nothing is there any more that a meal could be opened from.
    static bool isMissing(const QString &path);

    // `path` goes first; an earlier entry for the same file goes, and so does a ninth.
    void add(const QString &path);
    void removeMissing();
    void clear();

signals:
    void changed();

private:
    void reread();
    void setPaths(const QStringList &paths);
    void write();

    Settings settings_;
    QStringList paths_;
};

}  // namespace velmo
