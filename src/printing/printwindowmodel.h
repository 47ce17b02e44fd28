#pragma once

#include "common/dialogs.h"
#include "printing/printerservice.h"
#include "printing/printlayout.h"
#include "printing/printroutines.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>

namespace velmo::printing {

// The fields of the print window that hold numbers.
enum class Field { PrW, PrH, PrX, PrY, Scala, NCopies };

// What the print module hands to its window when it opens it for an object.
struct PrintRequest {
    QImage image;           // the captured picture of the object
    MmRect rect;            // the initial print rectangle
    double referenceWidth = 0;  // the width at scale 1 : 1, for the scale field
    QString title;          // the name of the print jobs
    int orientation = 0;    // 1 or 2 force portrait or landscape when the window is shown
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
    QString text(Field field) const { return texts_[index(field)]; }
    bool objectAccepted() const { return objectAccepted_; }
    bool keepProportions() const { return chkProporzioni_; }
    bool centred() const { return chkCentro_; }
    bool marginsEnabled() const { return !chkCentro_; }
    bool scaleEnabled() const { return chkProporzioni_; }
    QString scaleCaption() const { return scaleCaption_; }
    QString sheetFrameCaption() const { return sheetCaption_; }
    QString sheetWidthText() const { return sheetWidthText_; }
    QString sheetHeightText() const { return sheetHeightText_; }
    QStringList printerNames() const { return printerNames_; }
    int printerIndex() const { return printerIndex_; }
    bool outOfSheetVisible() const { return outOfSheet_; }
    bool outOfSheetRed() const { return outOfSheetRed_; }
    bool blinking() const { return blink_.isActive(); }
    bool printingVisible() const { return printing_; }
    QSize outlineTwips() const { return outlineTwips_; }
    QSize previewBox() const;
    QImage preview() const { return preview_; }
    QString previewToolTip() const;
    bool zoomVisible() const { return zoomVisible_; }
    QSize zoomOutline() const { return zoomOutline_; }
    QImage zoomPreview() const { return zoomPreview_; }

    // ---- the numbers behind the fields
    MmRect rect() const { return {x_, y_, w_, h_}; }
    int copies() const { return copies_; }
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
    void upDownClicked(Field field, int step);
    void setKeepProportions(bool checked);
    void setCentred(bool checked);
    void cmdOrigine_Click();
    void cmdMax_Click();
    // Enter in the scale field, its button, or leaving it.
    void txtScala_Confirm();
    void cboPrinterNames_Click(int index);
    void cmdProprieta_Click();
    // True when the print succeeded and the window closes.
    bool cmdStampa_Click();
    // The enlarged preview fills `area` as far as the sheet's proportions allow.
    void picPreview_Click(QSize area);
    void picZoom_Click();
    void zLabel1_DblClick();
    void Timer1_Timer();

    void Preview();
    void ShowSheet();

    // Where the double click on "&Nome:" saves the preview.
    static QString previewFilePath();

    // Lets the screen show "Stampa in corso..." before the print run blocks it.
    std::function<void()> onRepaintNow;
    // The hourglass during the print run.
    void setBusyNotifier(std::function<void(bool)> notify) { routines_.onBusy = std::move(notify); }

signals:
    void changed();
    void closeRequested();

private:
    static int index(Field field) { return static_cast<int>(field); }
    void assign(Field field, const QString &text);
    void onChange(Field field);
    void sizeChanged(Field field, int &target);
    void marginChanged(Field field, int &target);
    void copiesChanged();
    void afterSizeStep(Field field);
    void setNumber(Field field, int value);
    void showOutOfSheet(bool out);
    QString formatScale() const;

    PrinterService &printers_;
    Dialogs &dialogs_;
    PrintRoutines routines_;

    std::array<QString, 6> texts_;
    bool objectAccepted_ = false;
    QImage image_;
    QImage previewSource_;  // the picture as the preview shows it (grey on a monochrome printer)
    bool previewSourceGrey_ = false;
    QString title_;
    int orientationArgument_ = 0;
    Ratio ratio_;
    double referenceWidth_ = 0;

    int x_ = 0, y_ = 0, w_ = 1, h_ = 1;
    int copies_ = 1;
    int sheetW_ = -1, sheetH_ = -1;
    bool monochrome_ = false;

    bool chkProporzioni_ = true;
    bool chkCentro_ = false;
    QString scaleCaption_ = QStringLiteral("Sca&la:");
    QString sheetCaption_;
    QString sheetWidthText_, sheetHeightText_;
    QStringList printerNames_;
    int printerIndex_ = -1;
    bool outOfSheet_ = false;
    bool outOfSheetRed_ = false;
    bool printing_ = false;
    QSize outlineTwips_;
    QImage preview_;
    bool zoomVisible_ = false;
    QSize zoomOutline_;
    QImage zoomPreview_;
    QTimer blink_;
};

}  // namespace velmo::printing
