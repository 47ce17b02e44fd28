// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// The solver module: a linear program handed to GLPK. Built as a module of its own, so that the
// programs do not load GLPK until balancing is asked for.

#include "plan/linearprogram.h"

#include <glpk.h>

#include <cmath>
#include <memory>

namespace {

using velmo::LinearProgram;
using velmo::LpSolution;
using velmo::LpStatus;

int boundType(const std::optional<double> &lower, const std::optional<double> &upper)
{
    if (lower && upper)
        return *lower == *upper ? GLP_FX : GLP_DB;
    if (lower)
        return GLP_LO;
    return upper ? GLP_UP : GLP_FR;
}

// Called by the search at each of its steps: ends it when the caller has asked it to stop.
void stopWhenAsked(glp_tree *tree, void *info)
{
    if (static_cast<const std::atomic<bool> *>(info)->load(std::memory_order_relaxed))
        glp_ios_terminate(tree);
}

struct ProblemDeleter {
    void operator()(glp_prob *problem) const { glp_delete_prob(problem); }
};

// GLPK stops the process on bounds it cannot read: the loader checks them first, this once more.
bool valid(const LinearProgram &program)
{
    const auto finite = [](const std::optional<double> &v) { return !v || std::isfinite(*v); };
    for (const auto &v : program.variables)
        if (!std::isfinite(v.lower) || !finite(v.upper) || !std::isfinite(v.cost) || (v.upper && *v.upper < v.lower))
            return false;
    const int count = static_cast<int>(program.variables.size());
    for (const auto &c : program.constraints) {
        if (!finite(c.lower) || !finite(c.upper) || (c.lower && c.upper && *c.upper < *c.lower))
            return false;
        for (const auto &[index, coefficient] : c.terms)
            if (index < 0 || index >= count || !std::isfinite(coefficient))
                return false;
    }
    return true;
}

// The best whole-number solution of the problem loaded in `lp`.
void solveInteger(glp_prob *lp, const LinearProgram &program, int timeLimit, LpSolution &solution)
{
    glp_iocp parameters;
    glp_init_iocp(&parameters);
    parameters.presolve = GLP_ON;
    parameters.msg_lev = GLP_MSG_OFF;
    parameters.tm_lim = timeLimit;
    parameters.mip_gap = 1e-6;
    if (program.stop) {
        parameters.cb_func = stopWhenAsked;
        parameters.cb_info = const_cast<std::atomic<bool> *>(program.stop);
    }
    const int code = glp_intopt(lp, &parameters);
    if (code == GLP_ESTOP)
        return;
    const int status = glp_mip_status(lp);
    if (code == GLP_ENOPFS || code == GLP_ENODFS || status == GLP_NOFEAS) {
        solution.status = LpStatus::Infeasible;
        return;
    }
    if (status != GLP_OPT && status != GLP_FEAS)
        return;
    solution.status = status == GLP_OPT && code == 0 ? LpStatus::Optimal : LpStatus::Feasible;
    solution.objective = glp_mip_obj_val(lp);
    for (int j = 0; j < static_cast<int>(program.variables.size()); ++j)
        solution.values.push_back(glp_mip_col_val(lp, j + 1));
}

void solveLinear(glp_prob *lp, int columns, int timeLimit, LpSolution &solution)
{
    glp_smcp parameters;
    glp_init_smcp(&parameters);
    parameters.presolve = GLP_ON;
    parameters.msg_lev = GLP_MSG_OFF;
    parameters.tm_lim = timeLimit;
    const int code = glp_simplex(lp, &parameters);
    const int status = glp_get_status(lp);
    if (code == GLP_ENOPFS || status == GLP_NOFEAS) {
        solution.status = LpStatus::Infeasible;
        return;
    }
    if (code != 0 || status != GLP_OPT)
        return;
    solution.status = LpStatus::Optimal;
    solution.objective = glp_get_obj_val(lp);
    for (int j = 0; j < columns; ++j)
        solution.values.push_back(glp_get_col_prim(lp, j + 1));
}

void solve(const LinearProgram &program, LpSolution &solution)
{
    solution = LpSolution{};
    if (!valid(program) || program.variables.empty())
        return;
    glp_term_out(GLP_OFF);
    std::unique_ptr<glp_prob, ProblemDeleter> problem(glp_create_prob());
    glp_prob *lp = problem.get();
    glp_set_obj_dir(lp, GLP_MIN);
    const int columns = static_cast<int>(program.variables.size());
    glp_add_cols(lp, columns);
    bool integer = false;
    for (int j = 0; j < columns; ++j) {
        const auto &v = program.variables[static_cast<std::size_t>(j)];
        glp_set_col_bnds(lp, j + 1, boundType(v.lower, v.upper), v.lower, v.upper.value_or(0));
        glp_set_obj_coef(lp, j + 1, v.cost);
        if (v.integer) {
            glp_set_col_kind(lp, j + 1, GLP_IV);
            integer = true;
        }
    }
    const int rows = static_cast<int>(program.constraints.size());
    if (rows > 0)
        glp_add_rows(lp, rows);
    std::vector<int> ia{0}, ja{0};
    std::vector<double> ar{0};
    for (int i = 0; i < rows; ++i) {
        const auto &c = program.constraints[static_cast<std::size_t>(i)];
        glp_set_row_bnds(lp, i + 1, boundType(c.lower, c.upper), c.lower.value_or(0), c.upper.value_or(0));
        for (const auto &[index, coefficient] : c.terms) {
            ia.push_back(i + 1);
            ja.push_back(index + 1);
            ar.push_back(coefficient);
        }
    }
    glp_load_matrix(lp, static_cast<int>(ia.size()) - 1, ia.data(), ja.data(), ar.data());
    const int timeLimit = static_cast<int>(program.timeLimitSeconds * 1000);
    if (integer)
        solveInteger(lp, program, timeLimit, solution);
    else
        solveLinear(lp, columns, timeLimit, solution);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void velmo_solve_linear_program(const LinearProgram *program,
                                                                                  LpSolution *solution)
{
    if (program && solution)
        solve(*program, *solution);
    // GLPK keeps its memory per thread until told otherwise: a solve made on a worker thread that
    // later ends would leave it behind.
    glp_free_env();
}
