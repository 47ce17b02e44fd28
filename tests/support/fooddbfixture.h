#pragma once

#include "support/qtprinters.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <vector>

namespace velmo::test {

// A food row for a test database: the name and the seven numbers (an invalid QVariant is NULL).
struct TestFood {
    QString name;
    std::vector<QVariant> values;
};

// Writes an SQLite food database at `path` with the given tables (every other category table is
// created empty unless `allTables` is false). Returns false with a reason on failure.
bool writeFoodDatabase(const QString &path, const std::map<QString, std::vector<TestFood>> &tables,
                       bool allTables = true, QString *error = nullptr);

// Bytes of a file, to prove that nothing changed it.
QByteArray fileBytes(const QString &path);

}  // namespace velmo::test
