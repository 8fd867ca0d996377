#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtGlobal>

// The staged share folder is the only system data folder, and the user's
// own data folder is empty, so the MIME database seen is the staged one
// (with Qt's built-in copy of the shared one beneath it).
int main(int argc, char* argv[]) {
    const QTemporaryDir emptyDataHome;
    if (!emptyDataHome.isValid()) {
        return 1;
    }
    qputenv("XDG_DATA_DIRS", SAROVIN_STAGING "/share");
    qputenv("XDG_DATA_HOME", emptyDataHome.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
