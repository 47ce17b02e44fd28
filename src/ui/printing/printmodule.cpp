#include "ui/printing/printmodule.h"

#include "ui/printing/frmstampafpb.h"
#include "ui/printing/windowcapture.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>

namespace velmo::ui {

using printing::errorTitle;

namespace {

// A picture box is a label that shows a picture.
QLabel *pictureBox(QWidget *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    return label && !label->pixmap().isNull() ? label : nullptr;
}

}  // namespace

PrintModule::PrintModule(velmo::PrinterService &printers, velmo::Dialogs &dialogs)
    : printers_(printers), dialogs_(dialogs), routines_(printers, dialogs)
{
}

void PrintModule::FoglioStampa(int &widthMm, int &heightMm, std::optional<int> orientation)
{
    widthMm = -1;
    heightMm = -1;
    if (!routines_.OpenDocPrinter(printers_.printerInUse()))
        return;
    if (orientation && *orientation != 1 && *orientation != 2) {
        dialogs_.message(QStringLiteral("Orientamento errato"), errorTitle(QStringLiteral("FoglioStampa")), MessageIcon::Critical);
        return;
    }
    if (orientation) {
        PrinterSettings settings = printers_.settings();
        settings.orientation = *orientation;
        printers_.setSettings(settings);
    }
    const PrintableSheet sheet = routines_.SheetSize();
    if (!sheet.ok)
        return;
    widthMm = sheet.widthMm;
    heightMm = sheet.heightMm;
}

void PrintModule::fail(const QString &text)
{
    dialogs_.message(text, errorTitle(QStringLiteral("StampaFPB")), MessageIcon::Critical);
}

bool PrintModule::Legge_Form(QWidget *window, QImage &image)
{
    image = captureWindow(window);
    if (image.isNull() || printing::bytesPerLine(24, image.width()) * image.height() == 0) {
        dialogs_.message(QStringLiteral("Formato grafico sconosciuto.\n\nL' operazione di stampa viene interrotta."),
                         errorTitle(QStringLiteral("Legge_Form")), MessageIcon::Critical);
        image = QImage();
        return false;
    }
    return true;
}

bool PrintModule::Legge_PictureBox(QWidget *box, QImage &image)
{
    image = pictureBox(box)->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    if (image.isNull() || printing::bytesPerLine(24, image.width()) * image.height() == 0) {
        dialogs_.message(QStringLiteral("Formato grafico sconosciuto.\n\nL' operazione di stampa viene interrotta."),
                         errorTitle(QStringLiteral("Legge_PictureBox")), MessageIcon::Critical);
        image = QImage();
        return false;
    }
    return true;
}

void PrintModule::StampaFPB(QWidget *object, int x, int y, int w, int h, int orientation, const QString &title, float scale)
{
    if (printers_.printerInUse().isEmpty()) {
        if (!routines_.OpenDocPrinter(QString()))
            return;
        printers_.setPrinterInUse(printers_.openPrinterName());
    } else if (printers_.openPrinterName() != printers_.printerInUse()) {
        // Opened again, with its message if it fails, when the window selects it.
        printers_.openPrinter(printers_.printerInUse());
    }

    printing::PrintWindowModel model(printers_, dialogs_);
    if (object) {
        const bool window = object->isWindow();
        if (!window && !pictureBox(object)) {
            const QString wrongKind = QStringLiteral("L' oggetto da stampare\ne' di tipo errato.");
            fail(object->objectName().isEmpty() ? wrongKind
                                                : QStringLiteral("Stampa di ") + object->objectName() + QStringLiteral("\n\n") + wrongKind);
            return;
        }
        // Negative sizes are as meaningless as zero ones and would turn the proportions upside down.
        if (w <= 0 || h <= 0) {
            fail(QStringLiteral("Parametri errati.\n\nLa larghezza e l' altezza di stampa\nrichieste devono essere > 0."));
            return;
        }
        // Without a scale the picture's natural width is the object's own, in twips.
        const double reference = scale != 0 ? static_cast<double>(scale) * w : object->width() * 15.0;
        QImage image;
        const bool captured = window ? Legge_Form(object, image) : Legge_PictureBox(object, image);
        if (!captured) {
            fail(QStringLiteral("Si e' verificata una condizione\ninaspettata elaborando l' immagine."));
            return;
        }
        model.loadObject({image, {x, y, w, h}, reference, title.isEmpty() ? object->objectName() : title, orientation});
    } else {
        model.loadWithoutObject(orientation);
    }

    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    frmStampaFPB window(model, object && object->isWindow() ? object : (object ? object->window() : nullptr));
    model.activate();
    if (onWindowReady)
        onWindowReady(window);
    window.exec();
}

}  // namespace velmo::ui
