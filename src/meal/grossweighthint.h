// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>
#include <QStringView>

namespace velmo {

// Why a gross-weight box did nothing, in words for the status bar. The boxes keep their filter
// (`MealGrid::grossKeyPress`, `MealGrid::acceptsGrossText`); a refusal that says nothing lets
// "1,5" quietly become 15.

// A key typed into a gross-weight box that the box does not take: a decimal separator, Enter,
// any other character, or anything typed into a locked row. Empty for a key the box takes, and
// for the other control codes: Escape and the like are commands, not typing.
QString grossKeyHint(int keyAscii, bool locked);

// A text that reaches a box whole (pasted, dropped, or a digit past the last one the box takes);
// empty for a text the box takes.
QString grossTextHint(QStringView text);

}  // namespace velmo
