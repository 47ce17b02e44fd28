// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

// How long a person's whole requirement takes, in the model and through a window's handlers.
#include "energy/energymodel.h"
#include "energy/energywindowmodel.h"
#include "support/fakedialogs.h"
#include "support/fakeprinterservice.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

using namespace velmo;

static void ComputeRequirement(benchmark::State &state)
{
    const QLocale locale(QLocale::Italian, QLocale::Italy);
    const EnergyProfile profile{Sex::Female, 30, 60, ActivityLevel::Moderate, RecommendedActivities::With};
    for (auto _ : state)
        benchmark::DoNotOptimize(computeRequirement(profile, locale));
}
BENCHMARK(ComputeRequirement);

// Typing age and weight, then both choices: every nested handler of one person.
static void WindowSequence(benchmark::State &state)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    test::FakeDialogs dialogs;
    test::FakePrinterService printers;
    EnergyWindowModel model(Sex::Female, dialogs, printers);
    model.opened();
    for (auto _ : state) {
        model.userFocus(EnergyControl::AgeBox);
        model.userEdit(EnergyControl::AgeBox, QString());
        model.userEdit(EnergyControl::AgeBox, QStringLiteral("3"));
        model.userEdit(EnergyControl::AgeBox, QStringLiteral("30"));
        model.userEdit(EnergyControl::WeightBox, QStringLiteral("6"));
        model.userEdit(EnergyControl::WeightBox, QStringLiteral("60"));
        model.userFocus(EnergyControl::ModerateActivityOption);
        model.userClickOption(4);
        model.userFocus(EnergyControl::WithRecommendedOption);
        model.userClickOption(12);
        benchmark::DoNotOptimize(model.requirementText());
    }
}
BENCHMARK(WindowSequence);
