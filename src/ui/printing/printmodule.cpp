// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/printmodule.h"

#include "ui/printing/printsetupwindow.h"
#include "ui/printing/windowcapture.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

namespace velmo::ui {

namespace {

// A picture box is a label that shows a picture.
QLabel *pictureBox(QWidget *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    return label && !label->pixmap().isNull() ? label : nullptr;
}

printing::PrintObject describe(QWidget *object)
{
    using printing::ObjectKind;
    const ObjectKind kind = object->isWindow()   ? ObjectKind::Window
                            : pictureBox(object) ? ObjectKind::PictureBox
                                                 : ObjectKind::Other;
    return {kind, object->objectName(), object->width()};
}

QImage capture(QWidget *object, printing::ObjectKind kind)
{
    if (kind == printing::ObjectKind::Window)
        return captureWindow(object);
    return pictureBox(object)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

PrintModule::PrintModule(velmo::PrinterService &printers, velmo::Dialogs &dialogs)
    : printers_(printers), dialogs_(dialogs), model_(printers, dialogs)
{
}

void PrintModule::measureSheet(int &widthMm, int &heightMm, std::optional<int> orientation)
{
    const QSize sheet = model_.printableSheet(orientation);
    widthMm = sheet.width();
    heightMm = sheet.height();
}

void PrintModule::printWindowImage(QWidget *object, int x, int y, int w, int h, int orientation, const QString &title,
                                   float scale)
{
    if (!model_.openPrinterInUse())
        return;
    printing::PrintWindowModel model(printers_, dialogs_);
    if (object) {
        const printing::PrintObject described = describe(object);
        std::optional<printing::PrintRequest> request = model_.requestFor(described,
                                                                          {{x, y, w, h}, orientation, title, scale});
        if (!request)
            return;
        request->image = capture(object, described.kind);
        if (!model_.acceptCapture(request->image, described.kind))
            return;
        model.loadObject(*request);
    } else {
        model.loadWithoutObject(orientation);
    }

    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    PrintSetupWindow window(model, object ? object->window() : nullptr);
    model.activate();
    if (onWindowReady)
        onWindowReady(window);
    window.exec();
}

}  // namespace velmo::ui
