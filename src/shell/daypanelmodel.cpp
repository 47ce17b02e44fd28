// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/daypanelmodel.h"

#include "meal/dayfigures.h"
#include "meal/nutrientstore.h"
#include "nutrition/referenceintakes.h"
#include "shell/mainwindowmodel.h"

#include <QFont>
#include <QLocale>
#include <QMetaObject>

#include <algorithm>

namespace velmo {

namespace {

// The person whose ranges are shown when no energy window has said one: an adult, whose
// ranges of the shares of energy are alike for either sex.
constexpr double kAdultAge = 30;

}  // namespace

DayPanelModel::DayPanelModel(MainWindowModel &main, QObject *parent) : QAbstractTableModel(parent), main_(main)
{
    MealGrid &grid = main_.meal();
    // A lock, a clear, an undo or a change of meal changes many cells at once: one recomputation
    // once they settle.
    connect(&grid, &MealGrid::rowStateChanged, this, &DayPanelModel::scheduleRefresh);
    connect(&grid, &MealGrid::totalsChanged, this, &DayPanelModel::scheduleRefresh);
    connect(&main_.document(), &MealDocument::tableReplaced, this, &DayPanelModel::scheduleRefresh);
    connect(&main_.document(), &MealDocument::dayChanged, this, &DayPanelModel::scheduleRefresh);
    connect(&main_, &MainWindowModel::requirementChanged, this, &DayPanelModel::scheduleRefresh);
    connect(&main_, &MainWindowModel::calculatedPersonChanged, this, &DayPanelModel::scheduleRefresh);
    refresh();
}

int DayPanelModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(meals_.size());
}

int DayPanelModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant DayPanelModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case MealColumn: return tr("Pasto");
    case EnergyColumn: return tr("Energia");
    case ShareColumn: return tr("Quota");
    case GuideColumn: return tr("Guida LARN");
    default: return {};
    }
}

QVariant DayPanelModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const MealFigures &meal = meals_[static_cast<std::size_t>(index.row())];
    if (role == Qt::FontRole && meal.shown) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole && index.column() != MealColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const QLocale locale;
    switch (index.column()) {
    case MealColumn: return meal.name;
    case EnergyColumn: return energyAmountText(meal.energy, locale);
    case ShareColumn: return QStringLiteral("%1 %").arg(meal.share);
    case GuideColumn: {
        const auto guide = guideShare(meal.name);
        return guide ? tr("circa %1 %").arg(*guide) : QString();
    }
    default: return {};
    }
}

std::optional<int> DayPanelModel::guideShare(const QString &mealName)
{
    return mealGuideShare(mealName);
}

void DayPanelModel::scheduleRefresh()
{
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &DayPanelModel::refresh, Qt::QueuedConnection);
}

void DayPanelModel::refresh()
{
    pending_ = false;
    beginResetModel();
    meals_.clear();
    day_ = {};
    totals_.clear();
    split_.clear();
    summary_.clear();
    QString why;
    NutrientStore *store = main_.nutrientStore();
    const Nutrients *nutrients = store ? store->nutrients(&why) : nullptr;
    const auto planned = nutrients ? plannedDay(main_.document().day(), *store, *nutrients, &why) : std::nullopt;
    if (!planned) {
        summary_ = tr("Il pannello del giorno non può essere calcolato: %1").arg(why);
    } else {
        for (std::size_t m = 0; m < planned->meals.size(); ++m)
            meals_.push_back({main_.day().mealNames().value(static_cast<int>(m)), planned->meals[m].energy,
                              planned->meals[m].share, static_cast<int>(m) == main_.day().current()});
        day_ = nutrientProfile(*nutrients, planned->whole);
        fillLines(*nutrients);
    }
    endResetModel();
    emit refreshed();
}

void DayPanelModel::fillLines(const Nutrients &nutrients)
{
    const QLocale locale;
    const IntakePerson person = main_.calculatedPerson().value_or(IntakePerson{false, kAdultAge});
    const ReferenceIntakes *intakes = ReferenceIntakes::shipped();
    const ReferenceFor reference = intakes ? referenceLookup(*intakes, person, nutrients) : ReferenceFor();
    DayFigures figures = dayFigures(nutrients, day_, reference, locale);
    totals_ = std::move(figures.totals);
    split_ = std::move(figures.split);
    const auto energy = nutrients.indexOf(QStringLiteral("ENERC_KCAL"));
    summary_ = daySummaryText(energy ? day_.at(*energy) : NutrientAmount{}, main_.requirementKcal(), locale);
}

}  // namespace velmo
