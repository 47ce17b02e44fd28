#pragma once

#include <QStandardPaths>
#include <QString>

namespace velmo {

// The folder to propose for a file the user saves: the user's own standard folder of that kind
// (documents, pictures …) when it exists, else the home folder. Many systems have no such
// folder, and a save dialog opened on a missing one shows nothing useful.
QString userFolder(QStandardPaths::StandardLocation location);

}  // namespace velmo
