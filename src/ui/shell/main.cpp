#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "ui/shell/appwindows.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmo"));
    QApplication::setOrganizationName(QStringLiteral("Velmo"));

    // The system's own dialogs (files, printing) speak Italian like the rest of the program.
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtItalian);

    velmo::ui::AppWindows windows;
    QString error;
    if (!windows.start(velmo::programFile(QString::fromLatin1(velmo::FoodDatabase::kFileName)), &error)) {
        QMessageBox::critical(nullptr, QStringLiteral("Velmo"), error);
        return 1;
    }
    return app.exec();
}
