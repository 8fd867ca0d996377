#include "platform/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace sarovin {

namespace {

constexpr mode_t OWNER_ONLY = S_IRWXU;

// A lock is made in the folder, so it must also take new files: a
// runtime folder made read-only would otherwise let every copy start.
bool IsPrivate(const QByteArray& path) {
    struct stat status {};
    return ::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0 &&
           ::access(path.constData(), W_OK | X_OK) == 0;
}

// Makes the folders above `path` that are missing, such as a cache folder
// never made yet, for the user alone.
void MakeParents(const QByteArray& path) {
    for (qsizetype slash = path.indexOf('/', 1); slash > 0; slash = path.indexOf('/', slash + 1)) {
        ::mkdir(path.left(slash).constData(), OWNER_ONLY);
    }
}

}  // namespace

QString PrivateFolder(const QString& path) {
    if (path.isEmpty() || QDir::isRelativePath(path)) {
        return {};
    }
    const QByteArray local = QFile::encodeName(QDir::cleanPath(path));
    MakeParents(local);
    // A folder made here is private from the start; an existing one must
    // already be, since another account may have made it.
    ::mkdir(local.constData(), OWNER_ONLY);
    return IsPrivate(local) ? QDir::cleanPath(path) : QString();
}

QString LockFolder() {
    const QString candidates[] = {
        qEnvironmentVariable("XDG_RUNTIME_DIR"),
        QDir::tempPath() + QStringLiteral("/sarovin-%1").arg(::geteuid()),
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
            QStringLiteral("/sarovin"),
    };
    for (const QString& candidate : candidates) {
        if (QString folder = PrivateFolder(candidate); !folder.isEmpty()) {
            return folder;
        }
    }
    return {};
}

}  // namespace sarovin
