// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/translation.h"

class QIcon;
class QStyle;

namespace velmo::ui {

// What the program sets in the application, once it is made and before its first window: its
// name, the language of every text (Velmo's own and Qt's: the system's file and printing dialogs,
// the standard buttons), and a style that is the platform's own except that it reads the
// pictures of the menu bar's and toolbars' extension buttons (shown only when the items do not
// fit) when they are first drawn: reading them at start-up woke every image format plugin.
void prepareApplication(Language language);

// The program's icon, at the sizes a desktop asks windows for.
QIcon programIcon();

// The program's identity on the desktop: the name of its desktop entry, AppStream and icon files.
inline constexpr const char *kDesktopId = "io.github.velmo.Velmo";

// Whether the program is to end as soon as its main window is shown (environment variable
// VELMO_ESCI_DOPO_AVVIO=1): how an installation is checked without a user.
bool quitOnceShown();

// That style, new: the platform's own with the extension buttons' pictures read when first drawn.
QStyle *newStartUpStyle();

}  // namespace velmo::ui
