// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/meal/daypanel.h"

#include "common/numbertext.h"
#include "shell/daypanelmodel.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace velmo::ui {

namespace {

QLabel *newCaption(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The lines as a table of plain text: the nutrients' names come from the food data.
QString linesTable(const QString &heading, const std::vector<DayPanelModel::Line> &lines)
{
    QString html = QStringLiteral("<b>%1</b><table cellspacing=\"2\">").arg(heading.toHtmlEscaped());
    for (const DayPanelModel::Line &line : lines) {
        html += QStringLiteral("<tr>");
        for (const QString &cell : {line.name, line.amount, line.reference, line.status})
            html += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// A table of a few rows, laid out once: no scrolling, no stretching, every cell on one line.
void prepareSmallTable(QTableView *table)
{
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

// The table as large as its columns and rows: the panel, and with it the dock, is never narrower.
void fitToContents(QTableView *table)
{
    QHeaderView *columns = table->horizontalHeader();
    columns->resizeSections(QHeaderView::ResizeToContents);
    const int frame = 2 * table->frameWidth();
    table->setMinimumWidth(columns->length() + frame);
    table->setFixedHeight(columns->sizeHint().height() + table->verticalHeader()->length() + frame);
}

}  // namespace

DayPanel::DayPanel(DayPanelModel &model, QWidget *parent) : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("pannelloGiorno"));
    auto *layout = new QVBoxLayout(this);
    auto *dayRow = new QHBoxLayout;
    dayPerson_ = new QLabel(this);
    dayPerson_->setObjectName(QStringLiteral("lblPersonaGiorno"));
    dayPerson_->setWordWrap(true);  // a long name and the other person's requirement
    dayRow->addWidget(dayPerson_, 1);
    dayDate_ = new QDateEdit(this);
    dayDate_->setObjectName(QStringLiteral("dtpGiorno"));
    dayDate_->setDisplayFormat(dateFormat(QLocale()));
    dayDate_->setCalendarPopup(true);
    // A date typed digit by digit is one choice, made when the typing ends.
    dayDate_->setKeyboardTracking(false);
    dayDate_->setAccessibleName(tr("Data del giorno della persona"));
    dayPerson_->setBuddy(dayDate_);
    dayDate_->installEventFilter(this);
    dayRow->addWidget(dayDate_);
    layout->addLayout(dayRow);
    summary_ = newCaption(QStringLiteral("lblGiorno"), this);
    layout->addWidget(summary_);
    meals_ = new QTableView(this);
    meals_->setObjectName(QStringLiteral("tabPastiGiorno"));
    meals_->setAccessibleName(tr("Pasti del giorno"));
    meals_->setModel(&model_);
    prepareSmallTable(meals_);
    layout->addWidget(meals_);
    totals_ = newCaption(QStringLiteral("lblTotaliGiorno"), this);
    layout->addWidget(totals_);
    splitTitle_ = newCaption(QStringLiteral("lblRipartizioneGiorno"), this);
    splitTitle_->setText(
        QStringLiteral("<b>%1</b>")
            .arg(tr("Energia da proteine, lipidi e carboidrati, con gli intervalli di riferimento").toHtmlEscaped()));
    layout->addWidget(splitTitle_);
    split_ = new QTableWidget(0, 4, this);
    split_->setObjectName(QStringLiteral("tabRipartizioneGiorno"));
    split_->setAccessibleName(tr("Energia da proteine, lipidi e carboidrati"));
    split_->setHorizontalHeaderLabels({tr("Da"), tr("Quota"), tr("Intervallo"), tr("Giudizio")});
    prepareSmallTable(split_);
    layout->addWidget(split_);
    balance_ = new QPushButton(tr("Bilancia quantità..."), this);
    balance_->setObjectName(QStringLiteral("cmdBilanciaGiorno"));
    balance_->setAccessibleName(tr("Bilancia le quantità di tutti i pasti del giorno"));
    layout->addWidget(balance_, 0, Qt::AlignLeft);
    layout->addStretch(1);
    connect(&model_, &DayPanelModel::refreshed, this, &DayPanel::render);
    render();
}

QSize DayPanel::sizeHint() const
{
    const QMargins margins = layout()->contentsMargins();
    const int tables = std::max(meals_->minimumWidth(), split_->isVisible() ? split_->minimumWidth() : 0);
    return {tables + margins.left() + margins.right(), QWidget::sizeHint().height()};
}

void DayPanel::render()
{
    summary_->setText(model_.summary().toHtmlEscaped());
    totals_->setText(linesTable(tr("Totali del giorno"), model_.totals()));
    totals_->setVisible(!model_.totals().empty());
    const std::vector<DayPanelModel::Line> &split = model_.split();
    split_->setRowCount(static_cast<int>(split.size()));
    for (int r = 0; r < split_->rowCount(); ++r) {
        const DayPanelModel::Line &line = split[static_cast<std::size_t>(r)];
        const QString cells[] = {line.name, line.amount, line.reference, line.status};
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            split_->setItem(r, c, item);
        }
    }
    splitTitle_->setVisible(!split.empty());
    split_->setVisible(!split.empty());
    fitToContents(meals_);
    fitToContents(split_);
}

// Ctrl+PgUp and Ctrl+PgDn change the meal wherever the focus is, never the date in its box.
bool DayPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == dayDate_ && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace velmo::ui
