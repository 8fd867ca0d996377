#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <unistd.h>

#include <functional>
#include <vector>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "platform/local_path.h"
#include "platform/private_folder.h"
#include "platform/qt_platform_services.h"
#include "tests/support/ordinary_account.h"
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

// QLockFile takes a process number it may not look into for a running
// copy; pid 1 runs as root, so as another account this lock is one no
// running copy holds, and it gives way.
TEST(QtPlatformServices, ALockNoRunningCopyHoldsGivesWayWhateverItNames) {
    EXPECT_TRUE(testing::HoldsForAnOrdinaryAccount([] {
        char pattern[] = "/tmp/sarovin-lock-XXXXXX";
        const QString folder = QString::fromLocal8Bit(::mkdtemp(pattern));
        const QString lock = folder + QStringLiteral("/sarovin.lock");
        QFile stale(lock);
        const bool written = stale.open(QIODevice::WriteOnly) && stale.write("1\nsarovin\n\n") > 0;
        stale.close();
        QtPlatformServices next(lock);
        QtPlatformServices later(lock);
        const bool started =
            written && !next.IsAnotherCopyRunning() && later.IsAnotherCopyRunning();
        QFile::remove(lock);
        QDir().rmdir(folder);
        return started;
    }));
}

// The lock is made in its folder: one the user may not write, as a
// read-only runtime folder, cannot hold it; missing folders above the
// cache folder's are made.
TEST(PrivateFolder, IsOneTheUserMayWriteMadeWithItsParents) {
    QTemporaryDir parent;
    const QString deep = parent.filePath(QStringLiteral("cache/more/sarovin"));
    EXPECT_EQ(PrivateFolder(deep), deep);
    EXPECT_TRUE(testing::HoldsForAnOrdinaryAccount([] {
        char pattern[] = "/tmp/sarovin-runtime-XXXXXX";
        const QString folder = QString::fromLocal8Bit(::mkdtemp(pattern));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool refused = PrivateFolder(folder).isEmpty();
        QDir().rmdir(folder);
        return refused;
    }));
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

// Answers the modal windows the code under test opens, a step for each, in
// order; any window past the last step is closed, so a failing test ends.
class ModalAnswers {
  public:
    using Step = std::function<void(QWidget* modal)>;
    explicit ModalAnswers(std::vector<Step> steps) : steps_(std::move(steps)) { Next(); }

  private:
    void Next() {
        QTimer::singleShot(10, &context_, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) {
                Next();
                return;
            }
            if (answered_ < steps_.size()) {
                Next();
                steps_[answered_++](modal);
            } else {
                ADD_FAILURE() << "an unexpected window: " << modal->windowTitle().toStdString();
                modal->close();
            }
        });
    }

    std::vector<Step> steps_;
    std::size_t answered_ = 0;
    QObject context_;
};

// Types `name` into the file dialog and accepts it.
ModalAnswers::Step TypeName(const QString& name) {
    return [name](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(name);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

ModalAnswers::Step Press(QMessageBox::StandardButton button) {
    return [button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        box->button(button)->click();
    };
}

ModalAnswers::Step Cancel() {
    return [](QWidget* modal) { QMetaObject::invokeMethod(modal, "reject"); };
}

std::filesystem::path ChooseSavePath(const std::filesystem::path& initialPath,
                                     const std::filesystem::path& startFolder) {
    QtPlatformServices platform(QString{});
    return platform.ChooseFileToSave(nullptr,
                                     {QStringLiteral("Sarovin"), QStringLiteral("Sarovin (*.dri)"),
                                      QStringLiteral("dri"), initialPath, startFolder});
}

// Qt's own file dialog names files by Qt text, so it starts beside a folder
// whose name is not UTF-8, and a path typed into it still reaches that
// folder.
TEST(QtPlatformServices, QtsOwnSaveDialogReachesAFolderWhoseNameIsNotUtf8) {
    const testing::ReadingFolder folder;
    const std::filesystem::path odd = folder.Path() / "Jyoti\xFF\xFE";
    ASSERT_TRUE(std::filesystem::create_directory(odd));
    QString shownFolder;
    const ModalAnswers answers(
        {[&shownFolder](QWidget* modal) {
             shownFolder = qobject_cast<QFileDialog*>(modal)->directory().absolutePath();
         },
         TypeName(ShownPath(odd / "asha.dri"))});
    EXPECT_EQ(ChooseSavePath({}, odd).native(), (odd / "asha.dri").native());
    EXPECT_EQ(shownFolder, ShownPath(folder.Path()));
}

// The path offered, in a folder Qt cannot name, is offered whole.
TEST(QtPlatformServices, APathOfferedInAFolderQtCannotNameIsKept) {
    const testing::ReadingFolder folder;
    const std::filesystem::path odd = folder.Path() / "Jyoti\xFF\xFE";
    ASSERT_TRUE(std::filesystem::create_directory(odd));
    QString offered;
    const ModalAnswers answers({[&offered](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        offered = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
        QMetaObject::invokeMethod(dialog, "accept");
    }});
    EXPECT_EQ(ChooseSavePath(odd / "asha.dri", folder.Path()).native(),
              (odd / "asha.dri").native());
    EXPECT_EQ(offered, ShownPath("Jyoti\xFF\xFE/asha.dri"));
}

// Qt's own dialog cannot see a file whose name is not UTF-8, so it does not
// ask before replacing it; the question is asked all the same.
TEST(QtPlatformServices, ReplacingAFileQtCannotNameIsAskedFirst) {
    const testing::ReadingFolder folder;
    const std::filesystem::path old = folder.WriteBytes("caf\xE9.dri", "old reading");
    {
        const ModalAnswers answers({TypeName(ShownPath(old)), Press(QMessageBox::No), Cancel()});
        EXPECT_TRUE(ChooseSavePath({}, folder.Path()).empty());
    }
    const ModalAnswers answers({TypeName(ShownPath(old)), Press(QMessageBox::Yes)});
    EXPECT_EQ(ChooseSavePath({}, folder.Path()).native(), old.native());
}

}  // namespace
}  // namespace sarovin
