// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QFunctionPointer>
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

// The function `symbol` of one of the program's modules (libraries it loads when first needed, so
// that it starts without them), found beside the program in the build tree or in ../lib/velmo once
// installed; null, with the loader's reasons, when neither can be loaded. A module stays loaded
// for the program's life.
QFunctionPointer programModuleFunction(const QString &module, const char *symbol, QString *reasons);

}  // namespace velmo
