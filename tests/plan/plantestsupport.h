// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodcategory.h"
#include "plan/personrules.h"

#include <QFile>

namespace velmo::test {

// A person with every field set, two weights (one with the waist) and two days, one of them with
// a portion, a personal food and an empty meal.
inline PersonRecord fullRecord(const QString &name = QStringLiteral("Zanzibar Quintavalle"))
{
    Person p{name,
             Sex::Female,
             QDate(1984, 2, 29),
             163.5,
             {{QDate(2025, 3, 1), 61.25, 78.5}, {QDate(2025, 4, 2), 60.5, std::nullopt}},
             ActivityLevel::Moderate,
             RecommendedActivities::With,
             PersonCondition::Lactation,
             QStringLiteral("Intollerante al lattosio; \"caffè\" amaro.")};
    MealDay monday{{{QStringLiteral("Colazione"),
                     {{0, 3, QStringLiteral("Pane; integrale"), QStringLiteral("60"), QStringLiteral("2 fette")},
                      {0, kPersonalCategory, QStringLiteral("Torta di mele"), QStringLiteral("0125")}}},
                    {QStringLiteral("Spuntino"), {}},
                    {QStringLiteral("Cena"), {{0, 8, QStringLiteral("Mela"), QStringLiteral("150")}}}}};
    return {p, {{QDate(2025, 4, 7), monday}, {QDate(2025, 4, 9), MealDay{}}}};
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace velmo::test
