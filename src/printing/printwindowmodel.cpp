#include "printing/printwindowmodel.h"

#include "common/numbertext.h"
#include "common/userfolder.h"
#include "printing/papernames.h"

#include <QDir>
#include <QLocale>

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace velmo::printing {

namespace {

struct Bounds {
    int low;
    int high;
};

enum class Kind { Size, Margin, Scale, Copies };

// Every field's rules in one place. A size or a margin takes its value within its limits on every
// change, the number of copies takes any whole value, the scale waits to be confirmed; the
// up-down controls step within bounds of their own.
struct FieldRule {
    Kind kind;
    std::optional<Bounds> typed;  // empty: the value is taken as typed
    std::optional<Bounds> upDown;
};

constexpr std::array<FieldRule, kFieldCount> kRules{{
    /* PrW */ {Kind::Size, Bounds{kMinSize, kMaxSize}, Bounds{2, kMaxSize}},
    /* PrH */ {Kind::Size, Bounds{kMinSize, kMaxSize}, Bounds{2, kMaxSize}},
    /* PrX */ {Kind::Margin, Bounds{kMinMargin, kMaxMargin}, Bounds{kMinMargin, kMaxMargin}},
    /* PrY */ {Kind::Margin, Bounds{kMinMargin, kMaxMargin}, Bounds{kMinMargin, kMaxMargin}},
    /* Scala */ {Kind::Scale, std::nullopt, std::nullopt},
    /* NCopies */ {Kind::Copies, std::nullopt, Bounds{1, 100}},
}};

const FieldRule &ruleOf(Field field)
{
    return kRules[static_cast<int>(field)];
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
    blink_.setInterval(500);
    connect(&blink_, &QTimer::timeout, this, &PrintWindowModel::blinkTicked);
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
    qsizetype selected = printerNames_.indexOf(printers_.printerInUse());
    if (selected < 0)
        selected = printerNames_.indexOf(printers_.defaultPrinterName());
    if (selected < 0)
        selected = printerNames_.size() - 1;  // the PDF file entry, always there
    printerChosen(static_cast<int>(selected));
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
    if (fields_[index(field)].text == text)
        return;
    fields_[index(field)].text = text;
    onChange(field);
    emit changed();
}

void PrintWindowModel::setNumber(Field field, int value)
{
    setText(field, formatPlain(value, QLocale()));
}

void PrintWindowModel::onChange(Field field)
{
    const FieldRule &rule = ruleOf(field);
    if (rule.kind == Kind::Scale)
        return;
    const auto typed = wholeValue(text(field));
    if (!rule.typed) {
        fields_[index(field)].value = typed.value_or(0);
        return;
    }
    if (!typed)
        return;  // a cleared field keeps the last value until something is typed
    if (*typed < rule.typed->low || *typed > rule.typed->high) {
        setNumber(field, std::clamp(*typed, rule.typed->low, rule.typed->high));
        return;
    }
    fields_[index(field)].value = *typed;
    if (field == Field::PrW)
        setText(Field::Scala, formatScale());
}

QString PrintWindowModel::formatScale() const
{
    if (value(Field::PrW) <= 0)
        return {};
    return formatGroupedUpTo2(referenceWidth_ / value(Field::PrW), QLocale());
}

bool PrintWindowModel::acceptsKey(Field field, QChar key, const QString &text, int cursor, int selectionLength)
{
    if (key == QChar(u'\b') || (key >= QChar(u'0') && key <= QChar(u'9')))
        return true;
    QString after = text;
    after.remove(cursor, selectionLength);
    const Kind kind = ruleOf(field).kind;
    if (key == QChar(u'-') && kind == Kind::Margin)
        return cursor == 0 && !after.startsWith(u'-');
    if (kind == Kind::Scale && key == QLocale().decimalPoint().front())
        return !after.contains(key);
    return false;
}

void PrintWindowModel::keyReleased(Field field)
{
    switch (ruleOf(field).kind) {
    case Kind::Size: afterSizeStep(field); break;
    case Kind::Margin: updatePreview(); break;
    case Kind::Scale:
    case Kind::Copies: break;
    }
}

void PrintWindowModel::fieldLeft(Field field)
{
    // No copies is a choice the print button answers; the scale may stay empty.
    if (ruleOf(field).typed && !wholeValue(text(field)))
        setNumber(field, value(field));
}

void PrintWindowModel::afterSizeStep(Field field)
{
    if (chkProporzioni_) {
        if (field == Field::PrW)
            setNumber(Field::PrH, ratio_.heightFor(value(Field::PrW)));
        else
            setNumber(Field::PrW, ratio_.widthFor(value(Field::PrH)));
    }
    if (value(Field::PrW) > 1 && value(Field::PrH) > 1)
        updatePreview();
}

void PrintWindowModel::upDownClicked(Field field, int step)
{
    const std::optional<Bounds> bounds = ruleOf(field).upDown;
    if (!bounds)
        return;
    setNumber(field, std::clamp(value(field) + step, bounds->low, bounds->high));
    keyReleased(field);
}

void PrintWindowModel::setKeepProportions(bool checked)
{
    if (chkProporzioni_ == checked)
        return;
    chkProporzioni_ = checked;
    if (checked) {
        setNumber(Field::PrH, ratio_.heightFor(value(Field::PrW)));
        scaleCaption_ = QStringLiteral("Scala:");
        if (value(Field::PrW) > 1 && value(Field::PrH) > 1)
            updatePreview();
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
        updatePreview();
    emit changed();
}

void PrintWindowModel::originClicked()
{
    setNumber(Field::PrX, 0);
    setNumber(Field::PrY, 0);
    updatePreview();
}

void PrintWindowModel::maxClicked()
{
    if (sheetW_ <= 0 || sheetH_ <= 0)
        return;
    const MmRect r = maxOnSheet(rect(), ratio_, chkProporzioni_, chkCentro_, sheetW_, sheetH_);
    setNumber(Field::PrW, r.w);
    setNumber(Field::PrH, r.h);
    setNumber(Field::PrX, r.x);
    setNumber(Field::PrY, r.y);
    updatePreview();
}

void PrintWindowModel::scaleConfirmed()
{
    const QString typed = text(Field::Scala).trimmed();
    if (typed.isEmpty())
        return;
    const auto n = readLocaleNumber(typed, QLocale());
    if (!n)
        return;  // not a number: the field is left as typed
    if (*n > FLT_MAX || (*n > 0 && referenceWidth_ / *n > FLT_MAX)) {
        dialogs_.message(QStringLiteral("Overflow: la scala indicata è fuori dai limiti ammessi."),
                         errorTitle(QStringLiteral("txtScala")), MessageIcon::Critical);
        return;
    }
    const auto size = sizeForScale(*n, referenceWidth_, ratio_);
    if (!size)
        return;
    setNumber(Field::PrW, size->width());
    setNumber(Field::PrH, size->height());
    if (value(Field::PrW) >= 2 && value(Field::PrH) >= 2)
        updatePreview();
}

// ---------------------------------------------------------------- printer and sheet

void PrintWindowModel::printerChosen(int index)
{
    if (index < 0 || index >= printerNames_.size())
        return;
    printerIndex_ = index;
    const QString name = printerNames_.at(index);
    printers_.setPrinterInUse(name);
    if (routines_.OpenDocPrinter(name)) {
        measureSheet();
        showSheet();
    }
    emit changed();
}

void PrintWindowModel::measureSheet()
{
    const PrintableSheet sheet = routines_.SheetSize();
    sheetW_ = sheet.ok ? sheet.widthMm : -1;
    sheetH_ = sheet.ok ? sheet.heightMm : -1;
    monochrome_ = printers_.settings().colorMode == 1;
}

void PrintWindowModel::propertiesClicked()
{
    // A printer that could not be opened has no settings to show; opening it again says why.
    if (printers_.openPrinterName().isEmpty()
        && (printerIndex_ < 0 || !routines_.OpenDocPrinter(printerNames_.at(printerIndex_))))
        return;
    PrinterSettings settings = printers_.settings();
    settings.copies = copies();
    printers_.setSettings(settings);
    const QString before = printers_.openPrinterName();
    routines_.PrinterProperties();
    const QString after = printers_.openPrinterName();
    if (after != before) {
        // The user chose another printer in the system's dialog: it is now the one in use.
        printers_.setPrinterInUse(after);
        printerNames_ = printers_.printerNames();
        printerIndex_ = static_cast<int>(printerNames_.indexOf(after));
    }
    measureSheet();
    settings = printers_.settings();
    if (settings.copies != copies())
        setNumber(Field::NCopies, settings.copies);
    // Copies are printed by the module as separate jobs, never by the driver.
    settings.copies = 1;
    printers_.setSettings(settings);
    showSheet();
    emit changed();
}

void PrintWindowModel::showSheet()
{
    sheetWidthText_ = sheetW_ > 0 ? formatPlain(sheetW_, QLocale()) : QString();
    sheetHeightText_ = sheetH_ > 0 ? formatPlain(sheetH_, QLocale()) : QString();
    outlineTwips_ = printing::outlineTwips(sheetW_, sheetH_);
    if (objectAccepted_)
        updatePreview();
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

void PrintWindowModel::updatePreview()
{
    if (!objectAccepted_ || sheetW_ <= 0 || sheetH_ <= 0)
        return;
    if (chkCentro_) {
        const QPoint origin = centredOrigin(value(Field::PrW), value(Field::PrH), sheetW_, sheetH_);
        setNumber(Field::PrX, origin.x());
        setNumber(Field::PrY, origin.y());
    }
    showOutOfSheet(outOfSheet(rect(), sheetW_, sheetH_));
    if (previewSource_.isNull() || previewSourceGrey_ != monochrome_) {
        // Greying the whole picture is the slow part of a redraw; it only changes with the printer.
        previewSource_ = monochrome_ ? greyed(image_) : image_;
        previewSourceGrey_ = monochrome_;
    }
    drawOnSheet(previewSource_, false, previewBox(), preview_, QStringLiteral(" Errore in Preview"));
    emit changed();
}

void PrintWindowModel::drawOnSheet(const QImage &source, bool grey, QSize outline, QImage &drawing,
                                   const QString &failureTitle)
{
    const auto drawn = PrintRoutines::DrawPreview(source, grey, outline, toBox(rect(), outline, {sheetW_, sheetH_}));
    if (drawn)
        drawing = *drawn;
    else
        dialogs_.message(QStringLiteral("Errore di Copia"), failureTitle, MessageIcon::Critical);
}

void PrintWindowModel::blinkTicked()
{
    outOfSheetRed_ = !outOfSheetRed_;
    emit changed();
}

// ---------------------------------------------------------------- zoom, saving, printing

void PrintWindowModel::previewClicked(QSize area)
{
    if (!objectAccepted_ || sheetW_ <= 0 || sheetH_ <= 0 || area.isEmpty())
        return;
    zoomVisible_ = true;
    if (static_cast<long long>(sheetW_) * area.height() <= static_cast<long long>(area.width()) * sheetH_)
        zoomOutline_ = {roundHalfEven(static_cast<double>(area.height()) * sheetW_ / sheetH_), area.height()};
    else
        zoomOutline_ = {area.width(), roundHalfEven(static_cast<double>(area.width()) * sheetH_ / sheetW_)};
    drawOnSheet(image_, monochrome_, zoomOutline_, zoomPreview_, QStringLiteral(" Errore in Zoom"));
    emit changed();
}

void PrintWindowModel::zoomClicked()
{
    zoomVisible_ = false;
    zoomPreview_ = QImage();
    emit changed();
}

QString PrintWindowModel::previewFilePath()
{
    return QDir(userFolder(QStandardPaths::PicturesLocation)).filePath(QStringLiteral("PicPrev.bmp"));
}

void PrintWindowModel::printerLabelDoubleClicked()
{
    QImage picture = preview_;
    if (picture.isNull()) {
        picture = QImage(previewBox().expandedTo({1, 1}), QImage::Format_RGB32);
        picture.fill(Qt::white);
    }
    const QString path = previewFilePath();
    if (!picture.save(path, "BMP"))
        dialogs_.message(
            QStringLiteral("Non posso salvare l'anteprima nel file\n%1").arg(QDir::toNativeSeparators(path)),
            errorTitle(QStringLiteral("zLabel1_DblClick")), MessageIcon::Critical);
}

bool PrintWindowModel::printClicked()
{
    if (!objectAccepted_)
        return false;
    if (copies() < 1) {
        dialogs_.message(QStringLiteral("Il numero di copie deve essere almeno 1.\nNon è stato stampato nulla."),
                         warningTitle(), MessageIcon::Critical);
        return false;
    }
    if (printerIndex_ >= 0)
        printers_.setPrinterInUse(printerNames_.at(printerIndex_));
    printing_ = true;
    emit changed();
    if (onRepaintNow)
        onRepaintNow();
    // The picture stays with the window, so a failed or cancelled run can be tried again.
    const bool ok = routines_.PrintImage(rect(), title_, image_, copies());
    printing_ = false;
    emit changed();
    if (ok)
        emit closeRequested();
    return ok;
}

}  // namespace velmo::printing
