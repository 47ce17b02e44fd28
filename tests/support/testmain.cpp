#include <gtest/gtest.h>

#ifdef VELMO_TEST_GUI
#include <QApplication>
#else
#include <QCoreApplication>
#endif

// One application object for the whole test run; widget tests get a QApplication on the
// offscreen platform.
int main(int argc, char **argv)
{
#ifdef VELMO_TEST_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
