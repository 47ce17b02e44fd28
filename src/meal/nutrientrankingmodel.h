// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "catalogue/foodnames.h"
#include "meal/nutrientstore.h"
#include "nutrition/ranking.h"

#include <QAbstractTableModel>
#include <QSqlDatabase>
#include <QStringList>

#include <optional>
#include <vector>

namespace velmo {

// The foods richest in one measured nutrient, of one category or of all: food, category and the
// value with its unit, the foods without the value ("n.d.") last. Each choice ranks anew.
class NutrientRankingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { FoodColumn, CategoryColumn, ValueColumn, ColumnCount };

    // Nothing is read until the first choice: the profile's tables are read on first use.
    explicit NutrientRankingModel(const QSqlDatabase &database, QObject *parent = nullptr);
    // The personal foods to rank beside the shipped ones, none when not open. Only its name is
    // kept: the catalogue may be closed and opened anew while the window lives.
    void setPersonalDatabase(const QSqlDatabase &personal) { personalConnection_ = personal.connectionName(); }

    // The nutrients that can be chosen, "Calcio (mg)", in the profile's order; empty, and
    // error() says why, when the database has no profile.
    QStringList nutrientChoices();
    // "Tutte le categorie", then the categories in menu order, the personal foods last.
    static QStringList categoryChoices();
    static QStringList basisChoices();

    // Rank by the nutrient, the category and the basis at these positions of the choices above.
    void choose(int nutrient, int category, RankingBasis basis);
    // The food at `row`: its category and its Italian name.
    const FoodRef &food(int row) const { return foods_[static_cast<std::size_t>(row)].food; }
    // What the list holds, or why it holds nothing.
    QString summary() const;
    QString error() const { return error_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    NutrientStore store_;
    QSqlDatabase database_;
    QString personalConnection_;
    FoodNames names_;
    std::vector<int> choices_;  // indexes of the measured nutrients in the profile
    const Nutrients *nutrients_ = nullptr;
    std::optional<int> nutrient_;
    RankingBasis basis_ = RankingBasis::Per100g;
    std::vector<RankingFood> foods_;
    std::vector<QString> shownNames_;
    QString error_;
};

}  // namespace velmo
