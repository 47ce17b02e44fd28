#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    velmo::ui::prepareApplication(app);

    velmo::ui::AppWindows windows;
    QString error;
    if (!windows.start(velmo::programFile(QString::fromLatin1(velmo::FoodDatabase::kFileName)), &error)) {
        QMessageBox::critical(nullptr, QStringLiteral("Velmo"), error);
        return 1;
    }
    // `velmo FILE`: a meal file opened as "&Apri..." opens it; a bad one leaves the table empty.
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        windows.openMealFile(arguments.at(1));
    // For checks of an installation (and the screenshots): the program ends as soon as its main
    // window is on the screen, with 0, or with 1 if the window is not there.
    if (velmo::ui::quitOnceShown()) {
        QTimer::singleShot(0, &app, [&windows] {
            QCoreApplication::exit(windows.mainWindow() && windows.mainWindow()->isVisible() ? 0 : 1);
        });
    }
    return app.exec();
}
