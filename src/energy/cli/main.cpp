#include "energy/cli/fabbisognocli.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return velmo::runEnergyCalculator(arguments, out, err, QLocale::system());
}
