#pragma once

#include <QRectF>

#include "strengths/shadbala.h"

class QPainter;

namespace sarovin {

// The ratio of each planet's Shadbala to the rupas it needs, as a bar
// chart filling `area`: one bar a planet, Sun to Saturn, its ratio written
// above it, and a line at 1 where a planet becomes strong. The window, the
// printer and PDF files all draw it with this.
void PaintStrengthRatios(QPainter& painter, const Shadbala& shadbala, const QRectF& area);

}  // namespace sarovin
