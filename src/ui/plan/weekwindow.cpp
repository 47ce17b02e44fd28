// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/plan/weekwindow.h"

#include "common/numbertext.h"
#include "shell/weekmodel.h"
#include "ui/chart/barchart.h"
#include "ui/plan/planbutton.h"

#include <QAbstractAxis>
#include <QChartView>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QPushButton>
#include <QSignalBlocker>
#include <QScrollBar>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

namespace velmo::ui {

namespace {

QChartView *newChartView(const QString &accessibleName, QWidget *parent)
{
    auto *view = new QChartView(parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(150);
    presentAsPicture(view);
    // The table above holds the same numbers for the keyboard and for a screen reader.
    view->setAccessibleName(accessibleName);
    return view;
}

// The days under the bars in a smaller font, so that a narrow window still has room for them.
void showDaysSmaller(BarChart &chart)
{
    for (QAbstractAxis *axis : chart.axes(Qt::Horizontal)) {
        QFont small = axis->labelsFont();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        axis->setLabelsFont(small);
    }
}

// The colours of the main window's chart: protein blue, fat yellow, carbohydrate red.
BarSetStyle macroSet(const QString &name, QColor colour)
{
    return {name, colour, colour.darker(140)};
}

}  // namespace

WeekWindow::WeekWindow(WeekModel &model, QWidget *parent) : QDialog(parent), model_(model)
{
    setObjectName(QStringLiteral("frmSettimana"));
    setWindowTitle(tr("Settimana"));
    setSizeGripEnabled(true);
    resize(1060, 720);

    QWidget *controls = buildWeekControls();  // first, so that Tab reaches them before the table
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("tabSettimana"));
    table_->setModel(&model_);
    table_->setAccessibleName(tr("Giorni della settimana"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The table holds the numbers, the average among them: it keeps every row in a small window,
    // where the charts give up their height first, with room for the scroll bar a narrow window
    // needs under it.
    table_->setFixedHeight(table_->horizontalHeader()->sizeHint().height() + table_->verticalHeader()->length()
                           + 2 * table_->frameWidth() + table_->horizontalScrollBar()->sizeHint().height());

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblMediaSettimana"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *legend = new QLabel(
        tr("«≥»: alcuni alimenti non hanno il valore, la quantità è la somma dei valori noti e il "
           "vero totale può essere maggiore; la media di quantità minime è anch'essa una "
           "quantità minima. I giorni senza alimenti memorizzati non entrano nella media."),
        this);
    legend->setWordWrap(true);

    energyChart_ = newChartView(tr("Grafico dell'energia di ogni giorno rispetto al fabbisogno"), this);
    energyChart_->setObjectName(QStringLiteral("grfEnergiaSettimana"));
    sharesChart_ = newChartView(tr("Grafico delle quote di energia da proteine, lipidi e carboidrati di ogni giorno"),
                                this);
    sharesChart_->setObjectName(QStringLiteral("grfQuoteSettimana"));
    auto *charts = new QSplitter(this);
    charts->addWidget(energyChart_);
    charts->addWidget(sharesChart_);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(controls);
    layout->addWidget(table_);
    layout->addWidget(summary_);
    layout->addWidget(legend);
    layout->addWidget(charts, 1);
    layout->addWidget(buildButtons());

    connect(&model_, &WeekModel::refreshed, this, &WeekWindow::render);
    render();
}

// The texts wrap as the window narrows, and a layout's minimum height does not follow them: the
// window's does, so that no text is ever drawn over the table.
void WeekWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (const int needed = layout()->minimumHeightForWidth(width()); needed > 0 && needed != minimumHeight())
        setMinimumHeight(needed);
}

QWidget *WeekWindow::buildWeekControls()
{
    auto *box = new QWidget(this);
    heading_ = new QLabel(box);
    heading_->setObjectName(QStringLiteral("lblSettimana"));
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    from_ = new QDateEdit(model_.from(), box);
    from_->setObjectName(QStringLiteral("datSettimana"));
    from_->setCalendarPopup(true);
    from_->setDisplayFormat(dateFormat(QLocale()));
    from_->setAccessibleName(tr("Primo giorno della settimana"));
    auto *fromLabel = new QLabel(tr("Settimana &dal:"), box);
    fromLabel->setBuddy(from_);
    connect(from_, &QDateEdit::dateChanged, &model_, &WeekModel::setFrom);
    requirement_ = new QLabel(box);
    requirement_->setWordWrap(true);
    auto *row = new QHBoxLayout;
    row->addWidget(fromLabel);
    row->addWidget(from_);
    connect(
        addPlanButton(box, row, tr("◀ Settimana &precedente"), tr("Settimana precedente"), "cmdSettimanaPrecedente"),
        &QPushButton::clicked, &model_, &WeekModel::previousWeek);
    connect(
        addPlanButton(box, row, tr("Settimana &successiva ▶"), tr("Settimana successiva"), "cmdSettimanaSuccessiva"),
        &QPushButton::clicked, &model_, &WeekModel::nextWeek);
    connect(addPlanButton(box, row, tr("&Questa settimana"), tr("Questa settimana, da lunedì"), "cmdQuestaSettimana"),
            &QPushButton::clicked, &model_, &WeekModel::thisWeek);
    row->addStretch(1);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(heading_);
    layout->addLayout(row);
    layout->addWidget(requirement_);
    return box;
}

QWidget *WeekWindow::buildButtons()
{
    auto *box = new QWidget(this);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    connect(addPlanButton(box, layout, tr("&Esporta CSV..."), tr("Esporta la settimana in un file CSV"),
                          "cmdEsportaSettimana"),
            &QPushButton::clicked, &model_, &WeekModel::exportCsv);
    connect(addPlanButton(box, layout, tr("Profilo della &media..."),
                          tr("Profilo nutrizionale della media giornaliera della settimana"), "cmdProfiloSettimana"),
            &QPushButton::clicked, this, &WeekWindow::averageProfileRequested);
    layout->addStretch(1);
    connect(addPlanButton(box, layout, tr("C&hiudi"), tr("Chiudi"), "cmdChiudiSettimana"), &QPushButton::clicked, this,
            &QDialog::close);
    return box;
}

QPushButton *WeekWindow::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void WeekWindow::render()
{
    heading_->setText(model_.heading());
    {
        const QSignalBlocker blocker(from_);
        from_->setDate(model_.from());
    }
    requirement_->setText(model_.requirementText());
    requirement_->setVisible(!model_.requirementText().isEmpty());
    summary_->setText(model_.summary());
    for (const char *name : {"cmdEsportaSettimana", "cmdProfiloSettimana"})
        button(QString::fromLatin1(name))->setEnabled(model_.averagedDays() > 0);
    showCharts();
}

// The charts are made anew for each week: their categories are its days.
void WeekWindow::showCharts()
{
    // The day of the week and of the month: the whole date would not fit under a bar.
    QStringList days;
    const QLocale locale;
    for (int d = 0; d < WeekModel::kDays; ++d) {
        const QDate date = model_.from().addDays(d);
        days << locale.dayName(date.dayOfWeek(), QLocale::ShortFormat) + u' ' + QString::number(date.day());
    }
    const auto amount = [this](int row, WeekModel::Column column) {
        return model_.index(row, column).data(WeekModel::AmountRole).toDouble();  // 0 when none
    };

    auto *energy = new BarChart(days, {macroSet(tr("Energia (kcal)"), QColor(0x4a, 0x7d, 0xb5))}, AxisFit::ToTallest);
    QList<double> kcal;
    for (int d = 0; d < WeekModel::kDays; ++d)
        kcal << amount(d, WeekModel::EnergyColumn);
    energy->setValues(kcal);
    energy->setReferenceLine(model_.requirementKcal(), tr("Fabbisogno"), QColor(0xc0, 0x39, 0x2b));
    energy->setTitle(tr("Energia per giorno (kcal)"));
    energy->legend()->setVisible(true);
    energy->legend()->setAlignment(Qt::AlignBottom);
    showDaysSmaller(*energy);
    energy->showIn(energyChart_);
    energyChart_->setAccessibleName(tr("Grafico dell'energia di ogni giorno rispetto al fabbisogno"));

    auto *shares = new BarChart(days,
                                {macroSet(tr("Proteine"), QColor(72, 72, 255)),
                                 macroSet(tr("Lipidi"), QColor(255, 255, 0)),
                                 macroSet(tr("Carboidrati"), QColor(255, 0, 0))},
                                AxisFit::ToTallest);
    QList<double> values;
    for (WeekModel::Column column :
         {WeekModel::ProteinShareColumn, WeekModel::FatShareColumn, WeekModel::CarbohydrateShareColumn})
        for (int d = 0; d < WeekModel::kDays; ++d)
            values << amount(d, column);
    shares->setValues(values);
    shares->setTitle(tr("Quote dell'energia per giorno (%En)"));
    shares->legend()->setVisible(true);
    shares->legend()->setAlignment(Qt::AlignBottom);
    showDaysSmaller(*shares);
    shares->showIn(sharesChart_);
    sharesChart_->setAccessibleName(
        tr("Grafico delle quote di energia da proteine, lipidi e carboidrati di ogni giorno"));
}

}  // namespace velmo::ui
