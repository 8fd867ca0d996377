#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "platform/local_path.h"
#include "platform/private_folder.h"
#include "platform/qt_platform_services.h"
#include "tests/support/reading_folder.h"

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

struct FolderCase {
    const char* what;
    void (*make)(const QString& path);
    bool accepted;
};

void MakeNothing(const QString&) {}
void MakeOpenFolder(const QString& path) {
    QDir().mkpath(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                    QFileDevice::ExeOther);
}
void MakeLinkToPrivateFolder(const QString& path) {
    PrivateFolder(path + QStringLiteral("-target"));
    QFile::link(path + QStringLiteral("-target"), path);
}
void MakeFile(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

TEST(PrivateFolder, AcceptsOnlyAFolderOfThisUserAlone) {
    const FolderCase cases[] = {
        {"missing, so made private", MakeNothing, true},
        {"open to others", MakeOpenFolder, false},
        {"a link to a private folder", MakeLinkToPrivateFolder, false},
        {"a file", MakeFile, false},
    };
    for (const FolderCase& c : cases) {
        QTemporaryDir parent;
        const QString path = parent.filePath(QStringLiteral("lock-folder"));
        c.make(path);
        EXPECT_EQ(!PrivateFolder(path).isEmpty(), c.accepted) << c.what;
    }
    EXPECT_TRUE(PrivateFolder(QStringLiteral("relative-folder")).isEmpty());
    EXPECT_TRUE(PrivateFolder({}).isEmpty());
}

TEST(PrivateFolder, RefusesAFolderAnotherAccountOwns) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a folder to another account";
    }
    QTemporaryDir parent;
    const QString path = parent.filePath(QStringLiteral("planted"));
    ASSERT_TRUE(QDir().mkdir(path));
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    constexpr uid_t NOBODY = 65534;
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), NOBODY, NOBODY), 0);
    EXPECT_TRUE(PrivateFolder(path).isEmpty());
}

// An unset or unusable runtime folder must not leave the lock relative to
// the working folder, nor in a folder another account made.
TEST(QtPlatformServices, KeepsTheLockInAPrivateFolderWhateverTheRuntimeFolder) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    QTemporaryDir open;
    MakeOpenFolder(open.path());
    for (const QByteArray& runtime :
         {QByteArray(), QByteArray("relative"), open.path().toLocal8Bit()}) {
        qputenv("XDG_RUNTIME_DIR", runtime);
        const QString lock = QtPlatformServices::DefaultLockPath();
        ASSERT_FALSE(lock.isEmpty()) << runtime.constData();
        const QString folder = QFileInfo(lock).absolutePath();
        EXPECT_TRUE(QDir::isAbsolutePath(lock)) << lock.toStdString();
        EXPECT_NE(folder, QFileInfo(open.path()).absoluteFilePath());
        EXPECT_EQ(PrivateFolder(folder), folder);
    }
    QTemporaryDir privateRuntime;
    qputenv("XDG_RUNTIME_DIR", privateRuntime.path().toLocal8Bit());
    EXPECT_EQ(QFileInfo(QtPlatformServices::DefaultLockPath()).absolutePath(),
              QFileInfo(privateRuntime.path()).absoluteFilePath());
    qputenv("XDG_RUNTIME_DIR", saved);
}

TEST(QtPlatformServices, ALockThatCannotBeMadeNeverBlocksAStart) {
    QTemporaryDir folder;
    // A folder where the lock file should be: no copy holds it.
    const QString lock = folder.filePath(QStringLiteral("sarovin.lock"));
    ASSERT_TRUE(QDir().mkdir(lock));
    EXPECT_FALSE(QtPlatformServices(lock).IsAnotherCopyRunning());
    EXPECT_FALSE(QtPlatformServices(folder.filePath(QStringLiteral("no/such/sarovin.lock")))
                     .IsAnotherCopyRunning());
    EXPECT_FALSE(QtPlatformServices(QString()).IsAnotherCopyRunning());
}

// Qt's own file dialog names files by Qt text, so it starts beside a folder
// whose name is not UTF-8, and a path typed into it still reaches that
// folder.
TEST(QtPlatformServices, QtsOwnSaveDialogReachesAFolderWhoseNameIsNotUtf8) {
    const testing::ReadingFolder folder;
    const std::filesystem::path odd = folder.Path() / "Jyoti\xFF\xFE";
    ASSERT_TRUE(std::filesystem::create_directory(odd));
    QString shownFolder;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownFolder = dialog->directory().absolutePath();
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
            ->setText(ShownPath(odd / "asha.dri"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    QtPlatformServices platform(QString{});
    const std::filesystem::path chosen =
        platform.ChooseFileToSave(nullptr, {QStringLiteral("Sarovin"),
                                            QStringLiteral("Sarovin (*.dri)"),
                                            QStringLiteral("dri"),
                                            {},
                                            odd});
    EXPECT_EQ(shownFolder, ShownPath(folder.Path()));
    EXPECT_EQ(chosen.native(), (odd / "asha.dri").native());
}

}  // namespace
}  // namespace sarovin
