// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"
#include "printing/printlayout.h"
#include "printing/printroutines.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>

namespace velmo::printing {

// The sheet as the print window draws it: the outline of the printable sheet, the picture in its
// print rectangle (grey on a monochrome printer), the enlarged view of the sheet, and the warning
// that blinks while the rectangle leaves the sheet. A picture it cannot draw is said in a message.
class SheetPreview : public QObject {
    Q_OBJECT
public:
    explicit SheetPreview(Dialogs &dialogs, QObject *parent = nullptr);

    void setImage(const QImage &image);
    // The printable sheet in millimetres; not positive when the printer could not be measured.
    void setSheet(QSize sheetMm);

    QSize outlineTwips() const { return outlineTwips_; }
    QSize box() const;  // the outline in pixels
    QImage picture() const { return picture_; }
    bool outOfSheetVisible() const { return outOfSheet_; }
    bool outOfSheetRed() const { return outOfSheetRed_; }
    bool blinking() const { return blink_.isActive(); }
    bool zoomVisible() const { return zoomVisible_; }
    QSize zoomOutline() const { return zoomOutline_; }
    QImage zoomPicture() const { return zoomPicture_; }

    // The picture drawn again at `rect` (millimetres from the sheet's top left corner).
    void draw(const MmRect &rect, bool monochrome);
    // The enlarged sheet, as large as `area` allows with the sheet's proportions.
    void zoom(const MmRect &rect, bool monochrome, QSize area);
    void closeZoom();
    // Every half second while the rectangle leaves the sheet: the warning changes colour.
    void blinkTicked();
    // Saves the picture as drawn (a white box when there is none) in filePath().
    void save() const;
    static QString filePath();

signals:
    void blinked();

private:
    void showOutOfSheet(bool out);
    // The picture drawn on a sheet outline of `outline` pixels into `drawing`; "Errore di Copia"
    // under the title of `step` when it cannot be drawn.
    void drawOnSheet(const QImage &source, bool grey, const MmRect &rect, QSize outline, QImage &drawing,
                     PrintStep step);

    Dialogs &dialogs_;
    QImage image_;
    QImage source_;  // the picture as the preview shows it (grey on a monochrome printer)
    bool sourceGrey_ = false;
    QSize sheetMm_;
    QSize outlineTwips_;
    QImage picture_;
    bool outOfSheet_ = false;
    bool outOfSheetRed_ = false;
    bool zoomVisible_ = false;
    QSize zoomOutline_;
    QImage zoomPicture_;
    QTimer blink_;
};

}  // namespace velmo::printing
