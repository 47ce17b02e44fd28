#include "meal/mealgrid.h"

#include "common/numbertext.h"

#include <cmath>
#include <optional>

namespace velmo {

void MealGrid::calblocca(int r)
{
    if (row(r).lock != 1)
        return;
    // A row that cannot be calculated is refused like a row without gross weight: a locked row
    // showing its values per 100 g would be added up as grams.
    const std::optional<Portion> computed = portion(r);
    if (!computed) {
        if (dialogs_)
            dialogs_->message(QStringLiteral("Inserire quantità sul campo peso lordo"), warningTitle(),
                              MessageIcon::Critical);
        // Runs this row's unlock handling nested, which empties the row.
        setLock(r, 0);
        return;
    }
    if (r + 1 < kMealRows)
        setRowVisible(r + 1);
    writePortion(r, *computed);
}

bool MealGrid::calcolitab(int r)
{
    const std::optional<Portion> computed = portion(r);
    if (!computed)
        return false;
    writePortion(r, *computed);
    return true;
}

std::optional<MealGrid::Portion> MealGrid::portion(int r) const
{
    const MealRow &target = row(r);
    const QString &grossText = target.cell(MealColumn::Gross).text;
    if (grossText.isEmpty())
        return std::nullopt;
    const QLocale locale;

    // The edible percentage is read with "." as decimal point, as the browser shows whole
    // percentages.
    const auto gross = readLeadingNumber(grossText);
    const auto edible = readLeadingNumber(target.cell(MealColumn::Net).text);
    if (!gross || !edible)
        return std::nullopt;
    const double net = *gross * *edible / 100.0;
    if (!std::isfinite(net))
        return std::nullopt;
    Portion p;
    p.net = formatPlain(net, locale);

    // The nutrients take the net weight as the user sees it. A value the database does not have
    // stays empty; any other text must be a number.
    const auto grams = readLocaleNumber(p.net, locale);
    if (!grams)
        return std::nullopt;
    for (std::size_t i = 0; i < kNutrientColumns.size(); ++i) {
        const QString &text = target.cell(kNutrientColumns[i]).text;
        if (text.isEmpty())
            continue;
        const auto per100 = readLocaleNumber(text, locale);
        if (!per100)
            return std::nullopt;
        const double value = *per100 * *grams / 100.0;
        if (!std::isfinite(value))
            return std::nullopt;
        p.nutrients[i] = formatGrouped2(value, locale);
    }
    return p;
}

void MealGrid::writePortion(int r, const Portion &p)
{
    setCellText(r, MealColumn::Net, p.net);
    for (std::size_t i = 0; i < kNutrientColumns.size(); ++i)
        setCellText(r, kNutrientColumns[i], p.nutrients[i]);
    setRowLook(r, CellAlignment::Right, CellBackground::Calculated);
}

}  // namespace velmo
