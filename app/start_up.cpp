#include "app/start_up.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <optional>

#include "app/main_window.h"
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

// A settings file QSettings would read that is not an ordinary file: a
// FIFO would keep the window from starting, a device would never end.
std::optional<QString> SettingsFileNotOrdinary() {
    const QString folder = UserSettingsFolder();
    const QString organization = QCoreApplication::organizationName();
    const QString files[] = {
        folder + u'/' + organization + u'/' + QCoreApplication::applicationName() +
            QStringLiteral(".conf"),
        folder + u'/' + organization + QStringLiteral(".conf"),
    };
    for (const QString& file : files) {
        struct stat status {};
        if (::stat(QFile::encodeName(file).constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
            return file;
        }
    }
    return std::nullopt;
}

}  // namespace

std::unique_ptr<MainWindow> StartSarovin(PlatformServices& platform) {
    if (platform.IsAnotherCopyRunning()) {
        platform.ShowMessage(nullptr, QStringLiteral("Application is already running"),
                             MessageIcon::Information);
        return nullptr;
    }
    if (const std::optional<QString> file = SettingsFileNotOrdinary()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, NO_SETTINGS_FOLDER);
        platform.ShowMessage(nullptr,
                             QStringLiteral("The settings file %1 is not an ordinary file. Sarovin "
                                            "starts with its default settings and does not save "
                                            "them.")
                                 .arg(*file),
                             MessageIcon::Information);
    }
    auto window = std::make_unique<MainWindow>(platform);
    window->setWindowIcon(ProgramIcon());
    return window;
}

}  // namespace sarovin
