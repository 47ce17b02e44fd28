// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/plan/personswindow.h"

#include "common/numbertext.h"
#include "shell/personsession.h"
#include "ui/plan/decimalspinbox.h"
#include "ui/plan/personform.h"
#include "ui/plan/planbutton.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QDateTimeAxis>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QListView>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace velmo::ui {

namespace {

bool hasFocusWithin(const QWidget *view)
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == view || view->isAncestorOf(focus));
}

// Ctrl+Z and Ctrl+Maiusc+Z take the persons' changes back and again in `window` too, but never a
// step of the main window, which that window does not show.
void addPersonStepKeys(QWidget &window, QUndoStack &stack)
{
    auto *undo = new QAction(PersonsWindow::tr("Annulla"), &window);
    undo->setShortcuts(QKeySequence::Undo);
    QObject::connect(undo, &QAction::triggered, &window, [&stack] {
        if (isPersonChange(stack.command(stack.index() - 1)))
            stack.undo();
    });
    auto *redo = new QAction(PersonsWindow::tr("Ripeti"), &window);
    redo->setShortcuts(redoKeys());
    QObject::connect(redo, &QAction::triggered, &window, [&stack] {
        if (isPersonChange(stack.command(stack.index())))
            stack.redo();
    });
    window.addActions({undo, redo});
}

}  // namespace

PersonsWindow::PersonsWindow(PersonSession &session, QUndoStack &stack, QWidget *parent)
    : QDialog(parent), model_(session, stack)
{
    setObjectName(QStringLiteral("frmPersone"));
    setWindowTitle(tr("Persone"));
    setSizeGripEnabled(true);
    resize(980, 640);
    addPersonStepKeys(*this, stack);

    list_ = new QListView(this);
    list_->setModel(&model_.persons());
    list_->setAccessibleName(tr("Persone"));
    list_->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    auto *listLabel = new QLabel(tr("&Persone:"), this);
    listLabel->setBuddy(list_);
    auto *listButtons = new QVBoxLayout;
    connect(addPlanButton(this, listButtons, tr("&Nuova..."), tr("Nuova persona"), "cmdNuovaPersona"),
            &QPushButton::clicked, this, &PersonsWindow::newPerson);
    connect(addPlanButton(this, listButtons, tr("&Modifica..."), tr("Modifica la persona"), "cmdModificaPersona"),
            &QPushButton::clicked, this, &PersonsWindow::editPerson);
    QPushButton *remove = addPlanButton(this, listButtons, tr("&Elimina persona"), tr("Elimina persona"),
                                        "cmdEliminaPersona");
    connect(remove, &QPushButton::clicked, this, [this, remove] {
        model_.removeSelected();
        focusListUnlessOn(remove);
    });
    QPushButton *makeCurrent = addPlanButton(this, listButtons, tr("Imposta come persona &corrente"),
                                             tr("Imposta come persona corrente"), "cmdPersonaCorrente");
    connect(makeCurrent, &QPushButton::clicked, this, [this, makeCurrent] {
        model_.makeSelectedCurrent();
        focusListUnlessOn(makeCurrent);
    });
    connect(addPlanButton(this, listButtons, tr("Nessuna persona c&orrente"), tr("Nessuna persona corrente"),
                          "cmdNessunaCorrente"),
            &QPushButton::clicked, &model_, &PersonsWindowModel::clearCurrent);
    listButtons->addStretch(1);
    auto *left = new QWidget(this);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(listLabel);
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(list_, 1);
    listRow->addLayout(listButtons);
    leftLayout->addLayout(listRow, 1);

    auto *right = new QWidget(this);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(buildPersonPanel());
    rightLayout->addWidget(buildWeightPanel(), 1);

    auto *splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 2);
    auto *close = new QPushButton(tr("C&hiudi"), this);
    close->setAccessibleName(tr("Chiudi"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(bottom);

    connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { model_.select(model_.persons().name(current.row())); });
    connect(&model_, &PersonsWindowModel::selectionChanged, this, &PersonsWindow::showSelection);
    keepPlacesAcrossResets();
    showSelection();
}

