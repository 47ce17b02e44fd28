// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

// A linear or mixed-integer program, minimised, and its solution: the one language between the
// balancing and the solver module. Plain standard C++ on purpose: the module that speaks to the
// solver library is built apart and loaded on first use, and shares nothing else with Velmo.

#include <atomic>
#include <optional>
#include <utility>
#include <vector>

namespace velmo {

struct LpVariable {
    double lower = 0;
    std::optional<double> upper;
    double cost = 0;
    bool integer = false;
};

// lower <= sum(coefficient * variable) <= upper; a missing side is free.
struct LpConstraint {
    std::vector<std::pair<int, double>> terms;  // variable index, coefficient
    std::optional<double> lower;
    std::optional<double> upper;
};

struct LinearProgram {
    std::vector<LpVariable> variables;
    std::vector<LpConstraint> constraints;
    // A search for the best whole-number solution stops here with the best one found.
    double timeLimitSeconds = 2;
    // When set, a search for the best whole-number solution gives up as soon as it sees it true,
    // with no solution: the plan it was for has changed.
    const std::atomic<bool> *stop = nullptr;
};

// Optimal: the best solution; Feasible: a solution that meets every constraint, found before the
// time ran out but not proven best; Infeasible: none exists; Failed: the solver gave up.
enum class LpStatus { Optimal, Feasible, Infeasible, Failed };

struct LpSolution {
    LpStatus status = LpStatus::Failed;
    std::vector<double> values;
    double objective = 0;
};

}  // namespace velmo

// The module's entry point, looked up by this name.
extern "C" {
using VelmoSolveLinearProgram = void (*)(const velmo::LinearProgram *program, velmo::LpSolution *solution);
}
inline constexpr const char *kSolveLinearProgramSymbol = "velmo_solve_linear_program";
