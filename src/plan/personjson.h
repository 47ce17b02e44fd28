// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "plan/personrules.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

class QIODevice;

namespace velmo {

// A person's whole record as one JSON object (docs/persona-json.md): "formato": "velmo-persona",
// "versione", the details, the weights, the days with their meals and foods. The habitual meals
// are the user's, not the person's, and are not in it. Version 2 adds the rows' portions; a
// record without any is written as version 1, and both are read.
inline constexpr int kOldestPersonJsonVersion = 1;
inline constexpr int kPersonJsonVersion = 2;
// Years of full days fit (written without blanks); it keeps the memory an import takes bounded.
inline constexpr qint64 kMaxPersonJsonBytes = 20 * 1024 * 1024;

// The file's text: UTF-8, indented unless that would pass kMaxPersonJsonBytes, the days in date
// order. A text still larger is no file an import reads: the caller refuses to write it.
QByteArray personJson(const PersonRecord &record);

// Reads a person's file as personJson writes it, every field checked by the store's own rules
// (a birth date after `today` is refused). None, with an Italian message that names the line or
// the field at fault and never a value, when anything is wrong: an import takes all or nothing.
std::optional<PersonRecord> readPersonJson(const QByteArray &bytes, QDate today, QString *error);
// The same from `input`, of which no more than kMaxPersonJsonBytes are read.
std::optional<PersonRecord> readPersonJson(QIODevice &input, QDate today, QString *error);

}  // namespace velmo
