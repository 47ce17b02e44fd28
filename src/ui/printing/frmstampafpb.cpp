#include "ui/printing/frmstampafpb.h"

#include "ui/printing/sheetview.h"
#include "ui/printing/updown.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSvgRenderer>
#include <QVBoxLayout>

// The printer picture lives in this library's resources, which a static library must load itself.
static void loadPrintingResources()
{
    Q_INIT_RESOURCE(printing);
}

namespace velmo::ui {

using printing::Field;

namespace {

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

frmStampaFPB::frmStampaFPB(printing::PrintWindowModel &model, QWidget *parent) : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("frmStampaFPB"));
    setWindowTitle(QStringLiteral(" Anteprina di Stampa"));
    setModal(true);

    // ---- printer
    zFrame1_ = new QGroupBox(QStringLiteral("Stampante"), this);
    zFrame1_->setObjectName(QStringLiteral("zFrame1"));
    zLabel1_ = new QLabel(QStringLiteral("&Nome:"), zFrame1_);
    zLabel1_->setObjectName(QStringLiteral("zLabel1"));
    zLabel1_->installEventFilter(this);
    cboPrinterNames_ = new QComboBox(zFrame1_);
    cboPrinterNames_->setObjectName(QStringLiteral("cboPrinterNames"));
    cboPrinterNames_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboPrinterNames_->setMinimumContentsLength(16);
    zLabel1_->setBuddy(cboPrinterNames_);
    cmdProprieta_ = new QPushButton(QStringLiteral("&Proprieta'"), zFrame1_);
    cmdProprieta_->setObjectName(QStringLiteral("cmdProprieta"));
    imgPrinter_ = new QLabel(zFrame1_);
    imgPrinter_->setObjectName(QStringLiteral("imgPrinter"));
    imgPrinter_->setPixmap(printerPicture());
    imgPrinter_->setAlignment(Qt::AlignCenter);
    auto *printerLayout = new QGridLayout(zFrame1_);
    printerLayout->addWidget(zLabel1_, 0, 0);
    printerLayout->addWidget(cboPrinterNames_, 0, 1);
    printerLayout->addWidget(cmdProprieta_, 1, 1, Qt::AlignRight);
    printerLayout->addWidget(imgPrinter_, 0, 2, 2, 1);

    // ---- sheet
    fraFoglio_ = new QGroupBox(this);
    fraFoglio_->setObjectName(QStringLiteral("fraFoglio"));
    auto *sheetArea = new QWidget(fraFoglio_);
    sheetArea->setFixedSize(printing::twipsToPixels(1905) + 8, printing::twipsToPixels(1905) + 8);
    picPreview_ = new SheetView(sheetArea);
    picPreview_->setObjectName(QStringLiteral("picPreview"));
    picPreview_->setCursor(Qt::PointingHandCursor);
    lblStampaInCorso_ = new QLabel(QStringLiteral("Stampa in corso..."), sheetArea);
    lblStampaInCorso_->setObjectName(QStringLiteral("lblStampaInCorso"));
    lblStampaInCorso_->setAutoFillBackground(true);
    lblStampaInCorso_->setFrameShape(QFrame::Box);
    lblStampaInCorso_->setMargin(3);
    lblStampaInCorso_->hide();
    auto makeLabel = [this](const QString &text, const QString &name) {
        auto *label = new QLabel(text, fraFoglio_);
        label->setObjectName(name);
        return label;
    };
    lblFgW_ = makeLabel(QString(), QStringLiteral("lblFgW"));
    lblFgH_ = makeLabel(QString(), QStringLiteral("lblFgH"));
    lblFgW_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblFgH_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblFuoriFoglio_ = makeLabel(QStringLiteral("Stampa fuori foglio"), QStringLiteral("lblFuoriFoglio"));
    lblFuoriFoglio_->setAutoFillBackground(true);
    lblFuoriFoglio_->setAlignment(Qt::AlignCenter);
    lblFuoriFoglio_->hide();
    auto *sheetLayout = new QGridLayout(fraFoglio_);
    sheetLayout->addWidget(sheetArea, 0, 0, 1, 3, Qt::AlignCenter);
    sheetLayout->addWidget(makeLabel(QStringLiteral("Larghezza:"), QStringLiteral("zLabel3")), 1, 0);
    sheetLayout->addWidget(lblFgW_, 1, 1);
    sheetLayout->addWidget(makeLabel(QStringLiteral("[mm]"), QStringLiteral("zLabel5")), 1, 2);
    sheetLayout->addWidget(makeLabel(QStringLiteral("Altezza:"), QStringLiteral("zLabel4")), 2, 0);
    sheetLayout->addWidget(lblFgH_, 2, 1);
    sheetLayout->addWidget(makeLabel(QStringLiteral("[mm]"), QStringLiteral("zLabel6")), 2, 2);
    sheetLayout->addWidget(lblFuoriFoglio_, 3, 0, 1, 3);
    sheetLayout->setRowMinimumHeight(3, lblFuoriFoglio_->sizeHint().height());

