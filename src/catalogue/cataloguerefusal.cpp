// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/cataloguerefusal.h"

#include "catalogue/sqlstatements.h"
#include "common/userfolder.h"

#include <QSqlQuery>

namespace velmo {

namespace {

QString damaged(const QString &detail)
{
    return CatalogueRefusal::tr(
               "Il file è danneggiato o non è un archivio di Velmo. Ripristinarlo da una copia di "
               "sicurezza, oppure aprire gli alimenti personali nella finestra di Velmo, che lo mette da "
               "parte (senza cancellarlo) e inizia un archivio nuovo.\nDettagli: %1")
        .arg(detail);
}

PersonalCatalogue::Problem problemOf(const QSqlError &failure)
{
    switch (sqliteResultCode(failure)) {
    case 5:
    case 6: return PersonalCatalogue::Problem::Busy;
    case 3:
    case 8:
    case 10:
    case 13:
    case 14:
    case 23: return PersonalCatalogue::Problem::NoPermission;
    default: return PersonalCatalogue::Problem::Damaged;
    }
}

}  // namespace

CatalogueRefusal CatalogueRefusal::of(const QSqlError &failure)
{
    const PersonalCatalogue::Problem problem = problemOf(failure);
    return {problem, problem == PersonalCatalogue::Problem::Damaged ? damaged(failure.text().trimmed())
                                                                    : explainedFailure(failure)};
}

std::optional<CatalogueRefusal> CatalogueRefusal::beforeOpening(const QFileInfo &info, bool exists, bool create,
                                                                QStringList *notices)
{
    using Problem = PersonalCatalogue::Problem;
    if (exists && !info.isFile())
        return CatalogueRefusal{Problem::NoPermission,
                                CatalogueRefusal::tr("Il percorso non indica un file: spostare o rinominare "
                                                     "ciò che si trova al suo posto.")};
    QString reason;
    if ((exists || create) && !makePrivateFolder(info.absolutePath(), notices, &reason))
        return CatalogueRefusal{Problem::NoPermission, reason};
    // A file the engine could read but not write would fail only at the first change, or, with
    // a crash's journal beside it, could not even be read consistently.
    if (exists && (!info.isReadable() || !info.isWritable() || !QFileInfo(info.absolutePath()).isWritable()))
        return CatalogueRefusal{
            Problem::NoPermission,
            CatalogueRefusal::tr("Permessi insufficienti: il file e la sua cartella devono essere leggibili e "
                                 "scrivibili. Dare a sé stessi questi permessi su entrambi e riprovare.")};
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return CatalogueRefusal{
            Problem::NoPermission,
            CatalogueRefusal::tr("Manca il driver SQLite di Qt: installare il pacchetto libqt6sql6-sqlite.")};
    // Made here, not by the engine, which would let the umask open it to other users; the engine
    // gives its journal the permissions of the file.
    if (!exists && create && !createPrivateFile(info.absoluteFilePath(), &reason))
        return CatalogueRefusal{Problem::NoPermission, reason};
    return std::nullopt;
}

std::optional<CatalogueRefusal> CatalogueRefusal::afterOpening(const QSqlDatabase &db, int *version)
{
    using Problem = PersonalCatalogue::Problem;
    QSqlError failure;
    QSqlQuery query(db);  // every change reaches the disk before it counts as made
    if (!runStatement(query, QStringLiteral("PRAGMA synchronous = FULL"), &failure))
        return of(failure);
    const auto check = singleValue(db, QStringLiteral("PRAGMA quick_check"), &failure);
    if (!check)
        return of(failure);
    if (check->toString() != QStringLiteral("ok"))
        return CatalogueRefusal{Problem::Damaged, damaged(check->toString())};
    const auto found = singleValue(db, QStringLiteral("PRAGMA user_version"), &failure);
    if (!found)
        return of(failure);
    *version = found->toInt();
    if (*version > PersonalCatalogue::kSchemaVersion)
        return CatalogueRefusal{Problem::Newer,
                                CatalogueRefusal::tr("Il file è stato scritto da una versione più recente di Velmo "
                                                     "(formato %1, questa versione legge fino al formato %2): "
                                                     "aggiornare Velmo.")
                                    .arg(*version)
                                    .arg(PersonalCatalogue::kSchemaVersion)};
    return std::nullopt;
}

}  // namespace velmo
