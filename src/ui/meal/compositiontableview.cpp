// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/meal/compositiontableview.h"

#include "common/numbertext.h"
#include "meal/portiontext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QValidator>

#include <algorithm>

namespace velmo::ui {

namespace {

// Column geometry, in pixels: the name, eight value columns, the lock box.
constexpr int kNameX = 8;
constexpr int kNameWidth = 178;
constexpr int kValueX = 188;
constexpr int kValueWidth = 64;
constexpr int kValueStep = 66;
constexpr int kLockX = 718;
constexpr int kHeadingHeight = 26;
constexpr int kFirstRowY = kHeadingHeight + 2;
constexpr int kSecondHeadingY = kFirstRowY + kMealRows * CompositionTableView::kRowHeight + 2;
constexpr int kTotalsY = kSecondHeadingY + kHeadingHeight + 2;

const QColor kCalculated(192, 255, 255);

int columnX(MealColumn c)
{
    if (c == MealColumn::Name)
        return kNameX;
    return kValueX + (static_cast<int>(c) - 1) * kValueStep;
}

int columnWidth(MealColumn c)
{
    return c == MealColumn::Name ? kNameWidth : kValueWidth;
}

QString rowSuffix(int row)
{
    return QStringLiteral("(%1)").arg(row);
}

// A value wider than its cell is shown in a smaller type, whole, with the value in full in the
// cell's tip: cut at the left, as a right-aligned label cuts it, 1.223.999,88 would read as a
// plausible 223.999,88.
void fitValue(QLabel *label, const QString &text)
{
    if (label->text() != text)
        label->setText(text);
    QFont font = label->font();
    font.setPointSizeF(kSmallTextPointSize);
    // What the text may take: the cell less its frame, its margins and the indent a framed label
    // keeps on its aligned side (half an "x").
    const int room = label->contentsRect().width() - 2 * label->margin()
                     - (label->frameWidth() > 0 ? QFontMetrics(font).horizontalAdvance(u'x') / 2 : 0);
    constexpr qreal kSmallestPointSize = 4;
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > kSmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != label->font())
        label->setFont(font);
    const QString tip = font.pointSizeF() < kSmallTextPointSize ? text : QString();
    if (label->toolTip() != tip)
        label->setToolTip(tip);
}

// The cursor shown over the lock boxes: a small padlock.
QCursor padlockCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 2));
    p.drawArc(QRect(9, 3, 14, 14), 0, 180 * 16);
    p.drawLine(9, 10, 9, 14);
    p.drawLine(23, 10, 23, 14);
    p.setBrush(QColor(230, 180, 40));
    p.drawRoundedRect(QRect(6, 14, 20, 15), 3, 3);
    p.setBrush(Qt::black);
    p.drawEllipse(QPoint(16, 21), 2, 2);
    p.end();
    return QCursor(pixmap, 16, 16);
}

// Text that reaches a gross-weight box whole (pasted, dropped, or a digit beyond the last one
// the box takes) is taken whole or refused whole, as the table decides; a refused text leaves the
// box as it was, with the beep a user expects of a refused input and the table's word on why.
class GrossWeightValidator : public QValidator {
public:
    GrossWeightValidator(MealGrid &meal, QObject *parent) : QValidator(parent), meal_(meal) {}

    State validate(QString &input, int &) const override
    {
        if (MealGrid::acceptsGrossText(input))
            return Acceptable;
        if (meal_.refuseGrossText(input))
            QApplication::beep();
        return Invalid;
    }

private:
    MealGrid &meal_;
};

// Editing commands are no characters: their result passes the validator instead.
bool isEditingCommand(const QKeyEvent *key)
{
    for (QKeySequence::StandardKey command : {QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut,
                                              QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo})
        if (key->matches(command))
            return true;
    return key->key() == Qt::Key_Delete;
}

}  // namespace

std::array<QString, 8> CompositionTableView::headings()
{
    return valueColumnHeadings();
}

