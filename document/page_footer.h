#pragma once

#include <QDate>
#include <array>

#include "document/page_text.h"

namespace sarovin {

// "Sarovin 1.15": the program and its version, as the footer names them.
QString ProgramAndVersion();

// Where a page stands among the pages of its reading, from 1.
struct PageNumber {
    int number = 1;
    int count = 1;
};

// The foot of every page: the program, its version and the date printed at
// the left, "Page 1 of 3" at the right.
struct PageFooter {
    std::array<PageText, 2> texts;
};

// The height the footer takes at the bottom of a page, with the gap above it.
double FooterHeight(const PageMeasure& measure);

// The footer at the bottom of `page`.
PageFooter LayOutPageFooter(const PageMeasure& measure, const QRectF& page, const QDate& printed,
                            PageNumber number);

void PaintPageFooter(QPainter& painter, const PageFooter& footer);

}  // namespace sarovin
