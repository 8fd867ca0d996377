#include "app/shell/dropped_reading.h"

#include <QMimeData>
#include <QUrl>

#include "platform/local_path.h"
#include "reading/reading_load.h"

namespace sarovin {

std::filesystem::path DroppedReading(const QMimeData* data) {
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1) {
        return {};
    }
    std::filesystem::path path = LocalPathOf(urls.front());
    return HasReadingExtension(path.native()) ? path : std::filesystem::path();
}

}  // namespace sarovin
