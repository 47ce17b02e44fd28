// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/storesql.h"

namespace velmo {

std::optional<QSqlQuery> StoreSql::run(const QString &sql, const QVariantList &values)
{
    if (failed())
        return std::nullopt;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (query.prepare(sql)) {
        for (const QVariant &v : values)
            query.addBindValue(v);
        if (query.exec())
            return query;
    }
    failure_ = query.lastError();
    return std::nullopt;
}

std::optional<QVariant> StoreSql::value(const QString &sql, const QVariantList &values)
{
    auto query = run(sql, values);
    if (!query || !query->next())
        return std::nullopt;
    return query->value(0);
}

const std::vector<QStringList> &personStoreUpgrades()
{
    // The columns' words are the store's own; the choices are the codes of personrules.h. The
    // categories are kept by their table's name, which no new category can shift.
    static const std::vector<QStringList> upgrades{
        {
            QStringLiteral(
                "CREATE TABLE persone (id INTEGER PRIMARY KEY, nome TEXT NOT NULL UNIQUE, "
                "sesso TEXT NOT NULL CHECK (sesso IN ('F', 'M')), nascita TEXT NOT NULL, "
                "altezza_cm REAL NOT NULL CHECK (altezza_cm BETWEEN 40 AND 250), "
                "attivita TEXT NOT NULL CHECK (attivita IN ('non_scelta', 'leggera', 'moderata', 'pesante')), "
                "attivita_auspicabili TEXT NOT NULL CHECK (attivita_auspicabili IN ('non_scelte', 'si', 'no')), "
                "condizione TEXT NOT NULL CHECK (condizione IN ('nessuna', 'gravidanza', 'allattamento')), "
                "note TEXT NOT NULL, revisione INTEGER NOT NULL)"),
            QStringLiteral("CREATE TABLE pesi (persona INTEGER NOT NULL REFERENCES persone (id) ON DELETE CASCADE, "
                           "data TEXT NOT NULL, kg REAL NOT NULL CHECK (kg BETWEEN 2 AND 400), "
                           "vita_cm REAL CHECK (vita_cm BETWEEN 30 AND 250), PRIMARY KEY (persona, data))"),
            QStringLiteral("CREATE TABLE giorni (id INTEGER PRIMARY KEY, "
                           "persona INTEGER NOT NULL REFERENCES persone (id) ON DELETE CASCADE, data TEXT NOT NULL, "
                           "revisione INTEGER NOT NULL, UNIQUE (persona, data))"),
            QStringLiteral("CREATE TABLE pasti_giorno (id INTEGER PRIMARY KEY, "
                           "giorno INTEGER NOT NULL REFERENCES giorni (id) ON DELETE CASCADE, "
                           "posizione INTEGER NOT NULL, nome TEXT NOT NULL, UNIQUE (giorno, posizione))"),
            QStringLiteral("CREATE TABLE righe_pasto (pasto INTEGER NOT NULL REFERENCES pasti_giorno (id) "
                           "ON DELETE CASCADE, posizione INTEGER NOT NULL, categoria TEXT NOT NULL, "
                           "alimento TEXT NOT NULL, grammi TEXT NOT NULL, PRIMARY KEY (pasto, posizione))"),
            QStringLiteral("CREATE TABLE pasti_abituali (id INTEGER PRIMARY KEY, nome TEXT NOT NULL UNIQUE)"),
            QStringLiteral("CREATE TABLE righe_pasto_abituale (pasto INTEGER NOT NULL REFERENCES pasti_abituali (id) "
                           "ON DELETE CASCADE, posizione INTEGER NOT NULL, categoria TEXT NOT NULL, "
                           "alimento TEXT NOT NULL, grammi TEXT NOT NULL, PRIMARY KEY (pasto, posizione))"),
        },
        {
            // The portion a row's weight stands for ("2 fette"); empty: none.
            QStringLiteral("ALTER TABLE righe_pasto ADD COLUMN porzione TEXT NOT NULL DEFAULT ''"),
            QStringLiteral("ALTER TABLE righe_pasto_abituale ADD COLUMN porzione TEXT NOT NULL DEFAULT ''"),
        },
        {
            // The last revision given to a person or a day, for the whole store: a row removed and
            // made again never comes back at a revision another window read of the one before.
            QStringLiteral("CREATE TABLE revisioni (ultima INTEGER NOT NULL)"),
            QStringLiteral("INSERT INTO revisioni SELECT max(coalesce((SELECT max(revisione) FROM giorni), 0), "
                           "coalesce((SELECT max(revisione) FROM persone), 0))"),
        }};
    return upgrades;
}

}  // namespace velmo
