#pragma once

class QCoreApplication;

namespace velmo::ui {

// Qt's own texts (the system's file and printing dialogs, the standard buttons) in Italian like
// the rest of the program, when Qt's Italian translations are installed; owned by `app`.
void installQtItalian(QCoreApplication &app);

}  // namespace velmo::ui
