// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#pragma once

#include "meal/measurestore.h"
#include "meal/mealfile.h"
#include "nutrition/householdmeasure.h"
#include "nutrition/referenceintakes.h"
#include "plan/balancer.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace velmo {

class MainWindowModel;

// The "Bilancia quantità..." window without its widgets: the foods of the shown meal (its locked
// rows) or of every meal of the day, each fixed or free between a minimum and a maximum with its
// step, and the targets prefilled from the current person or the energy windows' last
// calculation, each one editable and switchable. Every change is balanced again at once, on a
// thread of the model's own so that the window never waits for the solver; the proposal is
// written into the table only by `apply`, as if the user had typed each weight, and "Annulla"
// can take it back.
class BalanceModel : public QObject {
    Q_OBJECT
public:
    enum class Scope { Meal, Day };

    explicit BalanceModel(MainWindowModel &main, QObject *parent = nullptr);
    ~BalanceModel() override;

    // Why `scope` has nothing to balance, in words that say what to do; empty when it has.
    static QString nothingToBalance(MainWindowModel &main, Scope scope);

    // Reads the foods and prefills the targets of `scope`, then balances them: false, having said
    // why, when there is nothing to balance or the foods cannot be read; the rows, targets and
    // proposal are then those of before.
    bool begin(Scope scope);
    Scope scope() const { return scope_; }
    MainWindowModel &mainWindow() { return main_; }

    // One food of the plan: where it is in the day, what the file says of it, its measures.
    struct Line {
        int meal = 0;
        QString mealName;
        MealFileEntry entry;
        FoodPortions portions;
        std::optional<double> standardGross;  // one standard portion, in gross grams
    };
    const std::vector<Line> &lines() const { return lines_; }
    // Row `row`'s food as the window names it: over the day, with its meal ("Pane (Cena)").
    QString rowName(std::size_t row) const;
    const std::vector<BalanceRow> &rows() const { return rows_; }
    const std::vector<BalanceTarget> &targets() const { return targets_; }
    // Whose requirement the energy comes from, and the meal's share of it.
    QString targetSource() const { return targetSource_; }

    // The user's changes; each balances again. A change refused (a minimum above the maximum,
    // a weight out of the box's range) changes nothing and returns false.
    void setFixed(int row, bool fixed);
    bool setRowBounds(int row, double minimum, double maximum);
    // By half standard portions (where the food has one) or by grams.
    void setHalfPortionSteps(int row, bool halfPortions);
    bool halfPortionSteps(int row) const;
    void setTargetEnabled(int target, bool enabled);
    bool setTargetBounds(int target, std::optional<double> minimum, std::optional<double> maximum);
    // The nutrients with a reference that are no target yet, as (key, name); one of them added
    // between its reference and its upper level, scaled to the meal.
    std::vector<std::pair<QString, QString>> addableNutrients() const;
    void addNutrient(const QString &key);

    // Balances the plan as it stands now, away from the caller's thread: `calculated` follows
    // when the proposal is ready. A calculation still running is stopped, its proposal never
    // shown.
    void calculate();
    // The plan has changed since the proposal shown: a new one is being calculated.
    bool calculating() const { return calculating_; }
    // Waits for the calculation running, if any, and takes its proposal.
    void waitForResult();
    const BalanceResult &result() const { return result_; }
    // The proposed gross weight of a row, and its edible part; none without a plan.
    std::optional<double> proposedGross(int row) const;
    std::optional<double> proposedEdible(int row) const;
    // The portion a proposed weight stands for ("1½ porzioni standard") when the row moves by
    // half portions and the weight is a whole number of them (a fixed row's may not be), else
    // empty.
    QString proposedPortion(int row) const;
    // The preview under the tables: that a proposal is being calculated, why there is no plan,
    // or the targets that conflict, the totals before and after, and each target met or missed
    // by how much.
    QStringList preview() const;

    // A plan, calculated for the rows and targets as they stand, that changes some weight can be
    // written.
    bool canApply() const;
    // Writes each changed weight into its row as if the user had typed it, each meal of the
    // day's into that meal, as one step of the window's undo stack; a food brought to 0 g leaves
    // its meal. False, having said why, when the table refused it (the table is then as it was).
    bool apply();

    // A bound typed into a row (`target` false) or a target that is no number within its range:
    // false, having said what is wanted.
    bool refuseBound(const QString &typed, bool target);
    static constexpr double kMaxTargetBound = 1'000'000;

signals:
    // The foods and the targets have been read anew.
    void restarted();
    // A change has started a new calculation.
    void calculationStarted();
    // A new proposal (or none) after any change.
    void calculated();

private:
    bool refuse(const QString &why);
    bool readLines(Scope scope, std::vector<Line> &lines, std::vector<BalanceRow> &rows, QString *error);
    void prefillTargets();
    double energyOf(const std::vector<double> &grams) const;
    double grossOf(const std::vector<double> &grams) const;
    std::vector<MealFileEntry> proposedEntries(int meal) const;
    void stopCalculation();
    void deliver(quint64 generation, const BalanceResult &result);

    MainWindowModel &main_;
    std::unique_ptr<MeasureStore> measures_;
    const Nutrients *nutrients_ = nullptr;
    ReferenceFor reference_;
    Scope scope_ = Scope::Meal;
    double mealShare_ = 1;
    std::vector<Line> lines_;
    std::vector<BalanceRow> rows_;
    std::vector<BalanceTarget> targets_;
    QString targetSource_;
    BalanceResult result_;
    // One thread, so that a calculation stopped ends before the next begins.
    QThreadPool solving_;
    std::shared_ptr<std::atomic<bool>> stop_;
    quint64 generation_ = 0;  // of the latest calculation: only its proposal is taken
    bool calculating_ = false;
};

}  // namespace velmo
