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
    if (!data1_.recordSource().isEmpty())
        data1_.refresh();
}

void MainWindowModel::navigateFirst()
{
    refreshQuietly();
    data1_.moveFirst();
}

void MainWindowModel::navigateLast()
{
    refreshQuietly();
    data1_.moveLast();
}

void MainWindowModel::navigatePrevious()
{
    if (!data1_.bof().value_or(false)) {
        data1_.movePrevious();
        if (data1_.bof().value_or(true)) {
            refreshQuietly();
            data1_.moveFirst();
            dialogs_.message(QStringLiteral("Sei all'inizio dell'Archivio"), QStringLiteral("Attenzione"),
                             MessageIcon::Critical);
        }
    } else {
        refreshQuietly();
        data1_.moveLast();
    }
}

void MainWindowModel::navigateNext()
{
    if (!data1_.eof().value_or(false)) {
        data1_.moveNext();
        if (data1_.eof().value_or(true)) {
            refreshQuietly();
            data1_.moveLast();
            dialogs_.message(QStringLiteral("Sei alla fine dell'Archivio"), QStringLiteral("Attenzione"),
                             MessageIcon::Critical);
        }
    } else {
        refreshQuietly();
        data1_.moveFirst();
    }
}

}  // namespace velmo