void PersonsWindow::keepPlacesAcrossResets()
{
    connect(&model_.persons(), &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        listPlace_ = {hasFocusWithin(list_), list_->currentIndex().row(), {}};
    });
    connect(&model_.persons(), &QAbstractItemModel::modelReset, this, [this] {
        // The person selected before, or (deleted) the one that took its place in the list.
        const int count = model_.persons().rowCount();
        if (const auto row = model_.persons().rowOf(model_.selected()))
            list_->setCurrentIndex(model_.persons().index(*row));
        else if (listPlace_.row >= 0 && count > 0)
            list_->setCurrentIndex(model_.persons().index(std::min(listPlace_.row, count - 1)));
        if (listPlace_.focused)
            list_->setFocus();
    });
    connect(&model_.weights(), &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const auto &weights = model_.weights().weights();
        const int row = weightTable_->currentIndex().row();
        weightPlace_ = {hasFocusWithin(weightTable_), row,
                        row >= 0 && row < static_cast<int>(weights.size()) ? weights[static_cast<std::size_t>(row)].date
                                                                           : QDate()};
    });
    connect(&model_.weights(), &QAbstractItemModel::modelReset, this, [this] {
        // The same weight's row, or (removed) the one that took its place, for the same person.
        const auto &weights = model_.weights().weights();
        const auto same = std::find_if(weights.begin(), weights.end(),
                                       [this](const WeightRecord &w) { return w.date == weightPlace_.date; });
        int row = -1;
        if (same != weights.end())
            row = static_cast<int>(same - weights.begin());
        else if (weightPlace_.row >= 0 && !weights.empty())
            row = std::min(weightPlace_.row, static_cast<int>(weights.size()) - 1);
        if (row >= 0)
            weightTable_->setCurrentIndex(model_.weights().index(row, 0));
        if (weightPlace_.focused)
            weightTable_->setFocus();
        showChart();
        showWeightChoice();
    });
    connect(weightTable_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &PersonsWindow::showWeightChoice);
}

QWidget *PersonsWindow::buildPersonPanel()
{
    auto *box = new QGroupBox(tr("Persona scelta"), this);
    date_ = new QDateEdit(model_.date(), box);
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(dateFormat(QLocale()));
    date_->setAccessibleName(tr("Data alla quale calcolare età e fabbisogno"));
    auto *dateLabel = new QLabel(tr("Calcolo &alla data:"), box);
    dateLabel->setBuddy(date_);
    connect(date_, &QDateEdit::dateChanged, &model_, &PersonsWindowModel::setDate);
    summary_ = new QLabel(box);
    summary_->setObjectName(QStringLiteral("lblPersona"));
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setAccessibleName(tr("Età, indice di massa corporea e fabbisogno"));
    auto *layout = new QVBoxLayout(box);
    auto *dateRow = new QHBoxLayout;
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(date_);
    dateRow->addStretch(1);
    layout->addLayout(dateRow);
    layout->addWidget(summary_);
    return box;
}

QWidget *PersonsWindow::buildWeightPanel()
{
    auto *box = new QGroupBox(tr("Pesi"), this);
    weightTable_ = new QTableView(box);
    weightTable_->setModel(&model_.weights());
    weightTable_->setAccessibleName(tr("Pesi per data"));
    weightTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    weightTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    weightTable_->verticalHeader()->hide();
    weightTable_->horizontalHeader()->setStretchLastSection(true);
    weightTable_->setItemDelegate(new DecimalDelegate(400, weightTable_));

    weightDate_ = new QDateEdit(model_.date(), box);
    weightDate_->setCalendarPopup(true);
    weightDate_->setDisplayFormat(dateFormat(QLocale()));
    weightDate_->setAccessibleName(tr("Data del peso"));
    kilograms_ = new DecimalSpinBox(box);
    kilograms_->setRange(2, 400);
    kilograms_->setDecimals(1);
    kilograms_->setValue(60);
    kilograms_->setSuffix(tr(" kg"));
    kilograms_->setAccessibleName(tr("Peso in kg"));
    waist_ = new DecimalSpinBox(box);
    waist_->setRange(0, 250);
    waist_->setDecimals(1);
    waist_->setSpecialValueText(tr("non misurata"));
    waist_->setSuffix(tr(" cm"));
    waist_->setAccessibleName(tr("Circonferenza della vita in cm"));
    auto *entry = new QFormLayout;
    const auto row = [&](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, box);
        label->setBuddy(field);
        entry->addRow(label, field);
    };
    row(tr("&Data:"), weightDate_);
    row(tr("Pe&so:"), kilograms_);
    row(tr("&Vita:"), waist_);
    auto *buttons = new QVBoxLayout;
    connect(addPlanButton(box, buttons, tr("A&ggiungi peso"), tr("Aggiungi peso"), "cmdAggiungiPeso"),
            &QPushButton::clicked, this, &PersonsWindow::addWeight);
    connect(addPlanButton(box, buttons, tr("&Rimuovi peso"), tr("Rimuovi peso"), "cmdRimuoviPeso"),
            &QPushButton::clicked, this, &PersonsWindow::removeWeight);
    buttons->addStretch(1);
    entry->addRow(buttons);

    chart_ = new QChartView(box);
    chart_->setRenderHint(QPainter::Antialiasing);
    chart_->setAccessibleName(tr("Grafico del peso per data"));
    chart_->setMinimumHeight(180);
    // A picture to look at: the table beside it holds the same weights for the keyboard.
    chart_->setFocusPolicy(Qt::NoFocus);
    chart_->viewport()->setFocusPolicy(Qt::NoFocus);
    auto *top = new QHBoxLayout;
    top->addWidget(weightTable_, 1);
    top->addLayout(entry);
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(top, 1);
    layout->addWidget(chart_, 1);
    return box;
}

