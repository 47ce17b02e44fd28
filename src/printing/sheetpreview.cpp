// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/sheetpreview.h"

#include "common/numbertext.h"
#include "common/safefile.h"
#include "common/userfolder.h"

#include <QBuffer>
#include <QDir>

namespace velmo::printing {

SheetPreview::SheetPreview(Dialogs &dialogs, QObject *parent) : QObject(parent), dialogs_(dialogs)
{
    blink_.setInterval(500);
    connect(&blink_, &QTimer::timeout, this, &SheetPreview::blinkTicked);
}

void SheetPreview::setImage(const QImage &image)
{
    image_ = image;
    source_ = QImage();
}

void SheetPreview::setSheet(QSize sheetMm)
{
    sheetMm_ = sheetMm;
    outlineTwips_ = printing::outlineTwips(sheetMm.width(), sheetMm.height());
}

QSize SheetPreview::box() const
{
    return {twipsToPixels(outlineTwips_.width()), twipsToPixels(outlineTwips_.height())};
}

void SheetPreview::draw(const MmRect &rect, bool monochrome)
{
    showOutOfSheet(outOfSheet(rect, sheetMm_.width(), sheetMm_.height()));
    if (source_.isNull() || sourceGrey_ != monochrome) {
        // Greying the whole picture is the slow part of a redraw; it only changes with the printer.
        source_ = monochrome ? greyed(image_) : image_;
        sourceGrey_ = monochrome;
    }
    drawOnSheet(source_, false, rect, box(), picture_, PrintStep::RedrawPreview);
}

void SheetPreview::zoom(const MmRect &rect, bool monochrome, QSize area)
{
    const int sheetW = sheetMm_.width();
    const int sheetH = sheetMm_.height();
    zoomVisible_ = true;
    if (static_cast<long long>(sheetW) * area.height() <= static_cast<long long>(area.width()) * sheetH)
        zoomOutline_ = {roundHalfEven(static_cast<double>(area.height()) * sheetW / sheetH), area.height()};
    else
        zoomOutline_ = {area.width(), roundHalfEven(static_cast<double>(area.width()) * sheetH / sheetW)};
    drawOnSheet(image_, monochrome, rect, zoomOutline_, zoomPicture_, PrintStep::DrawZoom);
}

void SheetPreview::closeZoom()
{
    zoomVisible_ = false;
    zoomPicture_ = QImage();
}

void SheetPreview::showOutOfSheet(bool out)
{
    outOfSheet_ = out;
    if (out) {
        if (!blink_.isActive())
            blink_.start();
    } else {
        blink_.stop();
        outOfSheetRed_ = false;
    }
}

void SheetPreview::blinkTicked()
{
    outOfSheetRed_ = !outOfSheetRed_;
    emit blinked();
}

void SheetPreview::drawOnSheet(const QImage &source, bool grey, const MmRect &rect, QSize outline, QImage &drawing,
                               PrintStep step)
{
    const auto drawn = PrintRoutines::drawPreview(source, grey, outline, toBox(rect, outline, sheetMm_));
    if (drawn)
        drawing = *drawn;
    else
        dialogs_.message(tr("Errore di Copia"), errorTitle(step), MessageIcon::Critical);
}

QString SheetPreview::filePath()
{
    return QDir(userFolder(QStandardPaths::PicturesLocation)).filePath(QStringLiteral("PicPrev.bmp"));
}

void SheetPreview::save() const
{
    QImage saved = picture_;
    if (saved.isNull()) {
        saved = QImage(box().expandedTo({1, 1}), QImage::Format_RGB32);
        saved.fill(Qt::white);
    }
    // A picture of the user's meal: private, and written whole or not at all.
    const QString path = filePath();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QString reason;
    if (!buffer.open(QIODevice::WriteOnly) || !saved.save(&buffer, "BMP")
        || !writePrivateFileSafely(path, bytes, &reason))
        dialogs_.message(tr("Non posso salvare l'anteprima nel file\n%1").arg(QDir::toNativeSeparators(path)),
                         errorTitle(PrintStep::SavePreview), MessageIcon::Critical);
}

}  // namespace velmo::printing
