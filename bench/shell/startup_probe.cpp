// The program's start-up as a whole process, up to its main window shown, then out: what
// bench/shell/startup_ratio.sh times against bare_chart_window.
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);
    velmo::ui::AppWindows windows;
    QString error;
    if (!windows.start(velmo::programFile(QString::fromLatin1(velmo::FoodDatabase::kFileName)), &error))
        return 1;
    QCoreApplication::processEvents();
    return windows.mainWindow()->isVisible() ? 0 : 1;
}
