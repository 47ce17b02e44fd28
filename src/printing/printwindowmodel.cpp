// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/printwindowmodel.h"

#include "common/numbertext.h"
#include "printing/papernames.h"

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

constexpr int kMaxCopiesWithoutAsking = 100;  // as many as the arrows give

// Every field's rules in one place. A size or a margin takes its value within its limits on every
// change, the number of copies takes any whole value, the scale waits to be confirmed; the
// up-down controls step within bounds of their own.
struct FieldRule {
    Kind kind;
    std::optional<Bounds> typed;  // empty: the value is taken as typed
    std::optional<Bounds> upDown;
};

constexpr std::array<FieldRule, kFieldCount> kRules{{
    /* Width */ {Kind::Size, Bounds{kMinSize, kMaxSize}, Bounds{2, kMaxSize}},
    /* Height */ {Kind::Size, Bounds{kMinSize, kMaxSize}, Bounds{2, kMaxSize}},
    /* Left */ {Kind::Margin, Bounds{kMinMargin, kMaxMargin}, Bounds{kMinMargin, kMaxMargin}},
    /* Top */ {Kind::Margin, Bounds{kMinMargin, kMaxMargin}, Bounds{kMinMargin, kMaxMargin}},
    /* Scale */ {Kind::Scale, std::nullopt, std::nullopt},
    /* Copies */ {Kind::Copies, std::nullopt, Bounds{1, kMaxCopiesWithoutAsking}},
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
    : QObject(parent), printers_(printers), dialogs_(dialogs), routines_(printers, dialogs), sheet_(dialogs)
{
    connect(&sheet_, &SheetPreview::blinked, this, &PrintWindowModel::changed);
}

void PrintWindowModel::loadObject(const PrintRequest &request)
{
    objectAccepted_ = true;
    image_ = request.image;
    sheet_.setImage(request.image);
    title_ = request.title;
    orientationArgument_ = request.orientation;
    referenceWidth_ = request.referenceWidth;
    ratio_ = {std::max(1, request.rect.w), std::max(1, request.rect.h)};
    setNumber(Field::Left, request.rect.x);
    setNumber(Field::Top, request.rect.y);
    setNumber(Field::Width, request.rect.w);
    setNumber(Field::Height, request.rect.h);
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

QString PrintWindowModel::previewToolTip() const
{
    return objectAccepted_ ? tr("Anteprima di stampa") : QString();
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
    if (field == Field::Width)
        setText(Field::Scale, formatScale());
}

QString PrintWindowModel::formatScale() const
{
    if (value(Field::Width) <= 0)
        return {};
    return formatGroupedUpTo2(referenceWidth_ / value(Field::Width), QLocale());
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
    if (keepProportions_) {
        if (field == Field::Width)
            setNumber(Field::Height, ratio_.heightFor(value(Field::Width)));
        else
            setNumber(Field::Width, ratio_.widthFor(value(Field::Height)));
    }
    if (value(Field::Width) > 1 && value(Field::Height) > 1)
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
    if (keepProportions_ == checked)
        return;
    keepProportions_ = checked;
    if (checked) {
        setNumber(Field::Height, ratio_.heightFor(value(Field::Width)));
        scaleCaption_ = tr("Sca&la:");  // Alt+L, as the window opened
        if (value(Field::Width) > 1 && value(Field::Height) > 1)
            updatePreview();
    } else {
        scaleCaption_ = tr("Sca&la X:");
    }
    emit changed();
}

void PrintWindowModel::setCentred(bool checked)
{
    if (centred_ == checked)
        return;
    centred_ = checked;
    if (checked)
        updatePreview();
    emit changed();
}

void PrintWindowModel::originClicked()
{
    setNumber(Field::Left, 0);
    setNumber(Field::Top, 0);
    updatePreview();
}

void PrintWindowModel::maxClicked()
{
    if (sheetW_ <= 0 || sheetH_ <= 0)
        return;
    const MmRect r = maxOnSheet(rect(), ratio_, keepProportions_, centred_, sheetW_, sheetH_);
    setNumber(Field::Width, r.w);
    setNumber(Field::Height, r.h);
    setNumber(Field::Left, r.x);
    setNumber(Field::Top, r.y);
    updatePreview();
}

void PrintWindowModel::scaleConfirmed()
{
    const QString typed = text(Field::Scale).trimmed();
    if (typed.isEmpty())
        return;
    const auto n = readLocaleNumber(typed, QLocale());
    if (!n)
        return;  // not a number: the field is left as typed
    if (*n > FLT_MAX || (*n > 0 && referenceWidth_ / *n > FLT_MAX)) {
        dialogs_.message(tr("Overflow: la scala indicata è fuori dai limiti ammessi."),
                         errorTitle(PrintStep::ConfirmScale), MessageIcon::Critical);
        return;
    }
    const auto size = sizeForScale(*n, referenceWidth_, ratio_);
    if (!size)
        return;
    setNumber(Field::Width, size->width());
    setNumber(Field::Height, size->height());
    if (value(Field::Width) >= 2 && value(Field::Height) >= 2)
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
    if (routines_.openDocumentPrinter(name)) {
        measureSheet();
        showSheet();
    }
    emit changed();
}

void PrintWindowModel::measureSheet()
{
    const PrintableSheet sheet = routines_.sheetSize();
    sheetW_ = sheet.ok ? sheet.widthMm : -1;
    sheetH_ = sheet.ok ? sheet.heightMm : -1;
    monochrome_ = printers_.settings().colorMode == 1;
}

void PrintWindowModel::propertiesClicked()
{
    // A printer that could not be opened has no settings to show; opening it again says why.
    if (printers_.openPrinterName().isEmpty()
        && (printerIndex_ < 0 || !routines_.openDocumentPrinter(printerNames_.at(printerIndex_))))
        return;
    PrinterSettings settings = printers_.settings();
    settings.copies = copies();
    printers_.setSettings(settings);
    const QString before = printers_.openPrinterName();
    routines_.showPrinterProperties();
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
        setNumber(Field::Copies, settings.copies);
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
    sheet_.setSheet({sheetW_, sheetH_});
    if (objectAccepted_)
        updatePreview();
    const PrinterSettings settings = printers_.settings();
    sheetCaption_ = sheetCaption(settings.paperSize(), settings.orientation);
    emit changed();
}

void PrintWindowModel::updatePreview()
{
    if (!objectAccepted_ || sheetW_ <= 0 || sheetH_ <= 0)
        return;
    if (centred_) {
        const QPoint origin = centredOrigin(value(Field::Width), value(Field::Height), sheetW_, sheetH_);
        setNumber(Field::Left, origin.x());
        setNumber(Field::Top, origin.y());
    }
    sheet_.draw(rect(), monochrome_);
    emit changed();
}

// ---------------------------------------------------------------- zoom, saving, printing

void PrintWindowModel::previewClicked(QSize area)
{
    if (!objectAccepted_ || sheetW_ <= 0 || sheetH_ <= 0 || area.isEmpty())
        return;
    sheet_.zoom(rect(), monochrome_, area);
    emit changed();
}

void PrintWindowModel::zoomClicked()
{
    sheet_.closeZoom();
    emit changed();
}

void PrintWindowModel::printerLabelDoubleClicked()
{
    sheet_.save();
}

bool PrintWindowModel::printClicked()
{
    if (!objectAccepted_)
        return false;
    if (copies() < 1) {
        dialogs_.message(tr("Il numero di copie deve essere almeno 1.\nNon è stato stampato nulla."), warningTitle(),
                         MessageIcon::Critical);
        return false;
    }
    // Each copy is a job of its own and the window waits for them all: beyond what the arrows give,
    // a typing slip ("1000" for "10") is asked about before it fills the printer's queue.
    if (copies() > kMaxCopiesWithoutAsking
        && dialogs_.askYesNoCancel(tr("Stampare %1 copie? Ogni copia è un lavoro di stampa a sé e non si può "
                                      "interrompere.")
                                       .arg(copies()),
                                   warningTitle())
               != Answer::Yes)
        return false;
    if (printerIndex_ >= 0)
        printers_.setPrinterInUse(printerNames_.at(printerIndex_));
    printing_ = true;
    emit changed();
    if (onRepaintNow)
        onRepaintNow();
    // The picture stays with the window, so a failed or cancelled run can be tried again.
    const bool ok = routines_.printImage(rect(), title_, image_, copies());
    printing_ = false;
    emit changed();
    if (ok)
        emit closeRequested();
    return ok;
}

}  // namespace velmo::printing
