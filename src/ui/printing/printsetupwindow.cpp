// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/printing/printsetupwindow.h"
#include "ui_printsetupwindow.h"

#include "ui/printing/sheetview.h"
#include "ui/printing/updown.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QImageReader>
#include <QPushButton>
#include <QSignalBlocker>

// The printer picture lives in this library's resources, which a static library must load itself.
static void loadPrintingResources()
{
    Q_INIT_RESOURCE(printing);
}

namespace velmo::ui {

using printing::Field;

namespace {

// A rectangle of `size` in the middle of `area`.
QRect centredIn(const QSize &area, const QSize &size)
{
    return {QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size};
}

QPixmap printerPicture()
{
    loadPrintingResources();
    // Through Qt's SVG image reader, loaded on first use: the program links no SVG library.
    QImageReader reader(QStringLiteral(":/printing/printer.svg"), "svg");
    reader.setScaledSize(QSize(96, 96));
    return QPixmap::fromImage(reader.read());
}

// The form's widget of that object name. The names are the controls' old ones, which the tests and
// the help pages know.
template <typename T>
T *formWidget(const QWidget *window, const char *objectName)
{
    T *widget = window->findChild<T *>(QString::fromLatin1(objectName));
    Q_ASSERT_X(widget, "PrintSetupWindow", objectName);
    return widget;
}

}  // namespace

PrintSetupWindow::PrintSetupWindow(printing::PrintWindowModel &model, QWidget *parent) : QDialog(parent), model_(model)
{
    Ui::PrintSetupWindowForm form;
    form.setupUi(this);
    findFormWidgets();
    printerPicture_->setPixmap(printerPicture());
    sheetArea_->setFixedSize(printing::twipsToPixels(1905) + 8, printing::twipsToPixels(1905) + 8);
    // The warning comes and goes while blinking; its row keeps its place so nothing below moves.
    formWidget<QGridLayout>(this, "sheetLayout")->setRowMinimumHeight(3, outOfSheetWarning_->sizeHint().height());
    printerCaption_->installEventFilter(this);

    connectField(Field::Width, "txtPrW", "updPrW");
    connectField(Field::Height, "txtPrH", "updPrH");
    connectField(Field::Left, "txtPrX", "updPrX");
    connectField(Field::Top, "txtPrY", "updPrY");
    connectField(Field::Scale, "txtScala", nullptr);
    connectField(Field::Copies, "txtNCopies", "updNCopies");
    addZoom();
    connectActions();
    sync();
}

PrintSetupWindow::~PrintSetupWindow() = default;

void PrintSetupWindow::findFormWidgets()
{
    printerCaption_ = formWidget<QLabel>(this, "zLabel1");
    printerList_ = formWidget<QComboBox>(this, "cboPrinterNames");
    propertiesButton_ = formWidget<QPushButton>(this, "cmdProprieta");
    printerPicture_ = formWidget<QLabel>(this, "imgPrinter");
    sheetFrame_ = formWidget<QGroupBox>(this, "fraFoglio");
    sheetArea_ = formWidget<QWidget>(this, "sheetArea");
    preview_ = formWidget<SheetView>(this, "picPreview");
    printingNotice_ = formWidget<QLabel>(this, "lblStampaInCorso");
    sheetWidthLabel_ = formWidget<QLabel>(this, "lblFgW");
    sheetHeightLabel_ = formWidget<QLabel>(this, "lblFgH");
    outOfSheetWarning_ = formWidget<QLabel>(this, "lblFuoriFoglio");
    rightColumn_ = formWidget<QWidget>(this, "rightColumn");
    keepProportionsBox_ = formWidget<QCheckBox>(this, "chkProporzioni");
    maxButton_ = formWidget<QPushButton>(this, "cmdMax");
    centredBox_ = formWidget<QCheckBox>(this, "chkCentro");
    originButton_ = formWidget<QPushButton>(this, "cmdOrigine");
    scaleRow_ = formWidget<QWidget>(this, "scaleRow");
    scaleCaption_ = formWidget<QLabel>(this, "lblLblScala");
    scaleOkButton_ = formWidget<QPushButton>(this, "cmdScalaOK");
    copiesRow_ = formWidget<QWidget>(this, "copiesRow");
    printButton_ = formWidget<QPushButton>(this, "cmdStampa");
    okButton_ = formWidget<QPushButton>(this, "cmdOK");
    closeButton_ = formWidget<QPushButton>(this, "cmdChiudi");
}

void PrintSetupWindow::addZoom()
{
    // The enlarged preview lies over the whole window, outside its layout.
    zoom_ = new QWidget(this);
    zoom_->setObjectName(QStringLiteral("picZoom"));
    zoom_->setAutoFillBackground(true);
    zoom_->setToolTip(tr("Chiudi"));
    zoom_->setCursor(Qt::PointingHandCursor);
    zoom_->installEventFilter(this);
    zoomPreview_ = new SheetView(zoom_);
    zoomPreview_->setObjectName(QStringLiteral("picPreviewZoom"));
    zoomPreview_->setToolTip(tr("Chiudi"));
    zoom_->hide();
}

void PrintSetupWindow::connectActions()
{
    connect(printerList_, &QComboBox::activated, this, [this](int index) { model_.printerChosen(index); });
    connect(propertiesButton_, &QPushButton::clicked, this, [this] { model_.propertiesClicked(); });
    connect(keepProportionsBox_, &QCheckBox::clicked, this,
            [this](bool checked) { model_.setKeepProportions(checked); });
    connect(centredBox_, &QCheckBox::clicked, this, [this](bool checked) { model_.setCentred(checked); });
    connect(maxButton_, &QPushButton::clicked, this, [this] { model_.maxClicked(); });
    connect(originButton_, &QPushButton::clicked, this, [this] { model_.originClicked(); });
    connect(scaleOkButton_, &QPushButton::clicked, this, [this] { model_.scaleConfirmed(); });
    connect(printButton_, &QPushButton::clicked, this, [this] { model_.printClicked(); });
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(preview_, &SheetView::clicked, this, [this] {
        placeZoom();
        model_.previewClicked(zoom_->size() - QSize(16, 16));
    });
    connect(zoomPreview_, &SheetView::clicked, this, [this] { model_.zoomClicked(); });
    connect(&model_, &printing::PrintWindowModel::changed, this, &PrintSetupWindow::sync);
    connect(&model_, &printing::PrintWindowModel::closeRequested, this, &QDialog::accept);
    model_.onRepaintNow = [this] {
        printingNotice_->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    model_.setBusyNotifier([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

void PrintSetupWindow::connectField(Field field, const char *editName, const char *upDownName)
{
    auto *edit = formWidget<QLineEdit>(this, editName);
    if (field != Field::Scale)
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-20000")) + 12);
    edit->installEventFilter(this);
    fields_[field] = edit;
    fieldOf_[edit] = field;
    connect(edit, &QLineEdit::textChanged, this, [this, field](const QString &text) { model_.setText(field, text); });
    if (!upDownName)
        return;
    auto *upDown = formWidget<UpDown>(this, upDownName);
    upDowns_[field] = upDown;
    connect(upDown, &UpDown::stepped, this, [this, field](int step) { model_.upDownClicked(field, step); });
}

bool PrintSetupWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == printerCaption_ && event->type() == QEvent::MouseButtonDblClick) {
        model_.printerLabelDoubleClicked();
        return true;
    }
    if (watched == zoom_ && event->type() == QEvent::MouseButtonPress) {
        model_.zoomClicked();
        return true;
    }
    const auto found = fieldOf_.find(watched);
    if (found == fieldOf_.end())
        return QDialog::eventFilter(watched, event);
    return filterFieldEvent(found->second, static_cast<QLineEdit *>(watched), event);
}

bool PrintSetupWindow::filterFieldEvent(Field field, QLineEdit *edit, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (field == Field::Scale && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            model_.scaleConfirmed();
            return true;
        }
        const QString text = key->text();
        if (text.size() != 1 || (text.front().category() == QChar::Other_Control && text.front() != QChar(u'\b')))
            return false;  // navigation, deletion and shortcuts are not characters
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        const int cursor = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        const int selected = edit->hasSelectedText() ? static_cast<int>(edit->selectedText().size()) : 0;
        return !printing::PrintWindowModel::acceptsKey(field, text.front(), edit->text(), cursor, selected);
    }
    case QEvent::KeyRelease:
        // Moving between fields is no typing: the Tab that enters the height field must not
        // derive the width back from it, and turn a typed 51 into 52.
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_Meta:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: return false;
        default: model_.keyReleased(field); return false;
        }
    case QEvent::FocusOut:
        if (field == Field::Scale)
            model_.scaleConfirmed();
        model_.fieldLeft(field);
        return false;
    default: return false;
    }
}

