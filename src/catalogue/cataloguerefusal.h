// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/personalcatalogue.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <optional>

namespace velmo {

// Why the personal catalogue's file is not opened: the problem, and the reason the user reads
// (after the file's name). The checks that find one come before the engine sees the
// file and once it has opened it; nothing is written to a file they refuse.
struct CatalogueRefusal {
    PersonalCatalogue::Problem problem;
    QString reason;

    // A failure of the engine. Only a file the engine finds unsound may be called damaged: one
    // that is busy or that cannot be written must never be offered to be set aside.
    static CatalogueRefusal of(const QSqlError &failure);

    // The path, the folder (made private: what was changed goes to `notices`), the permissions
    // and the driver. A missing file is created, private, when `create` is set.
    static std::optional<CatalogueRefusal> beforeOpening(const QFileInfo &info, bool exists, bool create,
                                                         QStringList *notices);

    // Whether the opened file is sound and of a format this version reads; its format goes to
    // `version` (0: a new file). A journal left by a crash is rolled back by the first read,
    // which is what the engine promises.
    static std::optional<CatalogueRefusal> afterOpening(const QSqlDatabase &db, int *version);

    Q_DECLARE_TR_FUNCTIONS(CatalogueRefusal)
};

}  // namespace velmo
