// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>

namespace velmo {

// Longer than any food name of the catalogue, short enough to read in one line of a terminal.
inline constexpr int kEchoLength = 80;

// A piece of the user's input as a message quotes it: between double quotes, with control and
// direction-changing characters written visibly ("\x1b", "\0", "\t", "\u202e") so that nothing
// of the input acts on the terminal, and cut to `maxLength` characters with an ellipsis.
QString echoInput(const QString &text, int maxLength = kEchoLength);

// Whether a name holds what no name should: a control character, a line or paragraph separator,
// a character that is invisible or reorders the text around it (a zero-width space, a direction
// mark), or half of a character (a lone surrogate, which no file can keep as it was typed). Two
// names that look the same would be told apart by nothing the user can see.
bool hasHiddenCharacters(QStringView text);

}  // namespace velmo