void PrintSetupWindow::syncObjectMode()
{
    const bool withObject = model_.objectAccepted();
    sheetFrame_->setVisible(withObject);
    rightColumn_->setVisible(withObject);
    printButton_->setVisible(withObject);
    closeButton_->setVisible(withObject);
    okButton_->setVisible(!withObject);
    printerPicture_->setVisible(!withObject);
    scaleRow_->setVisible(withObject);
    copiesRow_->setVisible(withObject);
}

void PrintSetupWindow::sync()
{
    syncObjectMode();
    for (const auto &[field, edit] : fields_) {
        if (edit->text() != model_.text(field)) {
            const QSignalBlocker blocker(edit);
            edit->setText(model_.text(field));
        }
    }
    const bool margins = model_.marginsEnabled();
    for (Field f : {Field::Left, Field::Top}) {
        fields_[f]->setEnabled(margins);
        upDowns_[f]->setEnabled(margins);
    }
    originButton_->setEnabled(margins);
    fields_[Field::Scale]->setEnabled(model_.scaleEnabled());
    {
        const QSignalBlocker a(keepProportionsBox_), b(centredBox_);
        keepProportionsBox_->setChecked(model_.keepProportions());
        centredBox_->setChecked(model_.centred());
    }
    scaleCaption_->setText(model_.scaleCaption());
    syncPrinterList();
    syncSheet();

    if (model_.zoomVisible()) {
        placeZoom();
        zoomPreview_->setGeometry(centredIn(zoom_->size(), model_.zoomOutline()));
        zoomPreview_->setPicture(model_.zoomPreview());
        zoom_->raise();
    }
    zoom_->setVisible(model_.zoomVisible());
}

