#include "meal/mealgrid.h"

#include <algorithm>

namespace velmo {

const std::array<QString, 8> &valueColumnHeadings()
{
    static const std::array<QString, 8> texts{QStringLiteral("Peso lordo: g"), QStringLiteral(" Peso netto: g"),
                                              QStringLiteral("Protidi: g"),    QStringLiteral("Lipidi: g"),
                                              QStringLiteral("Glucidi: g"),    QStringLiteral("Energia: kcal"),
                                              QStringLiteral("Fibra alim: g"), QStringLiteral("Colesterolo: mg")};
    return texts;
}

MealGrid::MealGrid(QObject *parent) : QObject(parent)
{
    rows_[0].visible = true;
}

const QString &MealGrid::totalText(MealColumn column) const
{
    const auto it = std::find(kValueColumns.begin(), kValueColumns.end(), column);
    Q_ASSERT(it != kValueColumns.end());
    return totals_.texts[static_cast<std::size_t>(it - kValueColumns.begin())];
}

std::optional<int> MealGrid::openRow() const
{
    for (int r = 0; r < kMealRows; ++r)
        if (row(r).visible && row(r).lock == 0)
            return r;
    return std::nullopt;
}

void MealGrid::setCellText(int r, MealColumn c, const QString &text)
{
    MealCell &cell = mutableRow(r).cell(c);
    // A value written into a cell that `zero` once painted white must not stay invisible.
    const bool recolour = !text.isEmpty() && cell.textColour != CellTextColour::WindowText;
    if (cell.text == text && !recolour)
        return;
    cell.text = text;
    if (recolour)
        cell.textColour = CellTextColour::WindowText;
    emit cellChanged(r, c);
}

void MealGrid::setRowVisible(int r)
{
    MealRow &target = mutableRow(r);
    if (target.visible)
        return;
    target.visible = true;
    emit rowStateChanged(r);
}

void MealGrid::setRowLook(int r, CellAlignment alignment, CellBackground background)
{
    for (MealColumn c : kNutrientColumns)
        setCellProperty(r, c, &MealCell::alignment, alignment);
    setCellProperty(r, MealColumn::Gross, &MealCell::alignment, alignment);
    setCellProperty(r, MealColumn::Net, &MealCell::alignment, alignment);

    setCellProperty(r, MealColumn::Name, &MealCell::background, background);
    for (MealColumn c : kNutrientColumns)
        setCellProperty(r, c, &MealCell::background, background);
    setCellProperty(r, MealColumn::Gross, &MealCell::background, background);
    setCellProperty(r, MealColumn::Net, &MealCell::background, background);
}

void MealGrid::setTotalText(int index, const QString &text)
{
    QString &total = totals_.texts[static_cast<std::size_t>(index)];
    if (total == text)
        return;
    total = text;
    emit totalsChanged();
}

void MealGrid::resetTextColours()
{
    for (MealColumn c : kValueColumns)
        for (int r = 0; r < kMealRows; ++r)
            setCellProperty(r, c, &MealCell::textColour, CellTextColour::WindowText);
}

}  // namespace velmo
