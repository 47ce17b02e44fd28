// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "plan/lpsolver.h"

#include "common/programdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <mutex>

namespace velmo {

const LpSolver *LpSolver::load(QString *error)
{
    static std::once_flag once;
    static const LpSolver *solver = nullptr;
    // Never unloaded: the solver's function stays valid for the program's life.
    static QLibrary *library = nullptr;
    static QString failure;
    std::call_once(once, [] {
        const QString folder = programDir();
        QString reasons;
        for (const QString &candidate :
             {folder + QStringLiteral("/velmo_glpk"), folder + QStringLiteral("/../lib/velmo/velmo_glpk")}) {
            library = new QLibrary(QDir::cleanPath(candidate));
            if (const auto function = reinterpret_cast<VelmoSolveLinearProgram>(
                    library->resolve(kSolveLinearProgramSymbol))) {
                solver = new LpSolver(function);
                return;
            }
            reasons = library->errorString();
            delete library;
            library = nullptr;
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
