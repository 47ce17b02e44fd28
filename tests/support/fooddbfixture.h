// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/personalfood.h"
#include "support/qtprinters.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <vector>

namespace velmo::test {

// A food row for a test database: the name, the seven numbers (an invalid QVariant is NULL) and
// the English name (none: NULL, as in a file of an older build).
struct TestFood {
    QString name;
    std::vector<QVariant> values;
    QString english = {};
};

// Writes an SQLite food database at `path` with the given tables (every other category table is
// created empty unless `allTables` is false), and with `foodsByName` the table of every food by
// name that the catalogue builder adds. Returns false with a reason on failure.
bool writeFoodDatabase(const QString &path, const std::map<QString, std::vector<TestFood>> &tables,
                       bool allTables = true, QString *error = nullptr, bool foodsByName = false);

// Bytes of a file, to prove that nothing changed it.
QByteArray fileBytes(const QString &path);

// Food names that a line of fields separated by ";" must still carry: separators, quotes (a
// whole name in quotes too), the "#" of a comment at the start, other scripts. Each is a name
// the personal catalogue takes and the meal's table keeps (a name of one character leaves a
// row free); twelve, so that one meal holds them all.
extern const QStringList kHostileFoodNames;
// Those names as personal foods, their values unknown.
std::vector<PersonalFood> hostileFoods();

}  // namespace velmo::test