CompositionTableView::CompositionTableView(MealGrid &meal, QWidget *parent) : QWidget(parent), meal_(meal)
{
    QFont small = font();
    small.setPointSizeF(kSmallTextPointSize);
    setFont(small);

    const std::array<QString, 8> texts = headings();
    for (int pass = 0; pass < 2; ++pass) {
        const int y = pass == 0 ? 0 : kSecondHeadingY;
        for (int i = 0; i < 8; ++i) {
            auto *heading = new QLabel(texts[static_cast<std::size_t>(i)], this);
            heading->setObjectName(QStringLiteral("heading%1_%2").arg(pass).arg(i));
            heading->setWordWrap(true);
            heading->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
            heading->setGeometry(kValueX + i * kValueStep, y, kValueWidth, kHeadingHeight);
        }
    }

    // Only the rows the meal shows are made now (at start, the first): each row is a dozen
    // widgets, and making the hidden ones was a good part of the window's start-up.
    for (int r = 0; r < kMealRows; ++r)
        if (r == 0 || meal_.row(r).visible)
            buildRow(r);

    auto *totalsCaptionLabel = new QLabel(totalsCaption(), this);
    totalsCaptionLabel->setObjectName(QStringLiteral("Label4"));
    totalsCaptionLabel->setGeometry(kNameX, kTotalsY, kNameWidth, 20);
    QFont bold = small;
    bold.setBold(true);
    totalsCaptionLabel->setFont(bold);

    static const char *totalNames[8] = {"Textplsomma",    "Textpnsomma",    "Labelprotsomma", "Labellipsomma",
                                        "Labelglucsomma", "Labelenersomma", "Labelfibsomma",  "Labelcolsomma"};
    static const QColor backgrounds[8] = {QColor(192, 192, 192), QColor(192, 192, 192), QColor(0, 0, 255),
                                          QColor(255, 255, 0),   QColor(255, 0, 0),     QColor(192, 0, 192),
                                          QColor(0, 255, 0),     QColor(255, 128, 128)};
    static const QColor foregrounds[8] = {QColor(255, 0, 0), QColor(255, 0, 0),     QColor(255, 255, 255),
                                          QColor(255, 0, 0), QColor(255, 255, 255), QColor(255, 255, 255),
                                          QColor(255, 0, 0), QColor(255, 255, 255)};
    for (int line = 0; line < 2; ++line) {
        for (int i = 0; i < 8; ++i) {
            auto *total = new QLabel(this);
            total->setObjectName(QString::fromLatin1(totalNames[i]) + (line == 0 ? QString() : QStringLiteral("1")));
            total->setGeometry(kValueX + i * kValueStep, kTotalsY + line * 22, kValueWidth, 20);
            total->setFont(bold);
            total->setFrameStyle(QFrame::Box | QFrame::Plain);
            total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            total->setAutoFillBackground(true);
            QPalette tp = total->palette();
            tp.setColor(QPalette::Window, backgrounds[i]);
            tp.setColor(QPalette::WindowText, foregrounds[i]);
            total->setPalette(tp);
            total->setAccessibleDescription(tr("Totale, %1").arg(texts[static_cast<std::size_t>(i)].trimmed()));
            if (line == 0)
                totals_[static_cast<std::size_t>(i)] = total;
            else
                total->hide();  // the second totals line is never shown
        }
    }

    // The persons controls exist but are never offered: every total is for one person.
    auto *personsLabel = new QLabel(this);
    personsLabel->setObjectName(QStringLiteral("Label1"));
    personsLabel->hide();
    auto *personsCombo = new QComboBox(this);
    personsCombo->setObjectName(QStringLiteral("Combo1"));
    for (int n = 1; n <= 11; ++n)
        personsCombo->addItem(formatUnits(n, 0, QLocale()));
    personsCombo->setPlaceholderText(tr("Scegli il numero delle persone"));
    personsCombo->setCurrentIndex(-1);
    personsCombo->hide();

    setFixedSize(760, kTotalsY + 22);
    connect(&meal_, &MealGrid::cellChanged, this, &CompositionTableView::renderCell);
    connect(&meal_, &MealGrid::rowStateChanged, this, &CompositionTableView::renderRowState);
    connect(&meal_, &MealGrid::totalsChanged, this, &CompositionTableView::renderTotals);
    renderTotals();
}

