// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "report/planreport.h"

#include <QDate>
#include <QDialog>

class QComboBox;
class QDateEdit;
class QPlainTextEdit;

namespace velmo {
class MainWindowModel;
class Settings;
}  // namespace velmo

namespace velmo::ui {

// What "Stampa piano..." and "Esporta PDF..." put on paper: the window's day, the current
// person's stored week from a date, or the meal the table shows; and the dietitian's notes, which
// are printed as written and kept nowhere (they are the person's health data).
class PlanPrintDialog : public QDialog {
    Q_OBJECT
public:
    PlanPrintDialog(bool pdf, QDate date, QWidget *parent);

    ReportScope scope() const;
    QDate date() const;
    QString notes() const;

private:
    QComboBox *scope_;
    QDateEdit *date_;
    QPlainTextEdit *notes_;
};

// The plan of `scope` from `date`: the window's day or meal with the details of the person whose
// stored day it is (else of the current person, or of the requirement the window compares with),
// or the current person's stored week; none, with the reason, when it cannot be made.
std::optional<PlanInput> planInput(MainWindowModel &model, Settings *settings, ReportScope scope, QDate date,
                                   const QString &notes, QString *error);

enum class PlanOutput { Printer, Pdf };

// Asks what to print, builds the plan from the window's day and the current person, and prints it
// through the system's print dialog or writes it as a PDF file chosen in a save dialog. A plan
// that cannot be made, or a file that cannot be written, is told through the model's dialogs.
void printPlan(MainWindowModel &model, Settings *settings, PlanOutput output, QWidget *parent);

}  // namespace velmo::ui
