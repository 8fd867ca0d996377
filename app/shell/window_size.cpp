#include "app/shell/window_size.h"

namespace sarovin {

namespace {

// Room for a window manager's title bar and borders, which are not known
// before the window is shown.
constexpr QSize FRAME_ALLOWANCE(16, 48);

}  // namespace

QSize FirstWindowSize(const QSize& preferred, const QSize& available) {
    return preferred.boundedTo((available - FRAME_ALLOWANCE).expandedTo(QSize(1, 1)));
}

QPoint CentredPosition(const QSize& size, const QRect& available) {
    const QSize framed = size + FRAME_ALLOWANCE;
    return available.topLeft() + QPoint(std::max(0, (available.width() - framed.width()) / 2),
                                        std::max(0, (available.height() - framed.height()) / 2));
}

}  // namespace sarovin