QPushButton *PersonsWindow::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName);
}

void PersonsWindow::showSelection()
{
    const bool chosen = model_.selectedPerson().has_value();
    QStringList lines{model_.ageText(), model_.bmiText(), model_.requirementText()};
    lines.removeAll(QString());
    summary_->setText(chosen ? lines.join(u'\n')
                             : tr("Scegliere una persona nell'elenco, o crearne una con «Nuova...»."));
    for (const char *name : {"cmdModificaPersona", "cmdEliminaPersona", "cmdAggiungiPeso"})
        button(QString::fromLatin1(name))->setEnabled(chosen);
    showWeightChoice();
    button(QStringLiteral("cmdPersonaCorrente"))->setEnabled(chosen && !model_.selectedIsCurrent());
    if (const auto row = model_.persons().rowOf(model_.selected()); row && list_->currentIndex().row() != *row)
        list_->setCurrentIndex(model_.persons().index(*row));
}

void PersonsWindow::showChart()
{
    auto *chart = new QChart;
    chart->legend()->hide();
    const auto &weights = model_.weights().weights();
    if (!weights.empty()) {
        auto *series = new QLineSeries(chart);
        series->setPointsVisible(true);
        double low = weights.front().kilograms;
        double high = low;
        for (const WeightRecord &w : weights) {
            series->append(static_cast<qreal>(w.date.startOfDay().toMSecsSinceEpoch()), w.kilograms);
            low = std::min(low, w.kilograms);
            high = std::max(high, w.kilograms);
        }
        chart->addSeries(series);
        auto *dates = new QDateTimeAxis(chart);
        // In the list's order, with a short year.
        dates->setFormat(dateFormat(QLocale()).replace(QStringLiteral("yyyy"), QStringLiteral("yy")));
        dates->setTickCount(std::clamp(static_cast<int>(weights.size()), 2, 6));
        // One weight alone still gets a day on either side.
        dates->setRange(weights.front().date.addDays(weights.size() == 1 ? -1 : 0).startOfDay(),
                        weights.back().date.addDays(weights.size() == 1 ? 1 : 0).startOfDay());
        auto *kilograms = new QValueAxis(chart);
        // Whole kilograms on the ticks, so that each label says where its line is.
        const double bottom = std::floor(low - 1);
        const double top = std::ceil(high + 1);
        kilograms->setRange(bottom, top);
        kilograms->setLabelFormat(QStringLiteral("%.0f"));
        kilograms->setTickType(QValueAxis::TicksDynamic);
        kilograms->setTickAnchor(bottom);
        kilograms->setTickInterval(std::max(1.0, std::ceil((top - bottom) / 4)));
        kilograms->setTitleText(tr("kg"));
        chart->addAxis(dates, Qt::AlignBottom);
        chart->addAxis(kilograms, Qt::AlignLeft);
        series->attachAxis(dates);
        series->attachAxis(kilograms);
    }
    QChart *old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

void PersonsWindow::newPerson()
{
    Person blank;
    PersonForm form(
        blank, [this](const Person &p) { return model_.addPerson(p); }, this);
    form.exec();
}

void PersonsWindow::editPerson()
{
    const auto person = model_.selectedPerson();
    if (!person)
        return;
    PersonForm form(
        *person, [this](const Person &p) { return model_.editSelected(p); }, this);
    form.exec();
}

void PersonsWindow::addWeight()
{
    const double waist = waist_->value();
    const QDate date = weightDate_->date();
    if (!model_.weights().addWeight(
            {date, kilograms_->value(), waist > 0 ? std::optional<double>(waist) : std::nullopt}))
        return;
    // The weight just added becomes the current row, ready for "Rimuovi peso".
    const auto &weights = model_.weights().weights();
    for (std::size_t row = 0; row < weights.size(); ++row)
        if (weights[row].date == date)
            weightTable_->setCurrentIndex(model_.weights().index(static_cast<int>(row), 0));
}

void PersonsWindow::removeWeight()
{
    QPushButton *remove = button(QStringLiteral("cmdRimuoviPeso"));
    model_.weights().removeWeight(weightTable_->currentIndex().row());
    if (!remove->hasFocus() && !hasFocusWithin(weightTable_))
        weightTable_->setFocus();  // the button went grey with the last weight
}

// "Rimuovi peso" removes the table's current weight: it waits for one.
void PersonsWindow::showWeightChoice()
{
    button(QStringLiteral("cmdRimuoviPeso"))
        ->setEnabled(model_.selectedPerson().has_value() && weightTable_->currentIndex().isValid());
}

void PersonsWindow::focusListUnlessOn(const QPushButton *clicked)
{
    if (isActiveWindow() && !clicked->hasFocus())
        list_->setFocus();
}

}  // namespace velmo::ui
