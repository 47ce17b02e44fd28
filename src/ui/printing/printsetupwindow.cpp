#include "ui/printing/frmstampafpb.h"
#include "ui_frmstampafpb.h"

#include "ui/printing/sheetview.h"
#include "ui/printing/updown.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSvgRenderer>

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
    QSvgRenderer renderer(QStringLiteral(":/printing/printer.svg"));
    QPixmap pixmap(96, 96);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

}  // namespace

frmStampaFPB::frmStampaFPB(printing::PrintWindowModel &model, QWidget *parent)
    : QDialog(parent), model_(model), ui_(std::make_unique<Ui::frmStampaFPB>())
{
    ui_->setupUi(this);
    ui_->imgPrinter->setPixmap(printerPicture());
    ui_->sheetArea->setFixedSize(printing::twipsToPixels(1905) + 8, printing::twipsToPixels(1905) + 8);
    // The warning comes and goes while blinking; its row keeps its place so nothing below moves.
    ui_->sheetLayout->setRowMinimumHeight(3, ui_->lblFuoriFoglio->sizeHint().height());
    ui_->zLabel1->installEventFilter(this);

    connectField(Field::PrW, ui_->txtPrW, ui_->updPrW);
    connectField(Field::PrH, ui_->txtPrH, ui_->updPrH);
    connectField(Field::PrX, ui_->txtPrX, ui_->updPrX);
    connectField(Field::PrY, ui_->txtPrY, ui_->updPrY);
    connectField(Field::Scala, ui_->txtScala, nullptr);
    connectField(Field::NCopies, ui_->txtNCopies, ui_->updNCopies);

    // The enlarged preview lies over the whole window, outside its layout.
    picZoom_ = new QWidget(this);
    picZoom_->setObjectName(QStringLiteral("picZoom"));
    picZoom_->setAutoFillBackground(true);
    picZoom_->setToolTip(QStringLiteral("Chiudi"));
    picZoom_->setCursor(Qt::PointingHandCursor);
    picZoom_->installEventFilter(this);
    picPreviewZoom_ = new SheetView(picZoom_);
    picPreviewZoom_->setObjectName(QStringLiteral("picPreviewZoom"));
    picPreviewZoom_->setToolTip(QStringLiteral("Chiudi"));
    picZoom_->hide();

    // ---- user actions to the model
    connect(ui_->cboPrinterNames, &QComboBox::activated, this, [this](int index) { model_.printerChosen(index); });
    connect(ui_->cmdProprieta, &QPushButton::clicked, this, [this] { model_.propertiesClicked(); });
    connect(ui_->chkProporzioni, &QCheckBox::clicked, this,
            [this](bool checked) { model_.setKeepProportions(checked); });
    connect(ui_->chkCentro, &QCheckBox::clicked, this, [this](bool checked) { model_.setCentred(checked); });
    connect(ui_->cmdMax, &QPushButton::clicked, this, [this] { model_.maxClicked(); });
    connect(ui_->cmdOrigine, &QPushButton::clicked, this, [this] { model_.originClicked(); });
    connect(ui_->cmdScalaOK, &QPushButton::clicked, this, [this] { model_.scaleConfirmed(); });
    connect(ui_->cmdStampa, &QPushButton::clicked, this, [this] { model_.printClicked(); });
    connect(ui_->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->cmdChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->picPreview, &SheetView::clicked, this, [this] {
        placeZoom();
        model_.previewClicked(picZoom_->size() - QSize(16, 16));
    });
    connect(picPreviewZoom_, &SheetView::clicked, this, [this] { model_.zoomClicked(); });
    connect(&model_, &printing::PrintWindowModel::changed, this, &frmStampaFPB::sync);
    connect(&model_, &printing::PrintWindowModel::closeRequested, this, &QDialog::accept);
    model_.onRepaintNow = [this] {
        ui_->lblStampaInCorso->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    model_.setBusyNotifier([](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
    sync();
}

frmStampaFPB::~frmStampaFPB() = default;

void frmStampaFPB::connectField(Field field, QLineEdit *edit, UpDown *upDown)
{
    if (field != Field::Scala)
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-20000")) + 12);
    edit->installEventFilter(this);
    fields_[field] = edit;
    fieldOf_[edit] = field;
    connect(edit, &QLineEdit::textChanged, this, [this, field](const QString &text) { model_.setText(field, text); });
    if (!upDown)
        return;
    upDowns_[field] = upDown;
    connect(upDown, &UpDown::stepped, this, [this, field](int step) { model_.upDownClicked(field, step); });
}

bool frmStampaFPB::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui_->zLabel1 && event->type() == QEvent::MouseButtonDblClick) {
        model_.printerLabelDoubleClicked();
        return true;
    }
    if (watched == picZoom_ && event->type() == QEvent::MouseButtonPress) {
        model_.zoomClicked();
        return true;
    }
    const auto found = fieldOf_.find(watched);
    if (found == fieldOf_.end())
        return QDialog::eventFilter(watched, event);
    const Field field = found->second;
    auto *edit = static_cast<QLineEdit *>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (field == Field::Scala && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
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
        if (field == Field::Scala)
            model_.scaleConfirmed();
        model_.fieldLeft(field);
        return false;
    default: return false;
    }
}

void frmStampaFPB::syncObjectMode()
{
    const bool withObject = model_.objectAccepted();
    ui_->fraFoglio->setVisible(withObject);
    ui_->rightColumn->setVisible(withObject);
    ui_->cmdStampa->setVisible(withObject);
    ui_->cmdChiudi->setVisible(withObject);
    ui_->cmdOK->setVisible(!withObject);
    ui_->imgPrinter->setVisible(!withObject);
    ui_->scaleRow->setVisible(withObject);
    ui_->copiesRow->setVisible(withObject);
}

void frmStampaFPB::sync()
{
    syncObjectMode();
    for (const auto &[field, edit] : fields_) {
        if (edit->text() != model_.text(field)) {
            const QSignalBlocker blocker(edit);
            edit->setText(model_.text(field));
        }
    }
    const bool margins = model_.marginsEnabled();
    for (Field f : {Field::PrX, Field::PrY}) {
        fields_[f]->setEnabled(margins);
        upDowns_[f]->setEnabled(margins);
    }
    ui_->cmdOrigine->setEnabled(margins);
    fields_[Field::Scala]->setEnabled(model_.scaleEnabled());
    {
        const QSignalBlocker a(ui_->chkProporzioni), b(ui_->chkCentro);
        ui_->chkProporzioni->setChecked(model_.keepProportions());
        ui_->chkCentro->setChecked(model_.centred());
    }
    ui_->lblLblScala->setText(model_.scaleCaption());

    const QStringList names = model_.printerNames();
    QStringList shown;
    for (int i = 0; i < ui_->cboPrinterNames->count(); ++i)
        shown.append(ui_->cboPrinterNames->itemText(i));
    {
        const QSignalBlocker blocker(ui_->cboPrinterNames);
        if (shown != names) {
            ui_->cboPrinterNames->clear();
            ui_->cboPrinterNames->addItems(names);
        }
        ui_->cboPrinterNames->setCurrentIndex(model_.printerIndex());
    }

    ui_->fraFoglio->setTitle(model_.sheetFrameCaption());
    ui_->lblFgW->setText(model_.sheetWidthText());
    ui_->lblFgH->setText(model_.sheetHeightText());
    const QSize box = model_.previewBox();
    if (!box.isEmpty())
        ui_->picPreview->setGeometry(centredIn(ui_->sheetArea->size(), box));
    ui_->picPreview->setToolTip(model_.previewToolTip());
    if (ui_->picPreview->picture().cacheKey() != model_.preview().cacheKey())
        ui_->picPreview->setPicture(model_.preview());

    ui_->lblFuoriFoglio->setVisible(model_.outOfSheetVisible());
    QPalette warning = ui_->lblFuoriFoglio->palette();
    warning.setColor(QPalette::Window, model_.outOfSheetRed() ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    ui_->lblFuoriFoglio->setPalette(warning);

    if (model_.printingVisible()) {
        ui_->lblStampaInCorso->adjustSize();
        ui_->lblStampaInCorso->move(ui_->picPreview->geometry().center() - ui_->lblStampaInCorso->rect().center());
        ui_->lblStampaInCorso->raise();
    }
    ui_->lblStampaInCorso->setVisible(model_.printingVisible());

    if (model_.zoomVisible()) {
        placeZoom();
        picPreviewZoom_->setGeometry(centredIn(picZoom_->size(), model_.zoomOutline()));
        picPreviewZoom_->setPicture(model_.zoomPreview());
        picZoom_->raise();
    }
    picZoom_->setVisible(model_.zoomVisible());
}

void frmStampaFPB::placeZoom()
{
    picZoom_->setGeometry(rect());
}

void frmStampaFPB::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeZoom();
}

void frmStampaFPB::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    sync();
    if (model_.objectAccepted())
        ui_->cmdStampa->setFocus();
    else
        ui_->cmdOK->setFocus();
}

}  // namespace velmo::ui
