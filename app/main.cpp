#include <QApplication>
#include <QCommandLineParser>

#include "app/main_window.h"
#include "app/start_up.h"
#include "platform/qt_platform_services.h"
#include "platform/qt_text.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(sarovin::ToQString(sarovin::APPLICATION_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(SAROVIN_VERSION));
    // Where QSettings keeps the user's choices: ~/.config/Sarovin/Sarovin.conf.
    QApplication::setOrganizationName(sarovin::ToQString(sarovin::APPLICATION_TITLE));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Sarovin"));

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QStringLiteral("Vedic (sidereal) astrology: Graha, Rashi and Sputa Drishti."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("reading"),
                                    QStringLiteral("A saved reading (.dri) to open at start."),
                                    QStringLiteral("[reading]"));
    arguments.process(application);

    sarovin::QtPlatformServices platform;
    const auto window = sarovin::StartSarovin(platform);
    if (!window) {
        return 0;
    }
    window->show();
    if (!arguments.positionalArguments().isEmpty()) {
        window->OpenReadingFile(arguments.positionalArguments().constFirst());
    }
    return QApplication::exec();
}
