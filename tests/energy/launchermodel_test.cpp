// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "energy/launchermodel.h"

#include <gtest/gtest.h>

using velmo::LauncherModel;

TEST(LauncherModel, VersionLineHasThreePlainNumbers)
{
    EXPECT_EQ(LauncherModel::versionLine(1, 1, 33), QStringLiteral("Versione 1.1.33"));
}

TEST(LauncherModel, LabelsStayRedUntilTheMouseCrossesTheFrame)
{
    LauncherModel m;
    int changes = 0;
    QObject::connect(&m, &LauncherModel::coloursChanged, [&] { ++changes; });
    m.mouseOverCalculator();
    EXPECT_TRUE(m.calculatorRed() && !m.requirementRed());
    m.mouseOverRequirement();
    m.mouseOverRequirement();
    EXPECT_TRUE(m.calculatorRed() && m.requirementRed());
    EXPECT_EQ(changes, 2);
    m.mouseOverFrame();
    EXPECT_FALSE(m.calculatorRed() || m.requirementRed());
    EXPECT_EQ(changes, 3);
    m.mouseOverRequirement();
    m.reset();  // the launcher shown again
    EXPECT_FALSE(m.calculatorRed() || m.requirementRed());
}

TEST(LauncherModel, ACommandRunsOnlyWhenPressedAndReleasedOnItsLabel)
{
    using C = velmo::LauncherCommand;
    // clang-format off
    const struct { C pressedOn, releasedOn, runs; } cases[] = {
        {C::Exit, C::Exit, C::Exit},
        {C::Calculator, C::Calculator, C::Calculator},
        {C::Requirement, C::Requirement, C::Requirement},
        {C::Exit, C::None, C::None},              // dragged off into the window
        {C::Exit, C::Calculator, C::None},        // dragged onto another command
        {C::None, C::Exit, C::None},              // pressed elsewhere, released on EXIT
    };
    // clang-format on
    for (const auto &c : cases) {
        LauncherModel m;
        if (c.pressedOn != C::None)
            m.pressed(c.pressedOn);
        EXPECT_EQ(m.released(c.releasedOn), c.runs)
            << static_cast<int>(c.pressedOn) << " -> " << static_cast<int>(c.releasedOn);
    }
}

TEST(LauncherModel, AReleaseEndsThePressAndAShowingForgetsIt)
{
    using C = velmo::LauncherCommand;
    LauncherModel m;
    m.pressed(C::Exit);
    EXPECT_EQ(m.released(C::Exit), C::Exit);
    EXPECT_EQ(m.released(C::Exit), C::None);
    m.pressed(C::Exit);
    m.reset();
    EXPECT_EQ(m.released(C::Exit), C::None);
}