    // ---- size and margins
    rightColumn_ = new QWidget(this);
    auto *zFrame3 = new QGroupBox(QStringLiteral("Dimensioni Stampa [mm]"), rightColumn_);
    zFrame3->setObjectName(QStringLiteral("zFrame3"));
    auto *sizeLayout = new QGridLayout(zFrame3);
    auto addRow = [this](QGridLayout *layout, int row, const QString &caption, const QString &labelName, Field field,
                         const QString &fieldName, const QString &upDownName) {
        auto *label = new QLabel(caption);
        label->setObjectName(labelName);
        QLineEdit *edit = addField(field, fieldName, 5);
        label->setBuddy(edit);
        layout->addWidget(label, row, 0);
        layout->addWidget(edit, row, 1);
        layout->addWidget(addUpDown(field, upDownName), row, 2);
    };
    addRow(sizeLayout, 0, QStringLiteral("Largh&ezza:"), QStringLiteral("zLabel8"), Field::PrW, QStringLiteral("txtPrW"), QStringLiteral("updPrW"));
    addRow(sizeLayout, 1, QStringLiteral("Alte&zza:"), QStringLiteral("zLabel2"), Field::PrH, QStringLiteral("txtPrH"), QStringLiteral("updPrH"));
    chkProporzioni_ = new QCheckBox(QStringLiteral("&Mantieni proporzioni"), zFrame3);
    chkProporzioni_->setObjectName(QStringLiteral("chkProporzioni"));
    cmdMax_ = new QPushButton(QStringLiteral("M a &x"), zFrame3);
    cmdMax_->setObjectName(QStringLiteral("cmdMax"));
    cmdMax_->setToolTip(QStringLiteral("Usa tutto il foglio"));
    sizeLayout->addWidget(chkProporzioni_, 2, 0, 1, 3);
    sizeLayout->addWidget(cmdMax_, 3, 0, 1, 3, Qt::AlignRight);

    auto *zFrame2 = new QGroupBox(QStringLiteral("Margini Stampa [mm]"), rightColumn_);
    zFrame2->setObjectName(QStringLiteral("zFrame2"));
    auto *marginLayout = new QGridLayout(zFrame2);
    addRow(marginLayout, 0, QStringLiteral("S&inistro:"), QStringLiteral("zLabel7"), Field::PrX, QStringLiteral("txtPrX"), QStringLiteral("updPrX"));
    addRow(marginLayout, 1, QStringLiteral("S&uperiore:"), QStringLiteral("zLabel9"), Field::PrY, QStringLiteral("txtPrY"), QStringLiteral("updPrY"));
    chkCentro_ = new QCheckBox(QStringLiteral("Stampa &al centro"), zFrame2);
    chkCentro_->setObjectName(QStringLiteral("chkCentro"));
    cmdOrigine_ = new QPushButton(QStringLiteral("&0 / 0"), zFrame2);
    cmdOrigine_->setObjectName(QStringLiteral("cmdOrigine"));
    cmdOrigine_->setToolTip(QStringLiteral("Imposta i margini a 0"));
    marginLayout->addWidget(chkCentro_, 2, 0, 1, 3);
    marginLayout->addWidget(cmdOrigine_, 3, 0, 1, 3, Qt::AlignRight);

