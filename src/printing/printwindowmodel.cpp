#include "printing/printwindowmodel.h"

#include "common/numbertext.h"
#include "common/userfolder.h"
#include "printing/papernames.h"

#include <QDir>
#include <QLocale>

#include <cfloat>
#include <cmath>

namespace velmo::printing {

namespace {

struct Bounds {
    int low;
    int high;
};

// The steps of the up-down controls.
Bounds upDownBounds(Field field)
{
    switch (field) {
    case Field::PrW:
    case Field::PrH: return {2, kMaxSize};
    case Field::PrX:
    case Field::PrY: return {kMinMargin, kMaxMargin};
    default: return {1, 100};
    }
}

// A field's number as typed: empty while the user has cleared the field, 0 for a text that is not
// a number (pasted), else the value rounded to a whole number and kept within int.
std::optional<int> wholeValue(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed == QStringLiteral("-"))
        return std::nullopt;
    const auto value = readLocaleNumber(trimmed, QLocale());
    if (!value)
        return 0;
    return roundHalfEven(std::clamp(*value, -1e9, 1e9));
}

}  // namespace

PrintWindowModel::PrintWindowModel(PrinterService &printers, Dialogs &dialogs, QObject *parent)
    : QObject(parent), printers_(printers), dialogs_(dialogs), routines_(printers, dialogs)
{
    texts_[index(Field::NCopies)] = QStringLiteral("1");
    blink_.setInterval(500);
    connect(&blink_, &QTimer::timeout, this, &PrintWindowModel::Timer1_Timer);
}

void PrintWindowModel::loadObject(const PrintRequest &request)
{
    objectAccepted_ = true;
    image_ = request.image;
    title_ = request.title;
    orientationArgument_ = request.orientation;
    referenceWidth_ = request.referenceWidth;
    ratio_ = {std::max(1, request.rect.w), std::max(1, request.rect.h)};
    setNumber(Field::PrX, request.rect.x);
    setNumber(Field::PrY, request.rect.y);
    setNumber(Field::PrW, request.rect.w);
    setNumber(Field::PrH, request.rect.h);
}

void PrintWindowModel::loadWithoutObject(int orientation)
{
    objectAccepted_ = false;
    orientationArgument_ = orientation;
}

void PrintWindowModel::activate()
{
    PrinterSettings settings = printers_.settings();
    monochrome_ = settings.colorMode == 1;
    if (orientationArgument_ == 1 || orientationArgument_ == 2) {
        settings.orientation = orientationArgument_;
        printers_.setSettings(settings);
    }
    printerNames_ = printers_.printerNames();
    int selected = printerNames_.indexOf(printers_.printerInUse());
    if (selected < 0)
        selected = printerNames_.indexOf(printers_.defaultPrinterName());
    if (selected < 0)
        selected = printerNames_.size() - 1;  // the PDF file entry, always there
    cboPrinterNames_Click(selected);
}

QSize PrintWindowModel::previewBox() const
{
    return {twipsToPixels(outlineTwips_.width()), twipsToPixels(outlineTwips_.height())};
}

QString PrintWindowModel::previewToolTip() const
{
    return objectAccepted_ ? QStringLiteral("Anteprima di stampa") : QString();
}

// ---------------------------------------------------------------- fields

void PrintWindowModel::setText(Field field, const QString &text)
{
    if (texts_[index(field)] == text)
        return;
    texts_[index(field)] = text;
    onChange(field);
    emit changed();
}

void PrintWindowModel::assign(Field field, const QString &text)
{
    setText(field, text);
}

void PrintWindowModel::setNumber(Field field, int value)
{
    assign(field, formatPlain(value, QLocale()));
}

void PrintWindowModel::onChange(Field field)
{
    switch (field) {
    case Field::PrW: sizeChanged(field, w_); break;
    case Field::PrH: sizeChanged(field, h_); break;
    case Field::PrX: marginChanged(field, x_); break;
    case Field::PrY: marginChanged(field, y_); break;
    case Field::NCopies: copiesChanged(); break;
    case Field::Scala: break;  // the scale is taken only when confirmed
    }
}

