#pragma once

#include <QStringList>
#include <vector>

#include "document/page_text.h"

namespace sarovin {

struct Calculation;

// The table of the bodies: the Lagna first when the ephemeris gives one,
// then the nine bodies, each with its sign, degree and minute in the sign,
// nakshatra and pada; the house when the reading has houses and "℞" for a
// retrograde body when the ephemeris gives speeds.
struct BodyTableLayout {
    PageText title;
    // The headings, then a row a point, a text a column.
    std::vector<std::vector<PageText>> rows;
    double bottom = 0;
};

// The texts of the table, headings first, as BodyTableLayout describes.
std::vector<QStringList> BodyTableTexts(const Calculation& calculation);

// The table from the top of `area`, across its width.
BodyTableLayout LayOutBodyTable(const PageMeasure& measure, const QRectF& area,
                                const Calculation& calculation, double titlePoints,
                                double textPoints);

}  // namespace sarovin
