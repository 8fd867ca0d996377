#pragma once

#include <QRectF>
#include <string>

#include "ashtakavarga/ashtakavarga.h"

class QPainter;

namespace sarovin {

// The Ashtakavarga of a reading on a page of its own: a heading with the
// reading's name and the tables' tradition, then a table of the Bhinna
// rows of the Sun to Saturn and the Lagna and the Sarva row, the bindus in
// the signs from Mesha to Meena and each row's total.
void PaintAshtakavargaPage(QPainter& painter, const std::string& name,
                           const Ashtakavarga& ashtakavarga, const QRectF& page);

}  // namespace sarovin
