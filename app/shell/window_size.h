#pragma once

#include <QRect>
#include <QSize>

namespace sarovin {

// The size the window opens at: the size it is laid out for, shrunk where
// needed so that it and its frame fit the screen's available area.
QSize FirstWindowSize(const QSize& preferred, const QSize& available);

// Where a window of `size` stands centred in the available area.
QPoint CentredPosition(const QSize& size, const QRect& available);

}  // namespace sarovin
