// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "plan/linearprogram.h"

#include <QString>

namespace velmo {

// The solver of linear and mixed-integer programs. The module that holds it (`velmo_glpk`,
// which links GLPK) is loaded the first time it is asked for, never at start-up: the programs
// do not depend on GLPK until a plan is balanced.
class LpSolver {
public:
    // The solver of the module beside the program (the build tree), or in ../lib/velmo once
    // installed; null, with an Italian message that says what to do, when it cannot be loaded.
    // Loaded once, kept until the program ends.
    static const LpSolver *load(QString *error);

    LpSolution solve(const LinearProgram &program) const;

private:
    explicit LpSolver(VelmoSolveLinearProgram function) : function_(function) {}
    VelmoSolveLinearProgram function_;
};

}  // namespace velmo
