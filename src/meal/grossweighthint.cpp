// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "meal/grossweighthint.h"

#include "meal/mealgrid.h"

#include <QCoreApplication>

#include <algorithm>

namespace velmo {

namespace {

struct Hint {
    Q_DECLARE_TR_FUNCTIONS(GrossWeightHint)
};

bool isDecimalSeparator(QChar c)
{
    return c == u',' || c == u'.';
}

QString decimalsRefused()
{
    return Hint::tr("Solo grammi interi: i decimali non sono accettati");
}

QString digitsOnly()
{
    return Hint::tr("Solo cifre: il peso lordo si scrive in grammi interi");
}

}  // namespace

QString grossKeyHint(int keyAscii, bool locked)
{
    const bool control = (keyAscii >= 0 && keyAscii < 32) || keyAscii == 127;
    if (locked && !control)
        return Hint::tr("Riga bloccata: togli la spunta per cambiare il peso lordo");
    if (locked || MealGrid::grossKeyPress(keyAscii) != 0)
        return {};
    if (keyAscii == 13)
        return Hint::tr("Invio non calcola la riga: spunta la sua casella di blocco (Tab, poi Spazio)");
    if (control)
        return {};
    return isDecimalSeparator(QChar(keyAscii)) ? decimalsRefused() : digitsOnly();
}

QString grossTextHint(QStringView text)
{
    if (MealGrid::acceptsGrossText(text))
        return {};
    if (std::any_of(text.begin(), text.end(), isDecimalSeparator))
        return decimalsRefused();
    if (MealGrid::allDigits(text))
        return Hint::tr("Al massimo %1 cifre: il peso lordo arriva a %2 g")
            .arg(kMaxGrossWeightDigits)
            .arg(QString(kMaxGrossWeightDigits, u'9'));
    return digitsOnly();
}

}  // namespace velmo
