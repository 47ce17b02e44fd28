// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "report/planreport.h"

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

namespace velmo {

// Lays the report out on the pages of `device` (a QPdfWriter or a QPrinter, whose page size and
// margins it takes): every text as text, the tables' headings repeated on each page they cross, a
// meal kept on one page unless it is longer than one, the macronutrient chart drawn as paths, and
// each page's footer with "Pagina n di m". The number of pages; 0, with the reason, when the device
// cannot be painted on.
int renderPlanReport(const PlanReport &report, QPagedPaintDevice &device, QString *error);

// The report as a PDF file at `path` on paper of `size` (portrait): made private to the user
// (0600) before a byte is in it, written through a temporary file in the same folder and renamed
// only when complete, so a failure leaves no file and an older file as it was. False with the
// reason.
bool writePlanReportPdf(const PlanReport &report, const QString &path, QPageSize::PageSizeId size, QString *error);

}  // namespace velmo