void PrintWindowModel::sizeChanged(Field field, int &target)
{
    const auto value = wholeValue(text(field));
    if (!value)
        return;  // a cleared field keeps the last size until something is typed
    if (*value < kMinSize) {
        setNumber(field, kMinSize);
        return;
    }
    if (*value > kMaxSize) {
        setNumber(field, kMaxSize);
        return;
    }
    target = *value;
    if (field == Field::PrW)
        assign(Field::Scala, formatScale());
}

void PrintWindowModel::marginChanged(Field field, int &target)
{
    const auto value = wholeValue(text(field));
    if (!value)
        return;
    if (*value < kMinMargin) {
        setNumber(field, kMinMargin);
        return;
    }
    if (*value > kMaxMargin) {
        setNumber(field, kMaxMargin);
        return;
    }
    target = *value;
}

void PrintWindowModel::copiesChanged()
{
    const QString trimmed = text(Field::NCopies).trimmed();
    copies_ = trimmed.isEmpty() ? 0 : wholeValue(trimmed).value_or(0);
}

QString PrintWindowModel::formatScale() const
{
    if (w_ <= 0)
        return {};
    return formatGroupedUpTo2(referenceWidth_ / w_, QLocale());
}

bool PrintWindowModel::acceptsKey(Field field, QChar key, const QString &text, int cursor, int selectionLength)
{
    if (key == QChar(u'\b') || (key >= QChar(u'0') && key <= QChar(u'9')))
        return true;
    QString after = text;
    after.remove(cursor, selectionLength);
    if (key == QChar(u'-') && (field == Field::PrX || field == Field::PrY))
        return cursor == 0 && !after.startsWith(u'-');
    if (field == Field::Scala && key == QLocale().decimalPoint().front())
        return !after.contains(key);
    return false;
}

void PrintWindowModel::keyReleased(Field field)
{
    switch (field) {
    case Field::PrW:
    case Field::PrH: afterSizeStep(field); break;
    case Field::PrX:
    case Field::PrY: Preview(); break;
    default: break;
    }
}

void PrintWindowModel::fieldLeft(Field field)
{
    if (!text(field).trimmed().isEmpty() && text(field).trimmed() != QStringLiteral("-"))
        return;
    switch (field) {
    case Field::PrW: setNumber(field, w_); break;
    case Field::PrH: setNumber(field, h_); break;
    case Field::PrX: setNumber(field, x_); break;
    case Field::PrY: setNumber(field, y_); break;
    default: break;  // no copies is a choice the print button answers; the scale may stay empty
    }
}

void PrintWindowModel::afterSizeStep(Field field)
{
    if (chkProporzioni_) {
        if (field == Field::PrW)
            setNumber(Field::PrH, ratio_.heightFor(w_));
        else
            setNumber(Field::PrW, ratio_.widthFor(h_));
    }
    if (w_ > 1 && h_ > 1)
        Preview();
}

void PrintWindowModel::upDownClicked(Field field, int step)
{
    const Bounds bounds = upDownBounds(field);
    int current = 0;
    switch (field) {
    case Field::PrW: current = w_; break;
    case Field::PrH: current = h_; break;
    case Field::PrX: current = x_; break;
    case Field::PrY: current = y_; break;
    case Field::NCopies: current = copies_; break;
    case Field::Scala: return;
    }
    setNumber(field, std::clamp(current + step, bounds.low, bounds.high));
    keyReleased(field);
}

void PrintWindowModel::setKeepProportions(bool checked)
{
    if (chkProporzioni_ == checked)
        return;
    chkProporzioni_ = checked;
    if (checked) {
        setNumber(Field::PrH, ratio_.heightFor(w_));
        scaleCaption_ = QStringLiteral("Scala:");
        if (w_ > 1 && h_ > 1)
            Preview();
    } else {
        scaleCaption_ = QStringLiteral("Scala X:");
    }
    emit changed();
}

void PrintWindowModel::setCentred(bool checked)
{
    if (chkCentro_ == checked)
        return;
    chkCentro_ = checked;
    if (checked)
        Preview();
    emit changed();
}

