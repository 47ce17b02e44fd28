#pragma once

#include <QString>

namespace velmo {

// The folder that holds the program; its files (food database, notice) are looked up there.
QString programDir();

// A file beside the program.
QString programFile(const QString &name);

}  // namespace velmo
