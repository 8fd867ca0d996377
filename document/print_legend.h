#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

#include "document/chart_palette.h"

class QPainter;

namespace sarovin {

// The tint of every Sputa strength from 0 to 60 in `bar`, weakest at the
// left or top, in a thin frame, with the strengths 0, 15, 30, 45 and 60
// written beneath it or to its right in `font` and `ink` (the paper's
// quiet ink unless a window's palette gives another).
void PaintStrengthLegend(QPainter& painter, const QRectF& bar, Qt::Orientation orientation,
                         const QFont& font, const QColor& ink = chart_colours::QUIET_INK);

}  // namespace sarovin
