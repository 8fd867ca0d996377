#include <QApplication>

#include "app/shell/main_window.h"
#include "app/shell/start_up.h"
#include "app/shell/window_arguments.h"
#include "platform/qt_platform_services.h"
#include "platform/qt_text.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(sarovin::ToQString(sarovin::APPLICATION_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(SAROVIN_VERSION));
    // Where QSettings keeps the user's choices: ~/.config/Sarovin/Sarovin.conf.
    QApplication::setOrganizationName(sarovin::ToQString(sarovin::APPLICATION_TITLE));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Sarovin"));

    // QApplication has taken its own options out of argv.
    const std::optional<std::filesystem::path> reading =
        sarovin::ReadingArgument(std::vector<std::string>(argv, argv + argc));

    sarovin::QtPlatformServices platform;
    const auto window = sarovin::StartSarovin(platform);
    if (!window) {
        return 0;
    }
    window->show();
    if (reading) {
        window->OpenReadingFile(*reading);
    }
    return QApplication::exec();
}
