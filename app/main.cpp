#include <QApplication>

#include "main_window.h"
#include "qt_platform_services.h"
#include "start_up.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(sarovin::APPLICATION_TITLE));
    QApplication::setApplicationVersion(QStringLiteral(SAROVIN_VERSION));
    sarovin::QtPlatformServices platform;
    const auto window = sarovin::StartSarovin(platform);
    if (!window) {
        return 0;
    }
    window->show();
    return QApplication::exec();
}
