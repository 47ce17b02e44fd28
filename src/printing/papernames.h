// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include <QString>

namespace velmo::printing {

// The name of a paper size code (the platform's codes, as QPageSize::windowsId() gives them).
QString paperName(int code);

// The caption of the sheet frame: " Foglio: A4,  Portrait".
QString sheetCaption(int paperCode, int orientation);

}  // namespace velmo::printing
