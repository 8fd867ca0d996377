#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "platform/qt_platform_services.h"

namespace sarovin {
namespace {

TEST(QtPlatformServices, OnlyTheFirstCopyHoldsTheInstanceLock) {
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("sarovin.lock"));
    QtPlatformServices first(lock);
    QtPlatformServices second(lock);
    EXPECT_FALSE(first.IsAnotherCopyRunning());
    EXPECT_FALSE(first.IsAnotherCopyRunning());
    EXPECT_TRUE(second.IsAnotherCopyRunning());
}

TEST(QtPlatformServices, ALockLeftByACrashedCopyIsTakenOver) {
    QTemporaryDir folder;
    const QString lock = folder.filePath(QStringLiteral("sarovin.lock"));
    {
        QFile stale(lock);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        // The process that wrote this lock has ended.
        stale.write("2147483600\nsarovin\n\n");
    }
    QtPlatformServices next(lock);
    EXPECT_FALSE(next.IsAnotherCopyRunning());
}

TEST(QtPlatformServices, KeepsTheLockInTheUsersOwnRuntimeFolder) {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    ASSERT_FALSE(runtime.isEmpty());
    EXPECT_EQ(QFileInfo(QtPlatformServices::DefaultLockPath()).absolutePath(),
              QFileInfo(runtime).absoluteFilePath());
}

}  // namespace
}  // namespace sarovin
