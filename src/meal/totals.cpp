#include "meal/mealgrid.h"

#include "common/numbertext.h"

namespace velmo {

void MealGrid::recomputeTotals()
{
    // `apici` may unlock and empty a row that the sums have just counted (a locked row whose
    // gross weight was deleted afterwards); the sums are then taken once more, so that they
    // always match the rows as they stand. The second pass unlocks nothing more.
    do {
        totalsStale_ = false;
        zero();
        sommax();
    } while (totalsStale_);
}

void MealGrid::zero()
{
    for (MealColumn c : kValueColumns)
        for (int r = 0; r < kMealRows; ++r)
            if (row(r).cell(c).text.isEmpty()) {
                setCellText(r, c, QStringLiteral("0"));
                setCellProperty(r, c, &MealCell::textColour, CellTextColour::White);
            }
}

std::optional<double> MealGrid::cellNumber(int r, std::size_t columnIndex, const QLocale &locale)
{
    const QString &text = row(r).cell(kValueColumns[columnIndex]).text;
    if (!memoActive_)
        return readLocaleNumber(text, locale);
    NumberMemo &memo = memo_[columnIndex * kMealRows + static_cast<std::size_t>(r)];
    if (!memo.valid || memo.text != text)
        memo = {true, text, readLocaleNumber(text, locale)};
    return memo.value;
}

void MealGrid::sommax()
{
    const QLocale locale;
    if (memoLocale_ != locale) {
        for (NumberMemo &memo : memo_)
            memo.valid = false;
        memoLocale_ = locale;
    }
    memoActive_ = true;
    for (std::size_t i = 0; i < kValueColumns.size(); ++i) {
        double sum = 0.0;
        // Only locked rows are portions of the meal: an open row shows the browsed food per
        // 100 g and its edible percentage, which are no grams eaten.
        for (int r = 0; r < kMealRows; ++r)
            if (row(r).lock == 1)
                sum += cellNumber(r, i, locale).value_or(0.0);
        setTotalText(static_cast<int>(i), formatPlain(sum, locale));
    }
    apici();
    memoActive_ = false;
}

void MealGrid::apici()
{
    const QLocale locale;
    for (std::size_t i = 0; i < kValueColumns.size(); ++i)
        for (int r = 0; r < kMealRows; ++r) {
            // A text that is no number is left as it is.
            const auto value = cellNumber(r, i, locale);
            if (value && *value == 0.0)
                setCellText(r, kValueColumns[i], QString());
        }
    // Unlocking empties rows and reads nothing; the numbers read so far may be stale after it.
    memoActive_ = false;
    for (int r = 0; r < kMealRows; ++r)
        if (row(r).cell(MealColumn::Gross).text.isEmpty())
            setLock(r, 0);
}

}  // namespace velmo