    // ---- scale and copies
    scaleRow_ = new QWidget(rightColumn_);
    auto *scaleLayout = new QHBoxLayout(scaleRow_);
    scaleLayout->setContentsMargins(0, 0, 0, 0);
    lblLblScala_ = new QLabel(scaleRow_);
    lblLblScala_->setObjectName(QStringLiteral("lblLblScala"));
    auto *lblPScala = new QLabel(QStringLiteral("1 :  "), scaleRow_);
    lblPScala->setObjectName(QStringLiteral("lblPScala"));
    QLineEdit *txtScala = addField(Field::Scala, QStringLiteral("txtScala"), 20);
    txtScala->setToolTip(QStringLiteral("OK o Invio per confermare"));
    lblLblScala_->setBuddy(txtScala);
    cmdScalaOK_ = new QPushButton(QStringLiteral("OK"), scaleRow_);
    cmdScalaOK_->setObjectName(QStringLiteral("cmdScalaOK"));
    cmdScalaOK_->setAutoDefault(false);
    cmdScalaOK_->setMaximumWidth(40);
    scaleLayout->addWidget(lblLblScala_);
    scaleLayout->addWidget(lblPScala);
    scaleLayout->addWidget(txtScala, 1);
    scaleLayout->addWidget(cmdScalaOK_);

    copiesRow_ = new QWidget(rightColumn_);
    auto *copiesLayout = new QHBoxLayout(copiesRow_);
    copiesLayout->setContentsMargins(0, 0, 0, 0);
    auto *lblLblNCopie = new QLabel(QStringLiteral("N. &di copie:"), copiesRow_);
    lblLblNCopie->setObjectName(QStringLiteral("lblLblNCopie"));
    QLineEdit *txtNCopies = addField(Field::NCopies, QStringLiteral("txtNCopies"), 4);
    lblLblNCopie->setBuddy(txtNCopies);
    copiesLayout->addWidget(lblLblNCopie);
    copiesLayout->addStretch();
    copiesLayout->addWidget(txtNCopies);
    copiesLayout->addWidget(addUpDown(Field::NCopies, QStringLiteral("updNCopies")));

    auto *rightLayout = new QVBoxLayout(rightColumn_);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(zFrame3);
    rightLayout->addWidget(zFrame2);
    rightLayout->addWidget(scaleRow_);
    rightLayout->addWidget(copiesRow_);
    rightLayout->addStretch();

    // ---- buttons
    auto button = [this](const QString &text, const QString &name) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    cmdStampa_ = button(QStringLiteral("&Stampa"), QStringLiteral("cmdStampa"));
    cmdOK_ = button(QStringLiteral("&OK"), QStringLiteral("cmdOK"));
    cmdChiudi_ = button(QStringLiteral("&Chiudi"), QStringLiteral("cmdChiudi"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdStampa_);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdChiudi_);

    auto *leftLayout = new QVBoxLayout;
    leftLayout->addWidget(zFrame1_);
    leftLayout->addWidget(fraFoglio_);
    leftLayout->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(leftLayout);
    columns->addWidget(rightColumn_);
    auto *main = new QVBoxLayout(this);
    main->addLayout(columns);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    // ---- enlarged preview, over the whole window
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
    connect(cboPrinterNames_, &QComboBox::activated, this, [this](int index) { model_.printerChosen(index); });
    connect(cmdProprieta_, &QPushButton::clicked, this, [this] { model_.propertiesClicked(); });
    connect(chkProporzioni_, &QCheckBox::clicked, this, [this](bool checked) { model_.setKeepProportions(checked); });
    connect(chkCentro_, &QCheckBox::clicked, this, [this](bool checked) { model_.setCentred(checked); });
    connect(cmdMax_, &QPushButton::clicked, this, [this] { model_.maxClicked(); });
    connect(cmdOrigine_, &QPushButton::clicked, this, [this] { model_.originClicked(); });
    connect(cmdScalaOK_, &QPushButton::clicked, this, [this] { model_.scaleConfirmed(); });
    connect(cmdStampa_, &QPushButton::clicked, this, [this] { model_.printClicked(); });
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdChiudi_, &QPushButton::clicked, this, &QDialog::reject);
    connect(picPreview_, &SheetView::clicked, this, [this] {
        placeZoom();
        model_.previewClicked(picZoom_->size() - QSize(16, 16));
    });
    connect(picPreviewZoom_, &SheetView::clicked, this, [this] { model_.zoomClicked(); });
    connect(&model_, &printing::PrintWindowModel::changed, this, &frmStampaFPB::sync);
    connect(&model_, &printing::PrintWindowModel::closeRequested, this, &QDialog::accept);
    model_.onRepaintNow = [this] {
        lblStampaInCorso_->repaint();
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

QLineEdit *frmStampaFPB::addField(Field field, const QString &name, int maxLength)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setAlignment(Qt::AlignRight);
    if (field != Field::Scala)
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("-20000")) + 12);
    edit->installEventFilter(this);
    fields_[field] = edit;
    fieldOf_[edit] = field;
    connect(edit, &QLineEdit::textChanged, this, [this, field](const QString &text) { model_.setText(field, text); });
    return edit;
}

