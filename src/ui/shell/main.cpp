// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "catalogue/fooddatabase.h"
#include "common/consoleoutput.h"
#include "common/programdir.h"
#include "common/translation.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>

#include <optional>

namespace {

// Exit codes besides 0 and kOutputFailure: no food database; a --lingua Velmo does not speak.
constexpr int kNoDatabase = 1;
constexpr int kUnknownLanguage = 2;

const char *const kHelp = QT_TRANSLATE_NOOP(
    "velmo", "Uso: velmo [--lingua it|en] [FILE]\n"
             "\n"
             "Apre la finestra di Velmo: le calorie e i nutrienti di un pasto composto dagli alimenti scelti\n"
             "per categoria, e il fabbisogno energetico giornaliero. Con FILE apre all'avvio quel pasto (un\n"
             "file .pasto salvato dal menu Pasto, lo stesso testo che legge velmo-pasto); un file che non si\n"
             "può leggere, che non è un file normale o che ha una riga sbagliata è segnalato da un messaggio.\n"
             "\n"
             "Opzioni:\n"
             "  -h, --help         mostra questo aiuto ed esce, senza aprire la finestra\n"
             "  --lingua it|en     la lingua dell'interfaccia: it italiano, en inglese. Senza l'opzione\n"
             "                     vale la variabile d'ambiente LANGUAGE, poi la lingua del sistema\n"
             "                     (LC_ALL, LC_MESSAGES, LANG): inglese se è inglese, altrimenti italiano\n"
             "\n"
             "Con la variabile d'ambiente VELMO_ESCI_DOPO_AVVIO=1 il programma termina appena la finestra\n"
             "principale è mostrata: serve a verificare un'installazione.\n"
             "\n"
             "Codici di uscita: 0 il programma è terminato normalmente; 1 l'archivio degli alimenti manca o\n"
             "non si può leggere (un messaggio lo dice); 2 --lingua non indica né it né en (un messaggio lo\n"
             "dice); 3 impossibile scrivere questo aiuto.\n");

// velmo's options, read by a parser that knows only the help and the language: a program that
// opens a window shows no usage errors, so whatever the parser does not know is taken as a file to
// open, whose opening then says why it cannot be read.
class Options {
public:
    explicit Options(const QStringList &arguments)
    {
        parser_.addOption(help_);
        parser_.addOption(language_);  // read by chooseLanguage
        parser_.addPositionalArgument(QStringLiteral("FILE"), QString());
        parsed_ = parser_.parse(arguments);
        arguments_ = arguments;
    }

    bool help() const { return parsed_ && parser_.isSet(help_); }

    // The meal files named to open at start, if any.
    QStringList mealFiles() const { return parsed_ ? parser_.positionalArguments() : unparsed(); }

private:
    // The arguments but the language, which has been read already.
    QStringList unparsed() const
    {
        QStringList files;
        for (qsizetype i = 1; i < arguments_.size(); ++i) {
            if (arguments_[i] == QStringLiteral("--lingua"))
                ++i;
            else if (!arguments_[i].startsWith(QStringLiteral("--lingua=")))
                files << arguments_[i];
        }
        return files;
    }

    QCommandLineParser parser_;
    QCommandLineOption help_{{QStringLiteral("h"), QStringLiteral("help")}};
    QCommandLineOption language_{QStringLiteral("lingua"), QString(), QStringLiteral("it|en")};
    QStringList arguments_;
    bool parsed_ = false;
};

// The help, in the interface's language, goes to the terminal that asked for it: 0, or
// kOutputFailure when it was lost.
int writeHelp(velmo::ConsoleOutput &output)
{
    if (output.write(QCoreApplication::translate("velmo", kHelp)) && output.close())
        return 0;
    velmo::writeStandardError(output.failureMessage(QStringLiteral("velmo")) + u'\n');
    return velmo::kOutputFailure;
}

}  // namespace

int main(int argc, char **argv)
{
    // The language and the help are read before the window's application exists, so that they
    // need no window or display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString error;
    const std::optional<velmo::Language> language = velmo::chooseLanguage(arguments, &error);
    if (!language) {
        // Refused in the environment's language, as the console programs refuse it.
        const QCoreApplication console(argc, argv);
        velmo::installChosenLanguage(arguments, &error);
        velmo::writeStandardError(QStringLiteral("velmo: %1\n").arg(error));
        return kUnknownLanguage;
    }
    if (Options(arguments).help()) {
        velmo::ConsoleOutput output;  // before anything could open a file where a closed standard output was
        const QCoreApplication console(argc, argv);
        velmo::installLanguage(*language);
        return writeHelp(output);
    }
    velmo::keepFailedWritesAsErrors();
    QApplication app(argc, argv);
    velmo::ui::prepareApplication(*language);

    velmo::ui::AppWindows windows;
    windows.settings().setPath(velmo::Settings::defaultPath());
    if (!windows.start(velmo::programFile(QString::fromLatin1(velmo::FoodDatabase::kFileName)), &error)) {
        // A check of an installation has no one to close a message: it reads the reason and the code.
        if (velmo::ui::quitOnceShown())
            velmo::writeStandardError(QStringLiteral("velmo: %1\n").arg(error));
        else
            QMessageBox::critical(nullptr, QStringLiteral("Velmo"), error);
        return kNoDatabase;
    }
    // `velmo FILE`: a meal file opened as "&Apri..." opens it; a bad one leaves the table empty.
    // Qt's own options (-platform, -style...) are gone from the arguments by now.
    windows.openMealFiles(Options(QCoreApplication::arguments()).mealFiles());
    // For checks of an installation (and the screenshots): the program ends as soon as its main
    // window is on the screen, with 0, or with 1 if the window is not there.
    if (velmo::ui::quitOnceShown()) {
        QTimer::singleShot(0, &app, [&windows] {
            QCoreApplication::exit(windows.mainWindow() && windows.mainWindow()->isVisible() ? 0 : 1);
        });
    }
    return app.exec();
}
