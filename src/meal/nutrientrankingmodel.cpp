// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/nutrientrankingmodel.h"

#include "catalogue/foodcategory.h"
#include "catalogue/foodsearch.h"
#include "common/numbertext.h"
#include "common/translation.h"
#include "meal/nutrientranking.h"

#include <QLocale>

#include <algorithm>

namespace velmo {

NutrientRankingModel::NutrientRankingModel(const QSqlDatabase &database, QObject *parent)
    : QAbstractTableModel(parent), store_(database), database_(database)
{
    names_.setDatabase(database);
}

QStringList NutrientRankingModel::nutrientChoices()
{
    if (!nutrients_) {
        nutrients_ = store_.nutrients(&error_);
        for (int i = 0; nutrients_ && i < nutrients_->size(); ++i)
            if (!nutrients_->at(i).derived())
                choices_.push_back(i);
    }
    QStringList out;
    for (const int i : choices_)
        out << tr("%1 (%2)").arg(nutrients_->at(i).shownName(), nutrients_->at(i).unit);
    return out;
}

QStringList NutrientRankingModel::categoryChoices()
{
    QStringList out{tr("Tutte le categorie")};
    for (int c = 0; c < kAllCategoryCount; ++c)
        out << foodCategory(c).shownHeading();
    return out;
}

QStringList NutrientRankingModel::basisChoices()
{
    return {tr("per 100 g di parte edibile"), tr("per 100 kcal"), tr("per porzione standard")};
}

void NutrientRankingModel::choose(int nutrient, int category, RankingBasis basis)
{
    nutrientChoices();
    beginResetModel();
    foods_.clear();
    shownNames_.clear();
    nutrient_.reset();
    basis_ = basis;
    if (nutrient >= 0 && nutrient < static_cast<int>(choices_.size()) && category >= 0
        && category <= kAllCategoryCount) {
        const int index = choices_[static_cast<std::size_t>(nutrient)];
        const auto only = category == 0 ? std::nullopt : std::optional(category - 1);
        const QSqlDatabase personal = personalConnection_.isEmpty()
                                          ? QSqlDatabase()
                                          : QSqlDatabase::database(personalConnection_, false);
        auto read = rankingFoods(database_, personal, *nutrients_, index, only, &error_);
        if (read) {
            error_.clear();
            nutrient_ = index;
            foods_ = std::move(*read);
            // The search's order is the Italian names'; under English, foods of equal value go in
            // the order of the English names shown.
            if (currentLanguage() == Language::English)
                for (RankingFood &f : foods_) {
                    f.orderKey = searchKey(names_.shown(f.food.category, f.food.name));
                    f.searchPosition = -1;
                }
            rankFoods(foods_, basis, searchKey);
            shownNames_.reserve(foods_.size());
            for (const RankingFood &f : foods_)
                shownNames_.push_back(names_.shown(f.food.category, f.food.name));
        }
    }
    endResetModel();
}

QString NutrientRankingModel::summary() const
{
    if (!error_.isEmpty())
        return error_;
    if (!nutrient_)
        return {};
    const auto unknown = std::count_if(foods_.begin(), foods_.end(), [](const RankingFood &f) { return !f.ranked; });
    const QLocale locale;
    const auto count = [&locale](std::size_t n) { return formatGroupedUpTo2(static_cast<double>(n), locale); };
    if (unknown == 0)
        return tr("Alimenti: %1.").arg(count(foods_.size()));
    // A food with the value but no standard portion, or no energy to divide by, is n.d. for another reason.
    const auto otherwise = std::count_if(foods_.begin(), foods_.end(),
                                         [](const RankingFood &f) { return !f.ranked && f.value; });
    const auto known = count(foods_.size() - static_cast<std::size_t>(unknown));
    if (otherwise == 0 || basis_ == RankingBasis::Per100g)
        return tr("Alimenti con il valore: %1; senza il valore (n.d.: non disponibile, non è zero), in fondo alla "
                  "lista: %2.")
            .arg(known, count(static_cast<std::size_t>(unknown)));
    const bool portion = basis_ == RankingBasis::PerStandardPortion;
    if (unknown == otherwise)
        return (portion ? tr("Alimenti con il valore: %1; senza porzione standard (n.d.), in fondo alla lista: %2.")
                        : tr("Alimenti con il valore: %1; senza energia nota o con 0 kcal (n.d.), in fondo alla lista: "
                             "%2."))
            .arg(known, count(static_cast<std::size_t>(otherwise)));
    return (portion
                ? tr("Alimenti con il valore: %1; in fondo alla lista (n.d.), senza il valore (non disponibile, non "
                     "è zero): %2, senza porzione standard: %3.")
                : tr("Alimenti con il valore: %1; in fondo alla lista (n.d.), senza il valore (non disponibile, non "
                     "è zero): %2, senza energia nota o con 0 kcal: %3."))
        .arg(known, count(static_cast<std::size_t>(unknown - otherwise)), count(static_cast<std::size_t>(otherwise)));
}

int NutrientRankingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(foods_.size());
}

int NutrientRankingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NutrientRankingModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::TextAlignmentRole)
        return index.column() == ValueColumn ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case FoodColumn: return shownNames_[row];
    case CategoryColumn: return foodCategory(foods_[row].food.category).shownHeading();
    default: break;
    }
    const NutrientDefinition &n = nutrients_->at(*nutrient_);
    const auto &value = foods_[row].ranked;
    return value ? QStringLiteral("%1 %2").arg(formatDecimals(*value, n.decimals, QLocale()), n.unit) : tr("n.d.");
}

QVariant NutrientRankingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
    case FoodColumn: return tr("Alimento");
    case CategoryColumn: return tr("Categoria");
    case ValueColumn:
        return basis_ == RankingBasis::Per100g      ? tr("Per 100 g")
               : basis_ == RankingBasis::Per100kcal ? tr("Per 100 kcal")
                                                    : tr("Per porzione standard");
    default: return {};
    }
}

}  // namespace velmo
