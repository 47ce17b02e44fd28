// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/meal/daypanel.h"

#include "shell/daypanelmodel.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

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

}  // namespace

DayPanel::DayPanel(DayPanelModel &model, QWidget *parent) : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("pannelloGiorno"));
    auto *layout = new QVBoxLayout(this);
    auto *dayRow = new QHBoxLayout;
    dayPerson_ = new QLabel(this);
    dayPerson_->setObjectName(QStringLiteral("lblPersonaGiorno"));
    dayRow->addWidget(dayPerson_, 1);
    dayDate_ = new QDateEdit(this);
    dayDate_->setObjectName(QStringLiteral("dtpGiorno"));
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
    meals_->setSelectionMode(QAbstractItemView::NoSelection);
    meals_->verticalHeader()->hide();
    meals_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    meals_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(meals_, 1);
    totals_ = newCaption(QStringLiteral("lblTotaliGiorno"), this);
    layout->addWidget(totals_);
    split_ = newCaption(QStringLiteral("lblRipartizioneGiorno"), this);
    layout->addWidget(split_);
    connect(&model_, &DayPanelModel::refreshed, this, &DayPanel::render);
    render();
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

void DayPanel::render()
{
    summary_->setText(model_.summary().toHtmlEscaped());
    totals_->setText(linesTable(tr("Totali del giorno"), model_.totals()));
    split_->setText(
        linesTable(tr("Energia da protidi, lipidi e glucidi, con gli intervalli di riferimento"), model_.split()));
    totals_->setVisible(!model_.totals().empty());
    split_->setVisible(!model_.split().empty());
}

}  // namespace velmo::ui
