#pragma once

#include <filesystem>

class QMimeData;

namespace sarovin {

// The one local reading file a drag carries, by its name's ending as the
// open dialog filters; an empty path for anything else.
std::filesystem::path DroppedReading(const QMimeData* data);

}  // namespace sarovin
