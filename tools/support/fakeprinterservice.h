// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "printing/printerservice.h"

#include <QHash>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace velmo::test {

// A printer service that records every job instead of printing.
class FakePrinterService : public PrinterService {
public:
    struct TextJob {
        QString printer;
        QString documentName;
        int pointSize = 0;
        QStringList lines;
        QString pdfFile;
    };

    struct ImageJobRecord {
        QString printer;
        PrinterSettings settings;
        ImageJob job;
    };

    // A printer of the fake system: its paper, its unprintable edge and its resolution.
    struct Printer {
        PrinterSettings defaults;
        int marginMm = 5;
        int dpi = 600;
    };

    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    QString printerInUse() const override { return inUse; }
    void setPrinterInUse(const QString &name) override { inUse = name; }
    PrintOutcome printText(const QString &documentName, int pointSize, const QStringList &lines,
                           const QString &pdfFile) override;

    bool openPrinter(const QString &name) override;
    QString openPrinterName() const override { return open; }
    PrinterSettings settings() const override { return current; }
    void setSettings(const PrinterSettings &settings) override;
    PrintableSheet sheetSize() const override;
    bool showSettingsDialog() override;
    ImageJobResult printImage(const ImageJob &job) override;

    // The fake system: printers by name ("File PDF" is always there), and what fails.
    QStringList installed{QStringLiteral("Ufficio"), QStringLiteral("Laser")};
    QString systemDefault = QStringLiteral("Ufficio");
    QString inUse = QStringLiteral("Ufficio");
    bool failNextJob = false;
    std::vector<TextJob> textJobs;

    QHash<QString, Printer> printers;  // absent: A4 portrait, colour, 5 mm edges, 600 dpi
    QStringList unreachable;           // printers that cannot be opened
    // Answers the settings dialog: empty = cancelled, else the settings chosen (and the printer,
    // when the user picks another one).
    std::function<std::optional<PrinterSettings>(QString &printer)> settingsDialog;
    int settingsDialogShown = 0;
    // Per image job (0-based), a result to give instead of printing.
    QHash<int, ImageJobResult> imageJobFailures;
    // Runs inside every image job, to look at the program while it prints.
    std::function<void()> duringImageJob;

    QString open;
    PrinterSettings current;
    QHash<QString, PrinterSettings> remembered;
    std::vector<ImageJobRecord> imageJobs;
    int imageJobsAttempted = 0;

    // The printable area the fake reports for `name` with `settings`, for tests to compare with.
    PrintableSheet sheetFor(const QString &name, const PrinterSettings &settings) const;
};

}  // namespace velmo::test
