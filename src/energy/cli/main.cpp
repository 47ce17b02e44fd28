// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/consoleoutput.h"
#include "common/translation.h"
#include "energy/cli/fabbisognocli.h"

#include <QCoreApplication>
#include <QLocale>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char **argv)
{
    velmo::ConsoleOutput output;
    QCoreApplication app(argc, argv);
#ifdef Q_OS_WIN
    // The texts are UTF-8 ("Attività"); the console must read them so.
    SetConsoleOutputCP(CP_UTF8);
#endif
    // The result is gathered first and written in one checked piece: a stream on standard output
    // would drop a write error on the floor.
    QString result;
    QString messages;
    QTextStream out(&result);
    QTextStream err(&messages);
    QStringList arguments = QCoreApplication::arguments();
    // The language first: every text from here on speaks it. One that Velmo does not speak is
    // an input error like any other option's value, told in the environment's language.
    QString languageError;
    if (!velmo::installChosenLanguage(arguments, &languageError)) {
        velmo::writeStandardError(languageError + u'\n');
        return velmo::kCalculatorInputError;
    }
    arguments.removeFirst();
    const int code = velmo::runEnergyCalculator(arguments, out, err, QLocale::system());
    out.flush();
    err.flush();
    velmo::writeStandardError(messages);
    if (code != 0)
        return code;
    if (out.status() != QTextStream::Ok || !output.write(result) || !output.close()) {
        velmo::writeStandardError(output.failureMessage(QStringLiteral("velmo-fabbisogno")) + u'\n');
        return velmo::kOutputFailure;
    }
    return 0;
}
