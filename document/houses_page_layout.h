#pragma once

#include <QRectF>
#include <vector>

#include "chart/strength_tint.h"
#include "document/page_footer.h"
#include "document/page_text.h"
#include "houses/houses.h"

class QPaintDevice;

namespace sarovin {

struct Calculation;

// The houses page that follows a reading's page when it has houses, as
// plain values: the birth lines again, the heading naming the house
// system, and the table, a row a house (sign, madhya, start, end, the
// bodies in it and those aspecting it, the two strengths), the Dig Bala
// on the Sputa tint.
struct HousesPageLayout {
    PageText title;
    std::vector<PageText> headerLines;
    PageText heading;
    std::vector<PageText> cells;
    // The Dig Bala cells, painted on their tint.
    std::vector<PageText> digBala;
    std::vector<Rgb> digBalaTints;
    double cellBorder = 0;
    PageFooter footer;
};

// The houses page in `page` of `device`, in `font`, with `printed` and its
// `number` among the reading's pages in the footer.
HousesPageLayout LayOutHousesPage(const Calculation& calculation, const Houses& houses,
                                  const QRectF& page, const QPaintDevice& device, const QFont& font,
                                  const QDate& printed, PageNumber number);

void PaintHousesPage(QPainter& painter, const HousesPageLayout& layout);

}  // namespace sarovin
