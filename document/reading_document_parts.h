#pragma once

#include <QFont>
#include <QRectF>
#include <QStringList>
#include <span>

#include "drishti/drishti_row.h"

class QPainter;

namespace sarovin {

// What every part of a page needs: the painter, the length of a
// millimetre in device units and the font the page is set in.
struct PageSetting {
    QPainter& painter;
    double millimetre;
    QFont font;

    QFont FontOf(double points, bool bold = false) const;
};

// Draws `lines` one under the other from the top of `area`, wrapped to its
// width, the first in bold at `firstPoints`; gives the bottom of the last.
double PaintHeading(const PageSetting& page, const QRectF& area, const QStringList& lines,
                    double firstPoints, double otherPoints);

// Each row as a paragraph: the body and its position in bold, then its two
// sentences; gives the bottom of the last.
double PaintDrishtiRows(const PageSetting& page, const QRectF& area,
                        std::span<const DrishtiRow> rows);

}  // namespace sarovin
