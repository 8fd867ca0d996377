#pragma once

#include <QDate>
#include <QFont>
#include <QRectF>

#include "calculation/calculation.h"
#include "document/page_footer.h"

class QPainter;
class QPaintDevice;

namespace sarovin {

// The strength page of a reading with the Shadbala, on the whole of `page`:
// the reading's header, the Shadbala and Bhava Bala tables as the text
// output prints them (with the day and the forks in force), the ratios as
// the window's bars, and the footer.
void PaintStrengthPage(QPainter& painter, const Calculation& calculation,
                       const BirthStrengths& strengths, const QRectF& page,
                       const QPaintDevice& device, const QFont& font, const QDate& printed,
                       PageNumber number);

}  // namespace sarovin
