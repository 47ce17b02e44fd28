// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// Opens the print window over a sample window with the real printer service, for looking at it
// by hand (under Xvfb: take a screenshot while it runs), in the language of `--lingua it|en` or of
// the environment. Not a test.
#include "common/translation.h"
#include "ui/printing/printsetupwindow.h"
#include "ui/printing/printmodule.h"
#include "ui/printing/module/qtprinterservice.h"
#include "sampleswindow.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>

namespace {

class BoxDialogs : public velmo::Dialogs {
public:
    void message(const QString &text, const QString &title, velmo::MessageIcon icon) override
    {
        QMessageBox box(icon == velmo::MessageIcon::Information ? QMessageBox::Information : QMessageBox::Critical,
                        title, text);
        box.exec();
    }
    QString input(const QString &prompt, const QString &title, const QString &prefilled) override
    {
        return QInputDialog::getText(nullptr, title, prompt, QLineEdit::Normal, prefilled);
    }
    velmo::Answer askYesNoCancel(const QString &text, const QString &title) override
    {
        const auto answer = QMessageBox::question(nullptr, title, text,
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return answer == QMessageBox::Yes  ? velmo::Answer::Yes
               : answer == QMessageBox::No ? velmo::Answer::No
                                           : velmo::Answer::Cancel;
    }
    QString saveFileName(const QString &title, const QString &proposedPath, const QString &filter) override
    {
        return QFileDialog::getSaveFileName(nullptr, title, proposedPath, filter);
    }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
};

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QString languageError;
    velmo::installLanguage(velmo::chooseLanguage(app.arguments(), &languageError).value_or(velmo::Language::Italian));
    velmo::QtPrinterService printers;
    BoxDialogs dialogs;
    velmo::ui::PrintModule module(printers, dialogs);
    auto window = velmo::test::makeWindowToPrint();
    window->move(20, 20);
    window->show();
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--zoom")) || args.contains(QStringLiteral("--out"))
        || args.contains(QStringLiteral("--props"))) {
        module.onWindowReady = [&](velmo::ui::PrintSetupWindow &print) {
            QTimer::singleShot(300, &print, [&] {
                if (args.contains(QStringLiteral("--out")))
                    print.field(velmo::printing::Field::Left)->setText(QStringLiteral("40")),
                        print.model().keyReleased(velmo::printing::Field::Left);
                if (args.contains(QStringLiteral("--props")))
                    print.model().propertiesClicked();
                if (args.contains(QStringLiteral("--zoom")))
                    print.model().previewClicked(print.size() - QSize(16, 16));
            });
        };
    }
    QTimer::singleShot(200, [&] {
        int w = 0, h = 0;
        module.measureSheet(w, h, 2);
        if (args.contains(QStringLiteral("--noobject")))
            module.printWindowImage(nullptr, 0, 0, 0, 0, 0, QString(), 0);
        else
            module.printWindowImage(window.get(), 0, 0, w, h, 0, QStringLiteral("Velmo"), 500000);
        app.quit();
    });
    return app.exec();
}
