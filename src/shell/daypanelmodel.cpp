// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "shell/daypanelmodel.h"

#include "common/numbertext.h"
#include "meal/nutrientstore.h"
#include "meal/requirementcomparison.h"
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

QString boundText(const NutrientAmount &amount)
{
    return amount.lowerBound ? QStringLiteral("\u2265 ") : QString();
}

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
    case EnergyColumn:
        return meal.energy.amount
                   ? boundText(meal.energy) + formatAmount(*meal.energy.amount, Amount::Kilocalories, locale)
                         + QStringLiteral(" kcal")
                   : tr("n.d.");
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
    // Colazione, spuntino, pranzo, merenda, cena: the order of defaultMealNames().
    static constexpr int kShares[] = {20, 5, 40, 5, 30};
    const QStringList usual = defaultMealNames();
    for (int i = 0; i < usual.size(); ++i)
        if (usual[i].compare(mealName, Qt::CaseInsensitive) == 0)
            return kShares[i];
    return std::nullopt;
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
    const auto energy = nutrients ? nutrients->indexOf(QStringLiteral("ENERC_KCAL")) : std::nullopt;
    const MealDay day = main_.document().day();
    Meal whole;
    for (std::size_t m = 0; nutrients && m < day.meals.size(); ++m) {
        const auto meal = nutritionMeal(day.meals[m].entries, *store, &why);
        if (!meal) {
            nutrients = nullptr;
            break;
        }
        const NutrientProfile profile = nutrientProfile(*nutrients, *meal);
        NutrientAmount mealEnergy = energy ? profile.at(*energy) : NutrientAmount{};
        if (meal->items.empty())
            mealEnergy.amount = 0.0;  // a meal not yet planned brings nothing, which is known
        meals_.push_back({main_.day().mealNames().value(static_cast<int>(m)), mealEnergy, 0,
                          static_cast<int>(m) == main_.day().current()});
        whole.items.insert(whole.items.end(), meal->items.cbegin(), meal->items.cend());
    }
    if (!nutrients) {
        meals_.clear();
        summary_ = tr("Il pannello del giorno non può essere calcolato: %1").arg(why);
    } else {
        std::vector<double> energies;
        for (const MealFigures &meal : meals_)
            energies.push_back(std::max(0.0, meal.energy.amount.value_or(0)));
        const std::vector<qint64> shares = wholePercentShares(energies);
        for (std::size_t m = 0; m < shares.size(); ++m)
            meals_[m].share = shares[m];
        day_ = nutrientProfile(*nutrients, whole);
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
    const std::vector<NutrientRowText> rows = nutrientRowTexts(nutrients, day_, reference, locale);
    const auto lineOf = [&](const char *key, bool withRange) {
        const auto row = std::find_if(rows.cbegin(), rows.cend(),
                                      [&](const NutrientRowText &r) { return r.nutrient->key == QLatin1String(key); });
        if (row == rows.cend())
            return Line{};
        Line line{row->nutrient->shownName(), row->amountText() + u' ' + row->nutrient->unit, {}, {}};
        if (!row->amount->amount)
            line.amount = row->amountText();
        if (withRange && row->reference) {
            line.reference = row->referenceWithKind();
            switch (intakeStatus(row->reference, row->amount->amount)) {
            case IntakeStatus::BelowAverage:
            case IntakeStatus::BelowReference: line.status = tr("sotto l'intervallo"); break;
            case IntakeStatus::Reached: line.status = tr("nell'intervallo"); break;
            case IntakeStatus::AboveMaximum: line.status = tr("sopra l'intervallo"); break;
            case IntakeStatus::None: break;
            }
        }
        return line;
    };
    for (const char *key : {"ENERC_KCAL", "PROCNT", "FAT", "CHOCDF", "FIBTG"})
        if (Line line = lineOf(key, false); !line.name.isEmpty())
            totals_.push_back(line);
    for (const char *key : {"EN_PROT", "EN_FAT", "EN_CHO"})
        if (Line line = lineOf(key, true); !line.name.isEmpty())
            split_.push_back(line);
    const auto energy = nutrients.indexOf(QStringLiteral("ENERC_KCAL"));
    const NutrientAmount dayEnergy = energy ? day_.at(*energy) : NutrientAmount{};
    const QString kcal = dayEnergy.amount
                             ? boundText(dayEnergy) + formatAmount(*dayEnergy.amount, Amount::Kilocalories, locale)
                             : tr("n.d.");
    const std::optional<double> requirement = main_.requirementKcal();
    if (requirement && *requirement > 0 && dayEnergy.amount)
        summary_ = tr("Giorno %1 kcal = %2 % di %3 kcal")
                       .arg(kcal,
                            boundText(dayEnergy) + formatDecimals(*dayEnergy.amount * 100 / *requirement, 0, locale),
                            formatAmount(*requirement, Amount::Kilocalories, locale));
    else
        summary_ = tr("Giorno %1 kcal; nessun fabbisogno calcolato con cui confrontarlo").arg(kcal);
}

}  // namespace velmo
