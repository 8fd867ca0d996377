#include "platform/qt_platform_services.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "platform/local_path.h"
#include "platform/private_folder.h"
#include "platform/qt_text.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

namespace sarovin {

namespace {

// A dialog that saw a name through Qt text did not see the file it names,
// so it did not ask before replacing it; this asks instead.
bool MayReplaceFile(QWidget* dialog, const std::filesystem::path& path) {
    return QMessageBox::warning(dialog, dialog->windowTitle(),
                                QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                    .arg(ShownPath(path.filename())),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

// The dialog is given and gives back URLs, which carry a file name's bytes
// even where they are not UTF-8; the desktop's own dialogs keep them so.
// Dialogs that pass names through Qt text lose such bytes, and the path is
// recovered from the folders it names.
std::filesystem::path ChooseFile(QWidget* parent, const FileDialogSettings& settings,
                                 QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, settings.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(settings.filter);
    dialog.setDefaultSuffix(settings.defaultSuffix);
    // Wide enough for the name, size, type and date columns side by side.
    dialog.resize(dialog.sizeHint().expandedTo(QSize(760, 480)));
    // An initial path puts the dialog in its own folder, or in the nearest
    // one above that Qt can name, with the rest of the path as the name.
    const std::filesystem::path& initial = settings.initialPath;
    const std::filesystem::path folder =
        NameableFolder(initial.empty() ? settings.startFolder : initial.parent_path());
    if (!folder.empty()) {
        dialog.setDirectoryUrl(UrlOf(folder));
    }
    if (!initial.empty()) {
        dialog.selectFile(ShownPath(folder.empty() ? initial : initial.lexically_relative(folder)));
    }
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedUrls().isEmpty()) {
        const std::filesystem::path shown = LocalPathOf(dialog.selectedUrls().constFirst());
        const std::filesystem::path path = RecoveredPath(shown);
        if (mode == QFileDialog::AcceptOpen || path == shown || !std::filesystem::exists(path) ||
            MayReplaceFile(&dialog, path)) {
            return path;
        }
    }
    return {};
}

// A running copy keeps its lock file locked (QLockFile holds an flock on it
// for as long as it holds the lock), so a lock file that can be locked, or
// that cannot even be opened, is left from a copy that has ended, whoever
// made it. QLockFile alone cannot tell when the process number it names
// now belongs to another account's program.
bool IsHeldByARunningCopy(const QString& path) {
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool held = ::flock(descriptor, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(descriptor);
    return held;
}

}  // namespace

QtPlatformServices::QtPlatformServices(const QString& lockPath) {
    if (!lockPath.isEmpty()) {
        instanceLock_ = std::make_unique<QLockFile>(lockPath);
        instanceLock_->setStaleLockTime(0);
    }
}

QString QtPlatformServices::DefaultLockPath() {
    // In a folder that belongs to the user alone no other account can hold
    // or plant the lock.
    const QString folder = LockFolder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("sarovin.lock"));
}

void QtPlatformServices::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    ToQString(APPLICATION_TITLE), text, QMessageBox::Ok, parent);
    box.exec();
}

std::filesystem::path QtPlatformServices::ChooseFileToOpen(QWidget* parent,
                                                           const FileDialogSettings& settings) {
    return ChooseFile(parent, settings, QFileDialog::AcceptOpen);
}

std::filesystem::path QtPlatformServices::ChooseFileToSave(QWidget* parent,
                                                           const FileDialogSettings& settings) {
    return ChooseFile(parent, settings, QFileDialog::AcceptSave);
}

std::unique_ptr<QPrinter> QtPlatformServices::ChoosePrinter(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer;
}

bool QtPlatformServices::OpenAddress(const QUrl& address) {
    return QDesktopServices::openUrl(address);
}

bool QtPlatformServices::IsAnotherCopyRunning() {
    if (!instanceLock_ || instanceLock_->isLocked()) {
        return false;
    }
    // tryLock takes over a lock whose owner process no longer runs. Only a
    // lock held by a running copy keeps the program from starting; a lock
    // that cannot be made never does, and one left behind is removed (the
    // folder is the user's own) and taken.
    if (instanceLock_->tryLock(0) || instanceLock_->error() != QLockFile::LockFailedError) {
        return false;
    }
    if (!IsHeldByARunningCopy(instanceLock_->fileName())) {
        QFile::remove(instanceLock_->fileName());
        instanceLock_->tryLock(0);
        return false;
    }
    qint64 owner = 0;
    QString host;
    QString program;
    return instanceLock_->getLockInfo(&owner, &host, &program) && owner > 0;
}

}  // namespace sarovin
