// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "ui/report/planprintdialog.h"

#include "catalogue/foodnames.h"
#include "common/dialogs.h"
#include "common/numbertext.h"
#include "common/settings.h"
#include "common/userfolder.h"
#include "meal/nutrientstore.h"
#include "printing/systemprinters.h"
#include "report/reportrenderer.h"
#include "shell/mainwindowmodel.h"
#include "shell/weekmodel.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmo::ui {

PlanPrintDialog::PlanPrintDialog(bool pdf, QDate date, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStampaPiano"));
    setWindowTitle(pdf ? tr("Esporta il piano in PDF") : tr("Stampa il piano"));
    setSizeGripEnabled(true);
    scope_ = new QComboBox(this);
    scope_->addItem(tr("Il giorno della finestra"), static_cast<int>(ReportScope::Day));
    scope_->addItem(tr("La settimana conservata della persona corrente"), static_cast<int>(ReportScope::Week));
    scope_->addItem(tr("Il pasto mostrato nella tabella"), static_cast<int>(ReportScope::Meal));
    scope_->setAccessibleName(tr("Che cosa stampare"));
    date_ = new QDateEdit(date, this);
    date_->setDisplayFormat(dateFormat(QLocale()));
    date_->setCalendarPopup(true);
    date_->setAccessibleName(tr("Data del piano, o primo giorno della settimana"));
    notes_ = new QPlainTextEdit(this);
    notes_->setAccessibleName(tr("Note per la persona"));
    notes_->setTabChangesFocus(true);
    auto *form = new QFormLayout;
    form->addRow(tr("&Piano"), scope_);
    form->addRow(tr("&Data"), date_);
    form->addRow(tr("&Note"), notes_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(pdf ? tr("&Esporta...") : tr("&Stampa..."));
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(pdf ? tr("Esporta il piano") : tr("Stampa il piano"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annulla"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleName(tr("Annulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(buttons);
    // The week begins on Monday, as in the week's window; back to a day, the day's date returns
    // unless another one was chosen.
    connect(scope_, &QComboBox::currentIndexChanged, this, [this, date] {
        const QDate monday = WeekModel::mondayOf(date);
        if (scope() == ReportScope::Week && date_->date() == date)
            date_->setDate(monday);
        else if (scope() != ReportScope::Week && date_->date() == monday)
            date_->setDate(date);
    });
}

ReportScope PlanPrintDialog::scope() const
{
    return static_cast<ReportScope>(scope_->currentData().toInt());
}

QDate PlanPrintDialog::date() const
{
    return date_->date();
}

QString PlanPrintDialog::notes() const
{
    return notes_->toPlainText();
}

namespace {

QString text(const char *source)
{
    return QCoreApplication::translate("PlanPrinting", source);
}

}  // namespace

std::optional<PlanInput> planInput(MainWindowModel &model, Settings *settings, ReportScope scope, QDate date,
                                   const QString &notes, QString *error)
{
    PlanInput input;
    input.scope = scope;
    input.date = date;
    input.notes = notes;
    if (settings)
        input.practice = settings->practiceHeading();
    PersonSession &persons = model.persons();
    // A person's stored day is printed with that person's details, whoever is current now, or,
    // the person deleted since, with the window's requirement alone; the week is the current
    // person's.
    const auto &stored = model.document().storedDay();
    const bool storedDay = stored && scope != ReportScope::Week;
    const QString name = storedDay ? stored->person : persons.currentName();
    if (PersonStore *people = persons.store(); people && !name.isEmpty()) {
        StoreResult result;
        input.person = people->person(name, nullptr, &result);
        const bool deleted = storedDay && (result.ok() || result.kind == StoreResult::Kind::Missing);
        if (!input.person && !deleted) {
            *error = result.message;
            return std::nullopt;
        }
    }
    PersonStore *store = input.person ? persons.store() : nullptr;
    if (!store) {
        input.requirementKcal = model.requirementKcal();
        input.intakePerson = model.calculatedPerson();
    }
    const MealDay day = model.document().day();
    // The window's day of a person is that date's plan: printed under another date it would
    // pass for that day's.
    if (stored && input.scope != ReportScope::Week && input.date != stored->date) {
        *error = text(QT_TRANSLATE_NOOP("PlanPrinting", "la finestra mostra il giorno del %1: stamparlo con quella "
                                                        "data, o scegliere la settimana."))
                     .arg(dateText(stored->date, QLocale()));
        return std::nullopt;
    }
    switch (input.scope) {
    case ReportScope::Day: input.days = {{input.date, day}}; break;
    case ReportScope::Meal:
        input.days = {{input.date, day}};
        input.meal = model.day().current();
        break;
    case ReportScope::Week: {
        if (!store) {
            *error = text(QT_TRANSLATE_NOOP("PlanPrinting", "La settimana è quella dei giorni conservati di una "
                                                            "persona: scegliere prima la persona corrente nella "
                                                            "finestra Persone."));
            return std::nullopt;
        }
        StoreResult result;
        const auto days = store->days(name, input.date, input.date.addDays(6), &result);
        if (!result.ok()) {
            *error = result.message;
            return std::nullopt;
        }
        input.days.assign(days.cbegin(), days.cend());
        break;
    }
    }
    return input;
}

namespace {

// One attempt at the plan the dialog describes: true once it is printed or written, false when
// it is not (said to the user, or the file's name not given), so that the dialog comes back
// with what was typed in it.
bool printPlanOnce(MainWindowModel &model, Settings *settings, const PlanPrintDialog &dialog, bool pdf)
{
    Dialogs &dialogs = model.persons().dialogs();
    const QString title = pdf ? text(QT_TRANSLATE_NOOP("PlanPrinting", "Esporta PDF"))
                              : text(QT_TRANSLATE_NOOP("PlanPrinting", "Stampa piano"));
    const auto refuse = [&](const QString &why) {
        dialogs.message(text(QT_TRANSLATE_NOOP("PlanPrinting", "Il piano non è stato stampato: %1")).arg(why), title,
                        MessageIcon::Critical);
        return false;
    };
    QString error;
    const auto input = planInput(model, settings, dialog.scope(), dialog.date(), dialog.notes(), &error);
    NutrientStore *store = model.nutrientStore();
    if (!input || !store)
        return refuse(error);
    FoodNames names;  // the foods as the window names them, in English under English
    names.setDatabase(model.foodDatabase());
    const auto report = buildPlanReport(*input, *store, &names, QLocale(), &error);
    if (!report)
        return refuse(error);
    if (pdf) {
        const QString path = saveFileNameWithSuffix(dialogs, title,
                                                    QDir(userFolder(QStandardPaths::DocumentsLocation))
                                                        .filePath(text(QT_TRANSLATE_NOOP("PlanPrinting", "piano.pdf"))),
                                                    text(QT_TRANSLATE_NOOP("PlanPrinting", "Documenti PDF (*.pdf)")),
                                                    QStringLiteral(".pdf"));
        if (path.isEmpty())
            return false;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const bool written = writePlanReportPdf(*report, path, QPageSize::A4, &error);
        QGuiApplication::restoreOverrideCursor();
        if (!written)
            dialogs.message(text(QT_TRANSLATE_NOOP("PlanPrinting", "Impossibile scrivere %1: %2. Scegliere un'altra "
                                                                   "cartella o liberare spazio e riprovare."))
                                .arg(QDir::toNativeSeparators(path), error),
                            title, MessageIcon::Critical);
        return written;
    }
    const int pages = printOnChosenPrinter(
        title,
        [&report](QPagedPaintDevice &device, QString *why) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            const int drawn = renderPlanReport(*report, device, why);
            QGuiApplication::restoreOverrideCursor();
            return drawn;
        },
        &error);
    if (pages == 0)
        return refuse(error);
    return pages > 0;  // -1: the printer's dialog cancelled
}

}  // namespace

void printPlan(MainWindowModel &model, Settings *settings, PlanOutput output, QWidget *parent)
{
    PlanPrintDialog dialog(output == PlanOutput::Pdf, model.storedDays().date(), parent);
    while (dialog.exec() == QDialog::Accepted && !printPlanOnce(model, settings, dialog, output == PlanOutput::Pdf)) {
    }
}

}  // namespace velmo::ui
