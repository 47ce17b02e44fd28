#include "ui/shell/qtitalian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace velmo::ui {

void installQtItalian(QCoreApplication &app)
{
    auto *qtItalian = new QTranslator(&app);
    if (qtItalian->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtItalian);
    else
        delete qtItalian;
}

}  // namespace velmo::ui