UpDown *frmStampaFPB::addUpDown(Field field, const QString &name)
{
    auto *upDown = new UpDown(this);
    upDown->setObjectName(name);
    upDowns_[field] = upDown;
    connect(upDown, &UpDown::stepped, this, [this, field](int step) { model_.upDownClicked(field, step); });
    return upDown;
}

bool frmStampaFPB::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == zLabel1_ && event->type() == QEvent::MouseButtonDblClick) {
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
        case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt:
        case Qt::Key_Meta: case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
        case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
            return false;
        default:
            model_.keyReleased(field);
            return false;
        }
    case QEvent::FocusOut:
        if (field == Field::Scala)
            model_.scaleConfirmed();
        model_.fieldLeft(field);
        return false;
    default:
        return false;
    }
}

void frmStampaFPB::syncObjectMode()
{
    const bool withObject = model_.objectAccepted();
    fraFoglio_->setVisible(withObject);
    rightColumn_->setVisible(withObject);
    cmdStampa_->setVisible(withObject);
    cmdChiudi_->setVisible(withObject);
    cmdOK_->setVisible(!withObject);
    imgPrinter_->setVisible(!withObject);
    scaleRow_->setVisible(withObject);
    copiesRow_->setVisible(withObject);
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
    cmdOrigine_->setEnabled(margins);
    fields_[Field::Scala]->setEnabled(model_.scaleEnabled());
    {
        const QSignalBlocker a(chkProporzioni_), b(chkCentro_);
        chkProporzioni_->setChecked(model_.keepProportions());
        chkCentro_->setChecked(model_.centred());
    }
    lblLblScala_->setText(model_.scaleCaption());

    const QStringList names = model_.printerNames();
    QStringList shown;
    for (int i = 0; i < cboPrinterNames_->count(); ++i)
        shown.append(cboPrinterNames_->itemText(i));
    {
        const QSignalBlocker blocker(cboPrinterNames_);
        if (shown != names) {
            cboPrinterNames_->clear();
            cboPrinterNames_->addItems(names);
        }
        cboPrinterNames_->setCurrentIndex(model_.printerIndex());
    }

    fraFoglio_->setTitle(model_.sheetFrameCaption());
    lblFgW_->setText(model_.sheetWidthText());
    lblFgH_->setText(model_.sheetHeightText());
    const QSize box = model_.previewBox();
    if (!box.isEmpty()) {
        auto *area = picPreview_->parentWidget();
        picPreview_->setGeometry(QRect(QPoint((area->width() - box.width()) / 2, (area->height() - box.height()) / 2), box));
    }
    picPreview_->setToolTip(model_.previewToolTip());
    if (picPreview_->picture().cacheKey() != model_.preview().cacheKey())
        picPreview_->setPicture(model_.preview());

    lblFuoriFoglio_->setVisible(model_.outOfSheetVisible());
    QPalette warning = lblFuoriFoglio_->palette();
    warning.setColor(QPalette::Window, model_.outOfSheetRed() ? QColor(255, 0, 0) : palette().color(QPalette::Button));
    lblFuoriFoglio_->setPalette(warning);

    if (model_.printingVisible()) {
        lblStampaInCorso_->adjustSize();
        lblStampaInCorso_->move(picPreview_->geometry().center() - lblStampaInCorso_->rect().center());
        lblStampaInCorso_->raise();
    }
    lblStampaInCorso_->setVisible(model_.printingVisible());

    if (model_.zoomVisible()) {
        placeZoom();
        const QSize outline = model_.zoomOutline();
        picPreviewZoom_->setGeometry(QRect(QPoint((picZoom_->width() - outline.width()) / 2, (picZoom_->height() - outline.height()) / 2), outline));
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
        cmdStampa_->setFocus();
    else
        cmdOK_->setFocus();
}

}  // namespace velmo::ui
