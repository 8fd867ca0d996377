#pragma once

#include <memory>

namespace sarovin {

class MainWindow;
class PlatformServices;

// Opens the main window, unless another copy of the program is running:
// then says so and gives no window.
std::unique_ptr<MainWindow> StartSarovin(PlatformServices& platform);

}  // namespace sarovin
