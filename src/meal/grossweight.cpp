#include "meal/mealgrid.h"

namespace velmo {

int MealGrid::textplKeyPress(int keyAscii)
{
    // Control codes keep editing keys such as backspace working; only digits enter the box, so
    // the gross weight is always a whole number of grams.
    if ((keyAscii >= 0 && keyAscii <= 9) || (keyAscii >= '0' && keyAscii <= '9'))
        return keyAscii;
    return 0;
}

QString MealGrid::digitsOnly(QStringView text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    return digits;
}

void MealGrid::setGrossText(int r, const QString &text)
{
    setCellText(r, MealColumn::Gross, digitsOnly(text));
}

void MealGrid::grossClicked(int r)
{
    setCellTextColour(r, MealColumn::Gross, CellTextColour::WindowText);
}

}  // namespace velmo
