#pragma once

#include <QRectF>

#include "document/reading_document_parts.h"
#include "houses/houses.h"

namespace sarovin {

// The houses table in `area`: a line of headings, then one row a house
// with its sign, madhya, start and end, the bodies in it and those
// aspecting it, and its two strengths, the Dig Bala tinted like the Sputa
// strengths; gives the bottom of the last row.
double PaintHousesTable(const PageSetting& page, const QRectF& area, const Houses& houses);

}  // namespace sarovin