void PrintWindowModel::cmdOrigine_Click()
{
    setNumber(Field::PrX, 0);
    setNumber(Field::PrY, 0);
    Preview();
}

void PrintWindowModel::cmdMax_Click()
{
    if (sheetW_ <= 0 || sheetH_ <= 0)
        return;
    const MmRect r = maxOnSheet(rect(), ratio_, chkProporzioni_, chkCentro_, sheetW_, sheetH_);
    setNumber(Field::PrW, r.w);
    setNumber(Field::PrH, r.h);
    setNumber(Field::PrX, r.x);
    setNumber(Field::PrY, r.y);
    Preview();
}

void PrintWindowModel::txtScala_Confirm()
{
    const QString typed = text(Field::Scala).trimmed();
    if (typed.isEmpty())
        return;
    const auto n = readLocaleNumber(typed, QLocale());
    if (!n)
        return;  // not a number: the field is left as typed
    if (*n > FLT_MAX || (*n > 0 && referenceWidth_ / *n > FLT_MAX)) {
        dialogs_.message(QStringLiteral("Overflow: la scala indicata è fuori dai limiti ammessi."), errorTitle(QStringLiteral("txtScala")),
                         MessageIcon::Critical);
        return;
    }
    const auto size = sizeForScale(*n, referenceWidth_, ratio_);
    if (!size)
        return;
    setNumber(Field::PrW, size->width());
    setNumber(Field::PrH, size->height());
    if (w_ >= 2 && h_ >= 2)
        Preview();
}

// ---------------------------------------------------------------- printer and sheet

void PrintWindowModel::cboPrinterNames_Click(int index)
{
    if (index < 0 || index >= printerNames_.size())
        return;
    printerIndex_ = index;
    const QString name = printerNames_.at(index);
    printers_.setPrinterInUse(name);
    if (routines_.OpenDocPrinter(name)) {
        const PrintableSheet sheet = routines_.SheetSize();
        sheetW_ = sheet.ok ? sheet.widthMm : -1;
        sheetH_ = sheet.ok ? sheet.heightMm : -1;
        monochrome_ = printers_.settings().colorMode == 1;
        ShowSheet();
    }
    emit changed();
}

void PrintWindowModel::cmdProprieta_Click()
{
    // A printer that could not be opened has no settings to show; opening it again says why.
    if (printers_.openPrinterName().isEmpty() &&
        (printerIndex_ < 0 || !routines_.OpenDocPrinter(printerNames_.at(printerIndex_))))
        return;
    PrinterSettings settings = printers_.settings();
    settings.copies = copies_;
    printers_.setSettings(settings);
    const QString before = printers_.openPrinterName();
    routines_.PrinterProperties();
    const QString after = printers_.openPrinterName();
    if (after != before) {
        // The user chose another printer in the system's dialog: it is now the one in use.
        printers_.setPrinterInUse(after);
        printerNames_ = printers_.printerNames();
        printerIndex_ = printerNames_.indexOf(after);
    }
    const PrintableSheet sheet = routines_.SheetSize();
    sheetW_ = sheet.ok ? sheet.widthMm : -1;
    sheetH_ = sheet.ok ? sheet.heightMm : -1;
    settings = printers_.settings();
    if (settings.copies != copies_)
        setNumber(Field::NCopies, settings.copies);
    monochrome_ = settings.colorMode == 1;
    // Copies are printed by the module as separate jobs, never by the driver.
    settings.copies = 1;
    printers_.setSettings(settings);
    ShowSheet();
    emit changed();
}

void PrintWindowModel::ShowSheet()
{
    sheetWidthText_ = sheetW_ > 0 ? formatPlain(sheetW_, QLocale()) : QString();
    sheetHeightText_ = sheetH_ > 0 ? formatPlain(sheetH_, QLocale()) : QString();
    outlineTwips_ = printing::outlineTwips(sheetW_, sheetH_);
    if (objectAccepted_)
        Preview();
    const PrinterSettings settings = printers_.settings();
    sheetCaption_ = sheetCaption(settings.paperSize(), settings.orientation);
    emit changed();
}

void PrintWindowModel::showOutOfSheet(bool out)
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

