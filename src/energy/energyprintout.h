// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace velmo {

class Dialogs;
class TextPrinting;

// What an energy window prints of a person, as its controls show it.
struct EnergySummary {
    QString sexLine;
    QString age;
    QString weight;
    QString basalMetabolism;
    QString activity;  // "Con una Attività …"; empty without a chosen pair
    QString laf;
    QString requirement;
    std::array<QString, 3> grams;  // protein, fat, carbohydrate
};

// The printout of an energy window: it asks the person's name (and the PDF file when the printer in
// use is the PDF entry) and prints the summary.
class EnergyPrintout {
    Q_DECLARE_TR_FUNCTIONS(EnergyPrintout)

public:
    EnergyPrintout(Dialogs &dialogs, TextPrinting &printers) : dialogs_(dialogs), printers_(printers) {}

    // `status` shows the notice while the printer works, and clears it after. Gives why the print
    // failed, for the user; empty when it was printed or the user gave up.
    QString print(const EnergySummary &summary, const std::function<void(const QString &)> &status);

    // The eighteen lines printed for a name.
    static QStringList lines(const EnergySummary &summary, const QString &name);
    static QString title(const QString &name);
    // The PDF file proposed for a name, in the user's documents folder.
    static QString proposedPdfPath(const QString &name);

private:
    Dialogs &dialogs_;
    TextPrinting &printers_;
};

}  // namespace velmo
