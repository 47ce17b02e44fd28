#include "meal/mealgrid.h"

namespace velmo {

void MealGrid::inseri(const CurrentFood &food)
{
    // Pass 1: release every unlocked row; the gross weight typed in it stays.
    for (int r = 0; r < kMealRows; ++r) {
        if (row(r).lock != 0)
            continue;
        for (MealColumn c : {MealColumn::Net, MealColumn::Name, MealColumn::Prot, MealColumn::Lip, MealColumn::Gluc,
                             MealColumn::Ener, MealColumn::Fib, MealColumn::Col})
            setCellText(r, c, QString());
    }

    // Pass 2: every row is tested against what the earlier rows of this pass left.
    std::array<bool, kMealRows> lockedRowFilled{};
    for (int r = 0; r < kMealRows; ++r) {
        const MealRow &current = row(r);
        if (!current.isFree())
            continue;
        bool rowsBeforeLockedAndTaken = true;
        for (int k = 0; k < r && rowsBeforeLockedAndTaken; ++k)
            rowsBeforeLockedAndTaken = row(k).taken() && row(k).lock == 1;
        if (current.lock == 0 && rowsBeforeLockedAndTaken)
            fillRow(r, food);
        else if (current.lock == 1) {
            fillRow(r, food);
            lockedRowFilled[static_cast<std::size_t>(r)] = true;
        }
    }

    // A locked row that had no food was locked for a weight: the food it receives is a portion
    // of the meal at once, calculated and counted, or, when it cannot be calculated, the row is
    // released as a row without gross weight is. Values per 100 g never stand in a locked row.
    bool lockedRowChanged = false;
    for (int r = 0; r < kMealRows; ++r) {
        if (!lockedRowFilled[static_cast<std::size_t>(r)] || row(r).lock != 1)
            continue;
        if (calcolitab(r))
            lockedRowChanged = true;
        else
            setLock(r, 0);  // its unlock handling takes the totals again
    }
    if (lockedRowChanged) {
        recomputeTotals();
        updateChart();
    }
}

void MealGrid::fillRow(int r, const CurrentFood &food)
{
    setCellText(r, MealColumn::Name, food.name);
    setCellText(r, MealColumn::Net, food.fields[0]);
    for (std::size_t i = 0; i < kNutrientColumns.size(); ++i)
        setCellText(r, kNutrientColumns[i], food.fields[i + 2]);
}

}  // namespace velmo
