#include "energy/cli/fabbisognocli.h"

#include <QCoreApplication>
#include <QLocale>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The texts are UTF-8 ("Attività"); the console must read them so.
    SetConsoleOutputCP(CP_UTF8);
#endif
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return velmo::runEnergyCalculator(arguments, out, err, QLocale::system());
}
