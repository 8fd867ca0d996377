#include "app/shell/start_up.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <optional>

#include "app/shell/main_window.h"
#include "links/program_icon.h"
#include "platform/platform_services.h"

namespace sarovin {

namespace {

// A settings name no program uses, whose file is never there to read.
const QString PROBE_NAME = QStringLiteral("sarovin-settings-folder");
// No folder can be made under a device, so settings kept "there" are
// neither read nor written.
const QString NO_SETTINGS_FOLDER = QStringLiteral("/dev/null");

// The folder QSettings keeps the user's settings in, the user's own or one
// set by QSettings::setPath, found without opening the program's file.
QString UserSettingsFolder() {
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope, PROBE_NAME, PROBE_NAME);
    return QFileInfo(QFileInfo(probe.fileName()).path()).path();
}

// No settings file of Sarovin's comes near this size; a larger one would
// delay the start by seconds and take memory to no purpose.
constexpr qint64 LARGEST_SETTINGS_BYTES = 1024 * 1024;

// What keeps a settings file from its use: a FIFO would keep the window
// from starting and a device would never end, so neither is read, nor is a
// file too large to be one; a file that cannot be written is read, but no
// change made now is kept.
enum class SettingsFault { NotOrdinary, TooLarge, ReadOnly };

struct SettingsTrouble {
    QString file;
    SettingsFault fault;
};

std::optional<SettingsTrouble> FindSettingsTrouble() {
    const QString folder = UserSettingsFolder();
    const QString organization = QCoreApplication::organizationName();
    const QString files[] = {
        folder + u'/' + organization + u'/' + QCoreApplication::applicationName() +
            QStringLiteral(".conf"),
        folder + u'/' + organization + QStringLiteral(".conf"),
    };
    for (const QString& file : files) {
        const QByteArray name = QFile::encodeName(file);
        struct stat status {};
        if (::stat(name.constData(), &status) != 0) {
            continue;
        }
        if (!S_ISREG(status.st_mode)) {
            return SettingsTrouble{file, SettingsFault::NotOrdinary};
        }
        if (status.st_size > LARGEST_SETTINGS_BYTES) {
            return SettingsTrouble{file, SettingsFault::TooLarge};
        }
    }
    if (::access(QFile::encodeName(files[0]).constData(), W_OK) != 0 && errno == EACCES) {
        return SettingsTrouble{files[0], SettingsFault::ReadOnly};
    }
    return std::nullopt;
}

QString TroubleMessage(const SettingsTrouble& trouble) {
    switch (trouble.fault) {
        case SettingsFault::NotOrdinary:
            return QStringLiteral(
                       "The settings file %1 is not an ordinary file. Sarovin starts "
                       "with its default settings and does not save them.")
                .arg(trouble.file);
        case SettingsFault::TooLarge:
            return QStringLiteral(
                       "The settings file %1 is larger than 1 MB. Sarovin starts with "
                       "its default settings and does not save them.")
                .arg(trouble.file);
        case SettingsFault::ReadOnly:
            break;
    }
    return QStringLiteral(
               "The settings file %1 cannot be written. Sarovin starts with its "
               "settings but cannot keep a change made to them.")
        .arg(trouble.file);
}

}  // namespace

std::unique_ptr<MainWindow> StartSarovin(PlatformServices& platform) {
    if (platform.IsAnotherCopyRunning()) {
        platform.ShowMessage(nullptr, QStringLiteral("Application is already running"),
                             MessageIcon::Information);
        return nullptr;
    }
    if (const std::optional<SettingsTrouble> trouble = FindSettingsTrouble()) {
        if (trouble->fault != SettingsFault::ReadOnly) {
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, NO_SETTINGS_FOLDER);
        }
        platform.ShowMessage(nullptr, TroubleMessage(*trouble), MessageIcon::Information);
    }
    auto window = std::make_unique<MainWindow>(platform);
    window->setWindowIcon(ProgramIcon());
    return window;
}

}  // namespace sarovin
