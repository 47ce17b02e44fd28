// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace velmo {

// The languages Velmo speaks. Italian is the language its texts are written in; no file depends on
// the language (meal files, CSV column keys and category headings in files stay Italian), so a file
// written under one language opens under the other.
enum class Language { Italian, English };

// "it" or "en", also with a region or an encoding ("en_GB.UTF-8", "it-CH"); none for anything else.
std::optional<Language> languageFromCode(QStringView code);

// The language the interface speaks: `--lingua it|en` (or `--lingua=…`) among `arguments` when
// given; otherwise the first entry of LANGUAGE that Velmo speaks; otherwise the messages locale
// (LC_ALL, LC_MESSAGES, LANG, the first one set): English when it is English, Italian for every
// other. None, with the reason in `error` (in the language installed so far), for a `--lingua`
// that names no language Velmo speaks.
std::optional<Language> chooseLanguage(const QStringList &arguments, QString *error);

// Makes every text from now on speak `language`: Velmo's translation and Qt's own (buttons of the
// standard dialogs). Italian needs only the plural forms. Call once, after the application object
// is made and before any text is built. False when a translation could not be loaded: the program
// then speaks Italian.
bool installLanguage(Language language);

// chooseLanguage() and installLanguage() for a console program: the language asked for, or when
// `--lingua` names none Velmo speaks, the environment's, so that the refusal in `error` speaks it.
// None for such a `--lingua`.
std::optional<Language> installChosenLanguage(const QStringList &arguments, QString *error);

// The language installLanguage() made current; Italian until it is called.
Language currentLanguage();

}  // namespace velmo
