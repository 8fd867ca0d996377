#pragma once

#include <QRectF>

#include "document/reading_document_parts.h"
#include "drishti/sputa_drishti.h"

namespace sarovin {

// The 9 x 9 grid of strengths in `area`, row bodies aspecting the column
// bodies, each cell tinted by its strength and the strongest in bold, with
// the tint's legend beneath; gives the bottom of the legend.
double PaintSputaGrid(const PageSetting& page, const QRectF& area, const SputaDrishti& sputa);

}  // namespace sarovin
