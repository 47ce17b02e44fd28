#include "meal/mealgrid.h"

#include "common/numbertext.h"

#include <cmath>
#include <optional>

namespace velmo {

void MealGrid::calblocca(int r)
{
    if (row(r).lock == 1 && row(r).cell(MealColumn::Gross).text.isEmpty()) {
        if (dialogs_)
            dialogs_->message(QStringLiteral("Inserire quantità sul campo peso lordo"), QStringLiteral("Attenzione"),
                              MessageIcon::Critical);
        // Runs this row's unlock handling nested, which empties the row.
        setLock(r, 0);
        return;
    }
    if (row(r).lock == 1 && r + 1 < kMealRows)
        setRowVisible(r + 1);
    if (row(r).lock == 1)
        calcolitab(r);
}

void MealGrid::calcolitab(int r)
{
    const QLocale locale;

    // The edible percentage is read with "." as decimal point, as the browser shows whole
    // percentages; an overflowing weight leaves the net weight without a value.
    std::optional<double> net;
    const auto gross = readLeadingNumber(row(r).cell(MealColumn::Gross).text);
    const auto edible = readLeadingNumber(row(r).cell(MealColumn::Net).text);
    if (gross && edible) {
        const double value = *gross * *edible / 100.0;
        if (std::isfinite(value))
            net = value;
    }
    setCellText(r, MealColumn::Net, net ? formatPlain(*net, locale) : QString());

    // Each nutrient is its own step: a cell that does not read as a number keeps its text. The
    // net weight is read back from the text just written, as the user sees it.
    for (MealColumn c : kNutrientColumns) {
        const auto per100 = readLocaleNumber(row(r).cell(c).text, locale);
        const auto grams = readLocaleNumber(row(r).cell(MealColumn::Net).text, locale);
        if (!per100 || !grams)
            continue;
        const double value = *per100 * *grams / 100.0;
        if (!std::isfinite(value))
            continue;
        setCellText(r, c, formatGrouped2(value, locale));
    }

    setRowLook(r, CellAlignment::Right, CellBackground::Calculated);
}

}  // namespace velmo
