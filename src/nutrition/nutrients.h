// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QHash>
#include <QString>

#include <optional>
#include <vector>

namespace velmo {

// The groups the profile is shown in, in their order.
enum class NutrientGroup { EnergyAndMacronutrients, Carbohydrates, Lipids, Minerals, Vitamins, Other };

// The group a data file names in Italian ("Lipidi"); none for another name.
std::optional<NutrientGroup> nutrientGroupNamed(QStringView italianName);
// The group's name in the interface's language.
QString nutrientGroupName(NutrientGroup group);

// One row of the profile: a nutrient of the source (its INFOODS tag as key) or a value derived
// from others (a key of our own, such as SALE).
struct NutrientDefinition {
    QString key;
    int sourceNumber = 0;  // the source's number; 0 for a derived value
    QString name;          // Italian
    QString englishName;
    QString unit;
    int decimals = 0;  // shown
    NutrientGroup group = NutrientGroup::Other;

    bool derived() const { return sourceNumber == 0; }
    // The name in the interface's language.
    QString shownName() const;
};

// The profile's rows in their fixed order; a nutrient is found by its index in that order.
class Nutrients {
public:
    explicit Nutrients(std::vector<NutrientDefinition> definitions);

    int size() const { return static_cast<int>(definitions_.size()); }
    const NutrientDefinition &at(int index) const { return definitions_[static_cast<std::size_t>(index)]; }
    const std::vector<NutrientDefinition> &all() const { return definitions_; }
    std::optional<int> indexOf(const QString &key) const;
    std::optional<int> indexOfSource(int sourceNumber) const;

private:
    std::vector<NutrientDefinition> definitions_;
    QHash<QString, int> byKey_;
    QHash<int, int> bySource_;
};

}  // namespace velmo
