// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "common/dialogs.h"
#include "printing/printerservice.h"
#include "printing/printlayout.h"
#include "printing/printroutines.h"
#include "printing/sheetpreview.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QStringList>

#include <array>
#include <functional>

namespace velmo::printing {

// The fields of the print window that hold numbers: the print rectangle in millimetres (its size,
// then its distance from the left and top edges of the sheet), the scale and the copies.
enum class Field { Width, Height, Left, Top, Scale, Copies };
inline constexpr int kFieldCount = 6;

// What the print module hands to its window when it opens it for an object.
struct PrintRequest {
    QImage image;               // the captured picture of the object
    MmRect rect;                // the initial print rectangle
    double referenceWidth = 0;  // the width at scale 1 : 1, for the scale field
    QString title;              // the name of the print jobs
    int orientation = 0;        // 1 or 2 force portrait or landscape when the window is shown
};

// The print window's state and rules: the values of its controls, and what happens on every change,
// key release, click and tick. The view shows these values and forwards the user's actions here.
class PrintWindowModel : public QObject {
    Q_OBJECT
public:
    PrintWindowModel(PrinterService &printers, Dialogs &dialogs, QObject *parent = nullptr);

    // Loads the window for an object: its picture, title, and the rectangle in the fields.
    void loadObject(const PrintRequest &request);
    // The window without an object only chooses the printer.
    void loadWithoutObject(int orientation);
    // The window is shown: settings, printer list, the printer in use chosen and its sheet shown.
    void activate();

    // ---- control values, as the view shows them
    QString text(Field field) const { return fields_[index(field)].text; }
    bool objectAccepted() const { return objectAccepted_; }
    bool keepProportions() const { return keepProportions_; }
    bool centred() const { return centred_; }
    bool marginsEnabled() const { return !centred_; }
    bool scaleEnabled() const { return keepProportions_; }
    QString scaleCaption() const { return scaleCaption_; }
    QString sheetFrameCaption() const { return sheetCaption_; }
    QString sheetWidthText() const { return sheetWidthText_; }
    QString sheetHeightText() const { return sheetHeightText_; }
    QStringList printerNames() const { return printerNames_; }
    int printerIndex() const { return printerIndex_; }
    bool outOfSheetVisible() const { return sheet_.outOfSheetVisible(); }
    bool outOfSheetRed() const { return sheet_.outOfSheetRed(); }
    bool blinking() const { return sheet_.blinking(); }
    bool printingVisible() const { return printing_; }
    QSize outlineTwips() const { return sheet_.outlineTwips(); }
    QSize previewBox() const { return sheet_.box(); }
    QImage preview() const { return sheet_.picture(); }
    QString previewToolTip() const;
    bool zoomVisible() const { return sheet_.zoomVisible(); }
    QSize zoomOutline() const { return sheet_.zoomOutline(); }
    QImage zoomPreview() const { return sheet_.zoomPicture(); }

    // ---- the numbers behind the fields
    MmRect rect() const { return {value(Field::Left), value(Field::Top), value(Field::Width), value(Field::Height)}; }
    int copies() const { return value(Field::Copies); }
    int sheetWidth() const { return sheetW_; }
    int sheetHeight() const { return sheetH_; }
    bool monochrome() const { return monochrome_; }
    QString title() const { return title_; }

    // ---- what the user (or the window's own code) does
    // A field's text changes: the field's rule runs at once.
    void setText(Field field, const QString &text);
    // Whether a typed character may enter `field`, which holds `text` with `selectionLength`
    // characters selected from `cursor`.
    static bool acceptsKey(Field field, QChar key, const QString &text, int cursor, int selectionLength);
    void keyReleased(Field field);
    // The user leaves a field: one left empty shows its value again.
    void fieldLeft(Field field);
    // A click on the field's up-down arrows.
    void upDownClicked(Field field, int step);
    // The check boxes "keep the proportions" and "centre on the sheet"; each takes effect when it
    // changes.
    void setKeepProportions(bool checked);
    void setCentred(bool checked);
    // "&0 / 0": the rectangle moves to the sheet's top left corner.
    void originClicked();
    // "M a &x": the rectangle grows to the largest that fits the sheet.
    void maxClicked();
    // Enter in the scale field, its confirm button, or leaving the field.
    void scaleConfirmed();
    // The printer list: the entry at `index` chosen.
    void printerChosen(int index);
    // "&Proprieta'": the printer's settings dialog.
    void propertiesClicked();
    // "&Stampa"; true when the print succeeded and the window closes.
    bool printClicked();
    // A click on the preview: the enlarged preview fills `area` as far as the sheet's proportions
    // allow.
    void previewClicked(QSize area);
    // A click on the enlarged preview or around it: it closes.
    void zoomClicked();
    // A double click on the printer caption "&Nome:": the preview is saved.
    void printerLabelDoubleClicked();
    // Every half second while the rectangle leaves the sheet: the warning blinks.
    void blinkTicked() { sheet_.blinkTicked(); }

    // The picture drawn again on the sheet outline; the sheet's size, paper and outline shown.
    void updatePreview();
    void showSheet();

    // Where the double click on "&Nome:" saves the preview.
    static QString previewFilePath() { return SheetPreview::filePath(); }

    // Lets the screen show "Stampa in corso..." before the print run blocks it.
    std::function<void()> onRepaintNow;
    // The hourglass during the print run.
    void setBusyNotifier(std::function<void(bool)> notify) { routines_.onBusy = std::move(notify); }

signals:
    void changed();
    void closeRequested();

private:
    static int index(Field field) { return static_cast<int>(field); }
    int value(Field field) const { return fields_[index(field)].value; }
    void onChange(Field field);
    void afterSizeStep(Field field);
    void setNumber(Field field, int value);
    void measureSheet();
    QString formatScale() const;

    PrinterService &printers_;
    Dialogs &dialogs_;
    PrintRoutines routines_;
    SheetPreview sheet_;

    // A field's text as shown and the whole number its rule last took from it (the scale's is unused).
    struct FieldState {
        QString text;
        int value = 0;
    };
    std::array<FieldState, kFieldCount> fields_{
        {{{}, 1}, {{}, 1}, {{}, 0}, {{}, 0}, {{}, 0}, {QStringLiteral("1"), 1}}};
    bool objectAccepted_ = false;
    QImage image_;
    QString title_;
    int orientationArgument_ = 0;
    Ratio ratio_;
    double referenceWidth_ = 0;

    int sheetW_ = -1, sheetH_ = -1;
    bool monochrome_ = false;

    bool keepProportions_ = true;
    bool centred_ = false;
    QString scaleCaption_ = tr("Sca&la:");
    QString sheetCaption_;
    QString sheetWidthText_, sheetHeightText_;
    QStringList printerNames_;
    int printerIndex_ = -1;
    bool printing_ = false;
};

}  // namespace velmo::printing
