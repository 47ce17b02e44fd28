#include "energy/launchermodel.h"

#include "velmo/version.h"

#include <gtest/gtest.h>

using velmo::LauncherModel;

TEST(LauncherModel, VersionLineHasThreePlainNumbers)
{
    EXPECT_EQ(LauncherModel::versionLine(1, 1, 33), QStringLiteral("Versione 1.1.33"));
    EXPECT_EQ(LauncherModel::versionLine(), QStringLiteral("Versione %1.%2.%3")
                                                .arg(velmo::kVersionMajor)
                                                .arg(velmo::kVersionMinor)
                                                .arg(velmo::kVersionPatch));
}

TEST(LauncherModel, LabelsStayRedUntilTheMouseCrossesTheFrame)
{
    LauncherModel m;
    int changes = 0;
    QObject::connect(&m, &LauncherModel::coloursChanged, [&] { ++changes; });
    m.mouseOverLabel1();
    EXPECT_TRUE(m.label1Red());
    EXPECT_FALSE(m.label2Red());
    m.mouseOverLabel2();
    EXPECT_TRUE(m.label1Red());
    EXPECT_TRUE(m.label2Red());
    m.mouseOverLabel2();
    EXPECT_EQ(changes, 2);
    m.mouseOverFrame1();
    EXPECT_FALSE(m.label1Red());
    EXPECT_FALSE(m.label2Red());
    EXPECT_EQ(changes, 3);
}
