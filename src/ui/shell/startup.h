#pragma once

class QApplication;
class QStyle;

namespace velmo::ui {

// What the program sets in the application before its first window: its name, Qt's own texts
// (the system's file and printing dialogs, the standard buttons) in Italian when Qt's Italian
// translations are installed, and a style that is the platform's own except that it reads the
// pictures of the menu bar's and toolbars' extension buttons (shown only when the items do not
// fit) when they are first drawn: reading them at start-up woke every image format plugin.
void prepareApplication(QApplication &app);

// That style, new: the platform's own with the extension buttons' pictures read when first drawn.
QStyle *newStartUpStyle();

}  // namespace velmo::ui
