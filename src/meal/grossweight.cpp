#include "meal/mealgrid.h"

#include <algorithm>

namespace velmo {

int MealGrid::grossKeyPress(int keyAscii)
{
    // Control codes keep editing keys such as backspace working; only digits enter the box, so
    // the gross weight is always a whole number of grams.
    if ((keyAscii >= 0 && keyAscii <= 9) || (keyAscii >= '0' && keyAscii <= '9'))
        return keyAscii;
    return 0;
}

bool MealGrid::allDigits(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

bool MealGrid::acceptsGrossText(QStringView text)
{
    return text.size() <= kMaxGrossWeightDigits && allDigits(text);
}

bool MealGrid::setGrossText(int r, const QString &text)
{
    if (row(r).lock != 0 || !acceptsGrossText(text)) {
        // The box may already show what was refused: have it show the row's text again.
        emit cellChanged(r, MealColumn::Gross);
        return false;
    }
    setCellText(r, MealColumn::Gross, text);
    return true;
}

void MealGrid::grossClicked(int r)
{
    setCellProperty(r, MealColumn::Gross, &MealCell::textColour, CellTextColour::WindowText);
}

}  // namespace velmo