void PrintWindowModel::Preview()
{
    if (!objectAccepted_ || sheetW_ <= 0 || sheetH_ <= 0)
        return;
    if (chkCentro_) {
        const QPoint origin = centredOrigin(w_, h_, sheetW_, sheetH_);
        setNumber(Field::PrX, origin.x());
        setNumber(Field::PrY, origin.y());
    }
    showOutOfSheet(outOfSheet(rect(), sheetW_, sheetH_));
    if (previewSource_.isNull() || previewSourceGrey_ != monochrome_) {
        // Greying the whole picture is the slow part of a redraw; it only changes with the printer.
        previewSource_ = monochrome_ ? greyed(image_) : image_;
        previewSourceGrey_ = monochrome_;
    }
    const QSize box = previewBox();
    const auto drawn = PrintRoutines::DrawPreview(previewSource_, false, box, toBox(rect(), box, {sheetW_, sheetH_}));
    if (drawn)
        preview_ = *drawn;
    else
        dialogs_.message(QStringLiteral("Errore di Copia"), QStringLiteral(" Errore in Preview"), MessageIcon::Critical);
    emit changed();
}

void PrintWindowModel::Timer1_Timer()
{
    outOfSheetRed_ = !outOfSheetRed_;
    emit changed();
}

// ---------------------------------------------------------------- zoom, saving, printing

void PrintWindowModel::picPreview_Click(QSize area)
{
    if (!objectAccepted_ || sheetW_ <= 0 || sheetH_ <= 0 || area.isEmpty())
        return;
    zoomVisible_ = true;
    if (static_cast<long long>(sheetW_) * area.height() <= static_cast<long long>(area.width()) * sheetH_)
        zoomOutline_ = {roundHalfEven(static_cast<double>(area.height()) * sheetW_ / sheetH_), area.height()};
    else
        zoomOutline_ = {area.width(), roundHalfEven(static_cast<double>(area.width()) * sheetH_ / sheetW_)};
    const auto drawn = PrintRoutines::DrawPreview(image_, monochrome_, zoomOutline_, toBox(rect(), zoomOutline_, {sheetW_, sheetH_}));
    if (drawn)
        zoomPreview_ = *drawn;
    else
        dialogs_.message(QStringLiteral("Errore di Copia"), QStringLiteral(" Errore in Zoom"), MessageIcon::Critical);
    emit changed();
}

void PrintWindowModel::picZoom_Click()
{
    zoomVisible_ = false;
    zoomPreview_ = QImage();
    emit changed();
}

QString PrintWindowModel::previewFilePath()
{
    return QDir(userFolder(QStandardPaths::PicturesLocation)).filePath(QStringLiteral("PicPrev.bmp"));
}

void PrintWindowModel::zLabel1_DblClick()
{
    QImage picture = preview_;
    if (picture.isNull()) {
        picture = QImage(previewBox().expandedTo({1, 1}), QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    const QString path = previewFilePath();
    if (!picture.save(path, "BMP"))
        dialogs_.message(QStringLiteral("Non posso salvare l'anteprima nel file\n%1").arg(QDir::toNativeSeparators(path)),
                         errorTitle(QStringLiteral("zLabel1_DblClick")), MessageIcon::Critical);
}

bool PrintWindowModel::cmdStampa_Click()
{
    if (!objectAccepted_)
        return false;
    if (copies_ < 1) {
        dialogs_.message(QStringLiteral("Il numero di copie deve essere almeno 1.\nNon è stato stampato nulla."), QStringLiteral("Attenzione"),
                         MessageIcon::Critical);
        return false;
    }
    if (printerIndex_ >= 0)
        printers_.setPrinterInUse(printerNames_.at(printerIndex_));
    printing_ = true;
    emit changed();
    if (onRepaintNow)
        onRepaintNow();
    // The picture stays with the window, so a failed or cancelled run can be tried again.
    const bool ok = routines_.PrintImage(rect(), title_, image_, copies_);
    printing_ = false;
    emit changed();
    if (ok)
        emit closeRequested();
    return ok;
}

}  // namespace velmo::printing
