// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "printing/papernames.h"

#include <QCoreApplication>

#include <array>

namespace velmo::printing {

QString paperName(int code)
{
    // Codes 1 to 68; 48 and 49 have no name.
    // clang-format off
    static const std::array<const char *, 68> names = {
        "First", "Letter Small", "Tabloid", "Ledger", "Legal", "Statement", "Executive", "A3", "A4",
        "A4 Small", "A5", "B4", "B5", "Folio", "Quarto", "10X14", "11X17", "Note", "Envelope 9",
        "Envelope 10", "Envelope 11", "Envelope 12", "Envelope 14", "C Sheet", "D Sheet", "E Sheet",
        "Envelope DL", "Envelope C5", "Envelope C3", "Envelope C4", "Envelope C6", "Envelope C65",
        "Envelope B4", "Envelope B5", "Envelope B6", "Envelope Italy", "Envelope Monarch",
        "Envelope Personal", "Fanfold US", "Fanfold Std. German", "Fanfold Lgl. German", "ISO B4",
        "Japanese Postcard", "9X11", "10X11", "15X11", "Envelope Invite", nullptr, nullptr,
        "Letter Extra", "Legal Extra", "Tabloid Extra", "A4 Extra", "Letter Transverse",
        "A4 Transverse", "Letter Extra Transverse", "A Plus", "B Plus", "Letter Plus", "A4 Plus",
        "A5 Transverse", "B5 Transverse", "A3 Extra", "A5 Extra", "B5 Extra", "A2", "A3 Transverse",
        "A3 Extra Transverse"};
    // clang-format on
    if (code == 256)
        return QStringLiteral("User");
    if (code >= 1 && code <= static_cast<int>(names.size()) && names[code - 1])
        return QString::fromLatin1(names[code - 1]);
    return QStringLiteral("Unknown");
}

QString sheetCaption(int paperCode, int orientation)
{
    // The paper names are the platform's own, the same in every language.
    const QString paper = paperName(paperCode);
    if (orientation == 2)
        return QCoreApplication::translate("PaperNames", " Foglio: %1,  Landscape").arg(paper);
    if (orientation == 1)
        return QCoreApplication::translate("PaperNames", " Foglio: %1,  Portrait").arg(paper);
    return QCoreApplication::translate("PaperNames", " Foglio: %1").arg(paper);
}

}  // namespace velmo::printing