void CompositionTableView::buildRow(int r) const
{
    // Made on first need, also from the const accessors: to the caller the row was always there.
    auto *self = const_cast<CompositionTableView *>(this);
    const int y = kFirstRowY + r * kRowHeight;
    for (int c = 0; c < kMealColumns; ++c) {
        const auto column = static_cast<MealColumn>(c);
        if (column == MealColumn::Gross) {
            auto *box = new QLineEdit(self);
            box->setObjectName(QStringLiteral("Textpl%1").arg(r));
            box->setGeometry(columnX(column), y, columnWidth(column), kRowHeight - 1);
            box->installEventFilter(self);
            box->setValidator(new GrossWeightValidator(meal_, box));
            box->setAccessibleName(tr("Peso lordo, riga %1").arg(r + 1));
            box->setAccessibleDescription(
                tr("Grammi interi dell'alimento scelto; poi Tab e Spazio per bloccare la riga"));
            connect(box, &QLineEdit::textEdited, self,
                    [self, r](const QString &text) { emit self->grossEdited(r, text); });
            box->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(box, &QLineEdit::customContextMenuRequested, self, [self, box, r](const QPoint &at) {
                QMenu *menu = self->grossMenu(r);
                menu->setAttribute(Qt::WA_DeleteOnClose);
                menu->popup(box->mapToGlobal(at));
            });
            grossBoxes_[static_cast<std::size_t>(r)] = box;
            continue;
        }
        static const char *names[] = {"Labelnome", nullptr,     "Textpn",   "Labelprot", "Labellip",
                                      "Labelgluc", "Labelener", "Labelfib", "Labelcol"};
        auto *label = new QLabel(self);
        label->setObjectName(QString::fromLatin1(names[c]) + rowSuffix(r));
        label->setGeometry(columnX(column), y, columnWidth(column), kRowHeight - 1);
        label->setAutoFillBackground(true);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setMargin(1);
        cellLabels_[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = label;
    }
    auto *lock = new QCheckBox(self);
    lock->setObjectName(r == 0 ? QStringLiteral("blocca") : QStringLiteral("blocca%1").arg(r));
    lock->setGeometry(kLockX, y, 18, kRowHeight - 1);
    lock->setAutoFillBackground(true);
    QPalette lp = lock->palette();
    lp.setColor(QPalette::Window, QColor(224, 224, 224));
    lock->setPalette(lp);
    if (!lockCursor_)
        lockCursor_ = std::make_unique<QCursor>(padlockCursor());
    lock->setCursor(*lockCursor_);
    lock->setAccessibleName(tr("Blocca riga %1").arg(r + 1));
    lock->setToolTip(tr("Blocca la riga e calcola la porzione"));
    lock->setAccessibleDescription(tr("Blocca la riga e calcola la porzione: Spazio la blocca e apre la riga "
                                      "successiva, di nuovo Spazio la sblocca e la svuota"));
    connect(lock, &QCheckBox::clicked, self, [self, r](bool checked) {
        // The model owns the lock's value: show what it says, then report the click.
        self->renderRowState(r);
        emit self->lockBoxClicked(r, checked);
    });
    lockBoxes_[static_cast<std::size_t>(r)] = lock;

    // A row made late goes where it would have been in the tab order: after the row above.
    int above = r - 1;
    while (above >= 0 && !lockBoxes_[static_cast<std::size_t>(above)])
        --above;
    if (above >= 0) {
        QWidget::setTabOrder(lockBoxes_[static_cast<std::size_t>(above)], grossBoxes_[static_cast<std::size_t>(r)]);
        QWidget::setTabOrder(grossBoxes_[static_cast<std::size_t>(r)], lock);
    }

    for (int c = 0; c < kMealColumns; ++c)
        self->renderCell(r, static_cast<MealColumn>(c));
    self->renderRowState(r);
}

QMenu *CompositionTableView::grossMenu(int row) const
{
    QMenu *menu = grossBox(row)->createStandardContextMenu();
    if (meal_.openRow() == row && !openRowActions_.isEmpty()) {
        menu->addSeparator();
        menu->addActions(openRowActions_);
    }
    return menu;
}

bool CompositionTableView::isBuilt(int row) const
{
    return lockBoxes_[static_cast<std::size_t>(row)] != nullptr;
}

QLineEdit *CompositionTableView::grossBox(int row) const
{
    if (!isBuilt(row))
        buildRow(row);
    return grossBoxes_[static_cast<std::size_t>(row)];
}

QCheckBox *CompositionTableView::lockBox(int row) const
{
    if (!isBuilt(row))
        buildRow(row);
    return lockBoxes_[static_cast<std::size_t>(row)];
}

QLabel *CompositionTableView::cellLabel(int row, MealColumn column) const
{
    if (!isBuilt(row))
        buildRow(row);
    return cellLabels_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

QWidget *CompositionTableView::cellWidget(int row, MealColumn column) const
{
    if (column == MealColumn::Gross)
        return grossBox(row);
    return cellLabel(row, column);
}

void CompositionTableView::renderCell(int row, MealColumn column)
{
    if (!isBuilt(row))
        return;  // the row shows every cell as it is when it is made
    const MealCell &cell = meal_.row(row).cell(column);
    QWidget *widget = cellWidget(row, column);
    const Qt::Alignment alignment = (cell.alignment == CellAlignment::Right ? Qt::AlignRight : Qt::AlignLeft)
                                    | Qt::AlignVCenter;
    QPalette palette = widget->palette();
    const QPalette system = QWidget::palette();
    const QColor background = cell.background == CellBackground::Calculated ? kCalculated
                                                                            : system.color(QPalette::Base);
    const QColor text = cell.textColour == CellTextColour::White ? QColor(Qt::white) : system.color(QPalette::Text);
    // A recomputation touches most cells several times over; a widget is only told what really
    // changed, since each change repaints it (and a palette change restyles it).
    QPalette::ColorRole backgroundRole = QPalette::Window;
    QPalette::ColorRole textRole = QPalette::WindowText;
    if (auto *box = qobject_cast<QLineEdit *>(widget)) {
        if (box->text() != cell.text)
            box->setText(cell.text);
        if (box->alignment() != alignment)
            box->setAlignment(alignment);
        backgroundRole = QPalette::Base;
        textRole = QPalette::Text;
    } else {
        auto *label = static_cast<QLabel *>(widget);
        if (column != MealColumn::Name)
            fitValue(label, cell.text);
        else if (label->text() != cell.text)
            label->setText(cell.text);
        // The portion the weight stands for is told beside the name, not in it: the name cell
        // shows the food as always, its tip and its description say "2 fette".
        if (column == MealColumn::Name) {
            const QString &portion = meal_.row(row).portion;
            const QString told = portion.isEmpty() ? QString() : tr("Porzione: %1").arg(shownPortion(portion));
            if (label->toolTip() != told) {
                label->setToolTip(told);
                label->setAccessibleDescription(told);
            }
        }
        if (label->alignment() != alignment)
            label->setAlignment(alignment);
    }
    if (palette.color(backgroundRole) != background || palette.color(textRole) != text) {
        palette.setColor(backgroundRole, background);
        palette.setColor(textRole, text);
        widget->setPalette(palette);
    }
}

void CompositionTableView::renderRowState(int row)
{
    const MealRow &state = meal_.row(row);
    if (!isBuilt(row)) {
        if (state.visible)
            buildRow(row);  // which renders the state
        return;
    }
    if (!state.visible)
        keepFocusInTable(row);
    for (int c = 0; c < kMealColumns; ++c)
        cellWidget(row, static_cast<MealColumn>(c))->setVisible(state.visible);
    // A locked row keeps the weight it was calculated for until it is unlocked.
    grossBox(row)->setReadOnly(state.lock == 1);
    QCheckBox *lock = lockBox(row);
    lock->setVisible(state.visible);
    lock->setChecked(state.lock == 1);
}

void CompositionTableView::keepFocusInTable(int row)
{
    const bool inBox = grossBox(row)->hasFocus();
    if (!inBox && !lockBox(row)->hasFocus())
        return;
    // The focus stays in the table, on the same kind of box of the nearest row still shown (the
    // first row always is), rather than wandering to whatever control follows the hidden one.
    for (int distance = 1; distance < kMealRows; ++distance) {
        for (const int r : {row - distance, row + distance}) {
            if (r < 0 || r >= kMealRows || !meal_.row(r).visible || !isBuilt(r))
                continue;
            if (inBox)
                grossBox(r)->setFocus(Qt::OtherFocusReason);
            else
                lockBox(r)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void CompositionTableView::renderTotals()
{
    for (int i = 0; i < 8; ++i)
        fitValue(totals_[static_cast<std::size_t>(i)], meal_.totals().texts[static_cast<std::size_t>(i)]);
}

bool CompositionTableView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (int r = 0; r < kMealRows; ++r)
            if (watched == grossBoxes_[static_cast<std::size_t>(r)])
                emit grossClicked(r);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // A box takes Ctrl+Z and its redo for itself even with nothing typed to take back: then
        // they are the window's, and undo the table's last step.
        auto *key = static_cast<QKeyEvent *>(event);
        const auto box = std::find(grossBoxes_.begin(), grossBoxes_.end(), watched);
        if (box != grossBoxes_.end()
            && ((key->matches(QKeySequence::Undo) && !(*box)->isUndoAvailable())
                || (key->matches(QKeySequence::Redo) && !(*box)->isRedoAvailable()))) {
            key->ignore();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto box = std::find(grossBoxes_.begin(), grossBoxes_.end(), watched);
        // The key filter sees each typed character before the box does; a discarded key changes
        // nothing but the table's hint, with a beep. Keys without a character (arrows, Home, End)
        // are no business of it.
        if (box != grossBoxes_.end() && !key->text().isEmpty() && !isEditingCommand(key)) {
            const int code = key->text().at(0).unicode();
            const bool typed = code >= 32 && code != 127;  // not Tab, Backspace and the like
            if (MealGrid::grossKeyPress(code) == 0 || ((*box)->isReadOnly() && typed)) {
                if (meal_.refuseGrossKey(static_cast<int>(box - grossBoxes_.begin()), code))
                    QApplication::beep();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmo::ui
