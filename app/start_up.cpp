#include "app/start_up.h"

#include "app/main_window.h"
#include "links/program_icon.h"
#include "platform/platform_services.h"

namespace sarovin {

std::unique_ptr<MainWindow> StartSarovin(PlatformServices& platform) {
    if (platform.IsAnotherCopyRunning()) {
        platform.ShowMessage(nullptr, QStringLiteral("Application is already running"),
                             MessageIcon::Information);
        return nullptr;
    }
    auto window = std::make_unique<MainWindow>(platform);
    window->setWindowIcon(ProgramIcon());
    return window;
}

}  // namespace sarovin
