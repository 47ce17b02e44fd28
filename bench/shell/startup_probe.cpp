// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The program's start-up as a whole process, up to its main window shown, then out: what
// bench/shell/startup_ratio.sh times against bare_chart_window. Given a file name, it also saves
// the window as drawn there (PNG), so that a change meant to speed the start can be checked to
// leave the look as it was.
#include "catalogue/fooddatabase.h"
#include "common/programdir.h"
#include "ui/shell/appwindows.h"
#include "ui/shell/mainwindow.h"
#include "ui/shell/startup.h"

#include <QApplication>
#include <QPixmap>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString error;
    velmo::ui::prepareApplication(
        velmo::chooseLanguage(QCoreApplication::arguments(), &error).value_or(velmo::Language::Italian));
    velmo::ui::AppWindows windows;
    if (!windows.start(velmo::programFile(QString::fromLatin1(velmo::FoodDatabase::kFileName)), &error))
        return 1;
    QCoreApplication::processEvents();
    if (!windows.mainWindow()->isVisible())
        return 1;
    if (argc > 1 && !windows.mainWindow()->grab().save(QString::fromLocal8Bit(argv[1]), "PNG"))
        return 1;
    return 0;
}
