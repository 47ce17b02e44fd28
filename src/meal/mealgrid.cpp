#include "meal/mealgrid.h"

namespace velmo {

MealGrid::MealGrid(QObject *parent) : QObject(parent)
{
    rows_[0].visible = true;
}

void MealGrid::setCellText(int r, MealColumn c, const QString &text)
{
    MealCell &cell = mutableRow(r).cell(c);
    if (cell.text == text)
        return;
    cell.text = text;
    emit cellChanged(r, c);
}

void MealGrid::setCellLook(int r, MealColumn c, CellAlignment alignment, CellBackground background)
{
    MealCell &cell = mutableRow(r).cell(c);
    if (cell.alignment == alignment && cell.background == background)
        return;
    cell.alignment = alignment;
    cell.background = background;
    emit cellChanged(r, c);
}

void MealGrid::setCellTextColour(int r, MealColumn c, CellTextColour colour)
{
    MealCell &cell = mutableRow(r).cell(c);
    if (cell.textColour == colour)
        return;
    cell.textColour = colour;
    emit cellChanged(r, c);
}

void MealGrid::setTotalText(int index, const QString &text)
{
    totals_.texts[static_cast<std::size_t>(index)] = text;
    emit totalsChanged();
}

void MealGrid::resetTextColours()
{
    for (MealColumn c : kValueColumns)
        for (int r = 0; r < kMealRows; ++r)
            setCellTextColour(r, c, CellTextColour::WindowText);
}

}  // namespace velmo
