// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/lpsolver.h"

#include "common/programdir.h"

#include <QCoreApplication>

#include <mutex>

namespace velmo {

const LpSolver *LpSolver::load(QString *error)
{
    static std::once_flag once;
    static const LpSolver *solver = nullptr;
    static QString failure;
    std::call_once(once, [] {
        QString reasons;
        if (const auto function = reinterpret_cast<VelmoSolveLinearProgram>(
                programModuleFunction(QStringLiteral("velmo_glpk"), kSolveLinearProgramSymbol, &reasons))) {
            solver = new LpSolver(function);
            return;
        }
        failure = QCoreApplication::translate("LpSolver",
                                              "impossibile caricare il risolutore per il bilanciamento (%1): "
                                              "reinstallare Velmo con la libreria GLPK (libglpk40)")
                      .arg(reasons);
    });
    if (!solver && error)
        *error = failure;
    return solver;
}

LpSolution LpSolver::solve(const LinearProgram &program) const
{
    LpSolution solution;
    function_(&program, &solution);
    return solution;
}

}  // namespace velmo
