#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

// Widget tests need one QApplication for the whole run; without a display
// the tests run on the offscreen platform.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    // Settings the tests make go to a folder of their own, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName(QStringLiteral("Sarovin"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
