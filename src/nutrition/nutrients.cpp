// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/nutrients.h"

#include "common/translation.h"

#include <QCoreApplication>

#include <array>

namespace velmo {

namespace {

// The Italian names are the data's own words and the source texts of their translations.
constexpr std::array<const char *, 6> kGroupNames{QT_TRANSLATE_NOOP("NutrientGroup", "Energia e macronutrienti"),
                                                  QT_TRANSLATE_NOOP("NutrientGroup", "Carboidrati"),
                                                  QT_TRANSLATE_NOOP("NutrientGroup", "Lipidi"),
                                                  QT_TRANSLATE_NOOP("NutrientGroup", "Minerali"),
                                                  QT_TRANSLATE_NOOP("NutrientGroup", "Vitamine"),
                                                  QT_TRANSLATE_NOOP("NutrientGroup", "Altro")};

}  // namespace

std::optional<NutrientGroup> nutrientGroupNamed(QStringView italianName)
{
    for (std::size_t i = 0; i < kGroupNames.size(); ++i)
        if (italianName == QString::fromUtf8(kGroupNames[i]))
            return static_cast<NutrientGroup>(i);
    return std::nullopt;
}

QString nutrientGroupName(NutrientGroup group)
{
    return QCoreApplication::translate("NutrientGroup", kGroupNames[static_cast<std::size_t>(group)]);
}

QString NutrientDefinition::shownName() const
{
    return currentLanguage() == Language::English && !englishName.isEmpty() ? englishName : name;
}

Nutrients::Nutrients(std::vector<NutrientDefinition> definitions) : definitions_(std::move(definitions))
{
    for (int i = 0; i < size(); ++i) {
        byKey_.insert(at(i).key, i);
        if (!at(i).derived())
            bySource_.insert(at(i).sourceNumber, i);
    }
}

std::optional<int> Nutrients::indexOf(const QString &key) const
{
    const auto it = byKey_.constFind(key);
    return it == byKey_.constEnd() ? std::nullopt : std::optional<int>(*it);
}

std::optional<int> Nutrients::indexOfSource(int sourceNumber) const
{
    const auto it = bySource_.constFind(sourceNumber);
    return it == bySource_.constEnd() ? std::nullopt : std::optional<int>(*it);
}

}  // namespace velmo
