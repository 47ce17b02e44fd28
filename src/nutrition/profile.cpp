// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "nutrition/profile.h"

#include <array>

namespace velmo {

namespace {

enum class Base { None, Energy, BodyWeight };

// A derived row: the row it is made of times `factor`, over the base.
struct Derivation {
    const char *key;
    const char *from;
    double factor;
    Base base;
};

// Energy shares with the general factors, 4 kcal per gram of protein and carbohydrate, 9 of fat.
constexpr std::array<Derivation, 11> kDerivations{{
    {"SALE", "NA", 2.5 / 1000.0, Base::None},  // mg of sodium -> g of salt
    {"EN_PROT", "PROCNT", 400.0, Base::Energy},
    {"EN_FAT", "FAT", 900.0, Base::Energy},
    {"EN_CHO", "CHOCDF", 400.0, Base::Energy},
    {"EN_FASAT", "FASAT", 900.0, Base::Energy},
    {"EN_FAPU", "FAPU", 900.0, Base::Energy},
    {"EN_F18D2", "F18D2", 900.0, Base::Energy},
    {"EN_F18D3", "F18D3", 900.0, Base::Energy},
    {"EN_SUGAR", "SUGAR", 400.0, Base::Energy},
    {"FIB_1000KCAL", "FIBTG", 1000.0, Base::Energy},
    {"PROT_KG", "PROCNT", 1.0, Base::BodyWeight},
}};

NutrientAmount sum(const Meal &meal, int index)
{
    NutrientAmount total;
    double known = 0;
    bool any = false;
    for (const MealItem &item : meal.items) {
        const double net = item.portion.netGrams();
        const std::optional<double> per100 = item.values ? item.values->value(index) : std::nullopt;
        if (per100) {
            known += *per100 * net / 100.0;
            any = true;
        } else if (net != 0) {
            ++total.foodsLacking;
        }
    }
    if (any)
        total.amount = known;
    total.lowerBound = any && total.foodsLacking > 0;
    return total;
}

NutrientAmount derive(const Derivation &d, const NutrientAmount &from, const std::optional<NutrientAmount> &energy,
                      std::optional<double> bodyWeightKg)
{
    NutrientAmount result = from;
    std::optional<double> base = 1.0;
    if (d.base == Base::Energy)
        base = energy && !energy->lowerBound ? energy->amount : std::nullopt;
    else if (d.base == Base::BodyWeight)
        base = bodyWeightKg;
    result.applies = d.base != Base::BodyWeight || bodyWeightKg.has_value();
    if (!from.amount || !base || *base <= 0) {
        result.amount.reset();
        result.lowerBound = false;
        return result;
    }
    result.amount = *from.amount * d.factor / *base;
    return result;
}

}  // namespace

NutrientProfile nutrientProfile(const Nutrients &nutrients, const Meal &meal, std::optional<double> bodyWeightKg)
{
    NutrientProfile profile;
    profile.amounts.resize(static_cast<std::size_t>(nutrients.size()));
    for (int i = 0; i < nutrients.size(); ++i)
        if (!nutrients.at(i).derived())
            profile.amounts[static_cast<std::size_t>(i)] = sum(meal, i);
    const auto amountOf = [&](const char *key) -> std::optional<NutrientAmount> {
        const auto index = nutrients.indexOf(QString::fromLatin1(key));
        return index ? std::optional(profile.at(*index)) : std::nullopt;
    };
    const std::optional<NutrientAmount> energy = amountOf("ENERC_KCAL");
    for (const Derivation &d : kDerivations) {
        const auto index = nutrients.indexOf(QString::fromLatin1(d.key));
        const auto from = amountOf(d.from);
        if (index && from)
            profile.amounts[static_cast<std::size_t>(*index)] = derive(d, *from, energy, bodyWeightKg);
    }
    return profile;
}

Meal dailyAverage(const std::vector<Meal> &days)
{
    Meal average;
    if (days.empty())
        return average;
    const double count = static_cast<double>(days.size());
    for (const Meal &day : days)
        for (MealItem item : day.items) {
            item.portion.grossGrams /= count;
            average.items.push_back(std::move(item));
        }
    return average;
}

std::optional<FoodValues> recipeValues(const Nutrients &nutrients, const Meal &recipe)
{
    double net = 0;
    for (const MealItem &item : recipe.items)
        net += item.portion.netGrams();
    if (net <= 0)
        return std::nullopt;
    FoodValues values;
    values.per100g.resize(static_cast<std::size_t>(nutrients.size()));
    for (int i = 0; i < nutrients.size(); ++i) {
        if (nutrients.at(i).derived())
            continue;
        const NutrientAmount total = sum(recipe, i);
        if (total.amount && total.foodsLacking == 0)
            values.per100g[static_cast<std::size_t>(i)] = *total.amount * 100.0 / net;
    }
    return values;
}

std::optional<double> ReferenceValue::percentOf(double amount) const
{
    if (!minimum || *minimum <= 0 || (maximum && *maximum != *minimum))
        return std::nullopt;
    return amount * 100.0 / *minimum;
}

}  // namespace velmo
