#pragma once

#include <QImage>

namespace sarovin {

// The icon of a saved reading: a sheet of paper with a folded corner that
// carries the program's icon. `size` is the side in pixels.
QImage ReadingFileIcon(int size);

}  // namespace sarovin
