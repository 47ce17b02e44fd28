#include "shell/mainwindowmodel.h"

namespace velmo {

// The toolbar handler skips every step that fails and goes on with the next one; a test that
// cannot be made (no recordset yet) counts as passed. That is why, before any category has been
// chosen, "next" and "previous" still end with their message while "first" and "last" do nothing.

void MainWindowModel::toolbarButtonClicked(int position)
{
    switch (position) {
    case First: navigateFirst(); break;
    case Previous: navigateStep(false); break;
    case Next: navigateStep(true); break;
    case Last: navigateLast(); break;
    case Print: emit printRequested(); break;
    case Help: emit helpRequested(); break;
    case Exit: exitClicked(); break;
    default: break;  // the separators
    }
}

void MainWindowModel::refreshQuietly()
{
    // Without a record source there is nothing to re-read: the step fails and is skipped.
    if (!dataControl_.recordSource().isEmpty())
        dataControl_.refresh();
}

void MainWindowModel::navigateFirst()
{
    refreshQuietly();
    dataControl_.moveFirst();
}

void MainWindowModel::navigateLast()
{
    refreshQuietly();
    dataControl_.moveLast();
}

// "Previous" and "next" are one step in opposite directions: past the end they go back to the
// edge with a message; at the edge already, they wrap to the other end.
void MainWindowModel::navigateStep(bool forward)
{
    const auto atEdge = [&] { return forward ? dataControl_.eof() : dataControl_.bof(); };
    const auto toEdge = [&] { forward ? dataControl_.moveLast() : dataControl_.moveFirst(); };
    const auto toOtherEnd = [&] { forward ? dataControl_.moveFirst() : dataControl_.moveLast(); };
    if (!atEdge().value_or(false)) {
        forward ? dataControl_.moveNext() : dataControl_.movePrevious();
        if (atEdge().value_or(true)) {
            refreshQuietly();
            toEdge();
            dialogs_.message(forward ? QStringLiteral("Sei alla fine dell'Archivio")
                                     : QStringLiteral("Sei all'inizio dell'Archivio"),
                             QStringLiteral("Attenzione"), MessageIcon::Critical);
        }
    } else {
        refreshQuietly();
        toOtherEnd();
    }
}

}  // namespace velmo
