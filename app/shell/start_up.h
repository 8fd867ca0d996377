#pragma once

#include <memory>

namespace sarovin {

class MainWindow;
class PlatformServices;

// Opens the main window, unless another copy of the program is running:
// then says so and gives no window. A settings file that is not an
// ordinary file (a FIFO, a device) or is larger than 1 MB is left unread:
// the window starts with its defaults, saves none, and says so once. One
// that cannot be written is read, and that no change will be kept is said
// once.
std::unique_ptr<MainWindow> StartSarovin(PlatformServices& platform);

}  // namespace sarovin
