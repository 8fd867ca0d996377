#pragma once

#include <QRectF>

#include "document/reading_document_parts.h"
#include "drishti/drishti_report.h"

namespace sarovin {

// The 9 x 9 grid of strengths in `area`, row bodies aspecting the column
// bodies, each cell tinted by its strength and the strongest in bold, with
// the tint's legend beneath; gives the bottom of the legend. Under the
// classical rules the cells hold virupas, the nodes' rows "–", a Lagna
// column follows when there is one and a Drik Bala row ends the grid.
double PaintSputaGrid(const PageSetting& page, const QRectF& area, const DrishtiReport& report);

}  // namespace sarovin
