// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Velmo authors

#include "common/translation.h"

#include <gtest/gtest.h>

#ifdef VELMO_TEST_GUI
#include <QApplication>
#else
#include <QCoreApplication>
#endif

// One application object for the whole test run; widget tests get a QApplication on the
// offscreen platform. The tests speak Italian as the programs do, plural forms included.
int main(int argc, char **argv)
{
#ifdef VELMO_TEST_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    velmo::installLanguage(velmo::Language::Italian);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
