#include "shell/mainwindowmodel.h"

namespace velmo {

// The toolbar handler skips every step that fails and goes on with the next one; a test that
// cannot be made (no recordset yet) counts as passed. That is why, before any category has been
// chosen, "next" and "previous" still end with their message while "first" and "last" do nothing.

void MainWindowModel::toolbarButtonClicked(int position)
{
    switch (position) {
    case First: navigateFirst(); break;
    case Previous: navigatePrevious(); break;
    case Next: navigateNext(); break;
    case Last: navigateLast(); break;
    case Print: emit printRequested(); break;
    case Help: emit helpRequested(); break;
    case Exit: emit exitRequested(); break;
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

void MainWindowModel::navigatePrevious()
{
    if (!dataControl_.bof().value_or(false)) {
        dataControl_.movePrevious();
        if (dataControl_.bof().value_or(true)) {
            refreshQuietly();
            dataControl_.moveFirst();
            dialogs_.message(QStringLiteral("Sei all'inizio dell'Archivio"), QStringLiteral("Attenzione"),
                             MessageIcon::Critical);
        }
    } else {
        refreshQuietly();
        dataControl_.moveLast();
    }
}

void MainWindowModel::navigateNext()
{
    if (!dataControl_.eof().value_or(false)) {
        dataControl_.moveNext();
        if (dataControl_.eof().value_or(true)) {
            refreshQuietly();
            dataControl_.moveLast();
            dialogs_.message(QStringLiteral("Sei alla fine dell'Archivio"), QStringLiteral("Attenzione"),
                             MessageIcon::Critical);
        }
    } else {
        refreshQuietly();
        dataControl_.moveFirst();
    }
}

}  // namespace velmo
