// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>

namespace velmo {

// The folder that holds the program.
QString programDir();

// One of the program's own files (food database, notice, help pages). In the build tree it lies
// beside the program; once installed, the programs are in bin/ and their files in
// ../share/velmo. The file beside the program wins, so a build never reads an older installed
// copy; when neither exists the path beside the program is returned, which is the one an error
// message should name.
QString programFile(const QString &name);

// The same lookup from a given program folder.
QString programFileFrom(const QString &programFolder, const QString &name);

}  // namespace velmo
