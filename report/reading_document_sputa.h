#pragma once

#include <QRectF>

#include "drishti/sputa_drishti.h"
#include "report/reading_document_parts.h"

namespace sarovin {

// The 9 x 9 grid of strengths in `area`, row bodies aspecting the column
// bodies, each cell tinted by its strength and the strongest in bold, with
// the tint's legend beneath; gives the bottom of the legend.
double PaintSputaGrid(const PageSetting& page, const QRectF& area, const SputaDrishti& sputa);

}  // namespace sarovin
