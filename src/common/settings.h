// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

namespace velmo {

// The windows that remember their size and place between runs: those added beside the program's
// fixed windows, which keep their own placement. A window added later takes a name here and a
// key in `kWindowKeys` (settings.cpp), and calls `rememberPlacement` (src/ui/shell).
enum class RememberedWindow { FoodSearch, Food, Help, Ranking, NutrientProfile, Persons, Week };

// The practice that hands out the printed plans: printed at the top of every report, the fields
// left empty left out.
struct PracticeHeading {
    QString name, title, address, telephone, email;
    QString logoPath;  // a picture file; empty: no logo

    bool isEmpty() const
    {
        return name.isEmpty() && title.isEmpty() && address.isEmpty() && telephone.isEmpty() && email.isEmpty()
               && logoPath.isEmpty();
    }
    bool operator==(const PracticeHeading &other) const = default;
};

// What the program keeps between runs, in one file open to the user alone. Every setting is read
// and written here, its key, default and range beside it: a value that is missing, of another
// kind or out of its range reads as the default.
class Settings {
public:
    // The user's own file: velmo/velmo.conf in the user's configuration folder.
    static QString defaultPath();

    // Settings kept in `path`. Without a path nothing is kept and every setting reads as its
    // default: so tests and tools leave the user's settings alone unless they say otherwise.
    explicit Settings(QString path = QString()) : path_(std::move(path)) {}
    const QString &path() const { return path_; }
    void setPath(const QString &path) { path_ = path; }

    // Where a window's inside stood on the screen when it was last hidden; by default none, and
    // the window opens at its own size where the window system puts it. Sides from
    // kMinWindowSide to kMaxWindowSide pixels, corners within kMaxWindowOffset of the origin.
    static constexpr int kMinWindowSide = 100;
    static constexpr int kMaxWindowSide = 16384;
    static constexpr int kMaxWindowOffset = 65536;
    std::optional<QRect> windowGeometry(RememberedWindow window) const;
    // False when there is no file or it cannot be written; the window then opens as new next time.
    bool setWindowGeometry(RememberedWindow window, const QRect &geometry);

    // The meal files of "File recenti", most recent first, as they were written (RecentFiles
    // tidies them); none by default. False when there is no file or it cannot be written.
    QStringList recentMealFiles() const;
    bool setRecentMealFiles(const QStringList &paths);

    // The name of the current person, whose requirement and references the meal is set against;
    // empty by default (none). Only the name: the person's data stay in the persons' store.
    // False when there is no file or it cannot be written.
    QString currentPerson() const;
    bool setCurrentPerson(const QString &name);

    // The practice's heading; every field empty by default. A field longer than
    // kMaxHeadingFieldLength characters, or not a text, reads as empty. False as above.
    static constexpr qsizetype kMaxHeadingFieldLength = 1000;
    PracticeHeading practiceHeading() const;
    bool setPracticeHeading(const PracticeHeading &heading);

private:
    // Writes one value, the folder and the file made the user's alone first.
    bool write(const QString &key, const QVariant &value);

    QString path_;
};

// `wanted` moved, and made smaller where it is larger, so that it lies within `available`: a
// window never opens off-screen, however the screens changed since it was kept.
QRect placeWithin(const QRect &wanted, const QRect &available);

}  // namespace velmo