void PrintSetupWindow::syncPrinterList()
{
    const QStringList names = model_.printerNames();
    QStringList shown;
    for (int i = 0; i < printerList_->count(); ++i)
        shown.append(printerList_->itemText(i));
    const QSignalBlocker blocker(printerList_);
    if (shown != names) {
        printerList_->clear();
        printerList_->addItems(names);
    }
    printerList_->setCurrentIndex(model_.printerIndex());
}

void PrintSetupWindow::syncSheet()
{
    sheetFrame_->setTitle(model_.sheetFrameCaption());
    sheetWidthLabel_->setText(model_.sheetWidthText());
    sheetHeightLabel_->setText(model_.sheetHeightText());
    const QSize box = model_.previewBox();
    if (!box.isEmpty())
        preview_->setGeometry(centredIn(sheetArea_->size(), box));
    preview_->setToolTip(model_.previewToolTip());
    if (preview_->picture().cacheKey() != model_.preview().cacheKey())
        preview_->setPicture(model_.preview());

    outOfSheetWarning_->setVisible(model_.outOfSheetVisible());
    QPalette warning = outOfSheetWarning_->palette();
    warning.setColor(QPalette::Window, model_.outOfSheetRed() ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    outOfSheetWarning_->setPalette(warning);

    if (model_.printingVisible()) {
        printingNotice_->adjustSize();
        printingNotice_->move(preview_->geometry().center() - printingNotice_->rect().center());
        printingNotice_->raise();
    }
    printingNotice_->setVisible(model_.printingVisible());
}

void PrintSetupWindow::placeZoom()
{
    zoom_->setGeometry(rect());
}

void PrintSetupWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeZoom();
}

void PrintSetupWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    sync();
    if (model_.objectAccepted())
        printButton_->setFocus();
    else
        okButton_->setFocus();
}

}  // namespace velmo::ui
