#pragma once

#include <QColor>

#include "chart/strength_tint.h"

namespace sarovin {

inline QColor ToQColor(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

// The colours of the chart, on the screen and on paper.
namespace chart_colours {
inline const QColor INK(0x1a, 0x1a, 0x1a);
inline const QColor LINES(0x3c, 0x3c, 0x3c);
inline const QColor QUIET_INK(0x5c, 0x5c, 0x5c);
inline const QColor PAPER(0xff, 0xff, 0xff);
inline const QColor MIDDLE(0xf7, 0xf4, 0xec);
// The chosen body's sign and mark, and the signs and bodies its aspects reach.
inline const QColor ASPECTING(0xfb, 0xe3, 0xb8);
inline const QColor CHOSEN_MARK(0xf2, 0xb8, 0x4b);
inline const QColor ASPECTED(0xdc, 0xe8, 0xf6);
inline const QColor ARROW(0xa3, 0x2a, 0x1c);
// The second chart's bodies when two charts are drawn as one.
inline const QColor SECOND_CHART(0x1c, 0x5a, 0x8a);
}  // namespace chart_colours

// The colours a chart is painted in: on paper those above, in the window
// those of its palette.
struct ChartColours {
    QColor ink = chart_colours::INK;
    QColor lines = chart_colours::LINES;
    QColor quietInk = chart_colours::QUIET_INK;
    QColor paper = chart_colours::PAPER;
    QColor middle = chart_colours::MIDDLE;
    QColor aspecting = chart_colours::ASPECTING;
    QColor chosenMark = chart_colours::CHOSEN_MARK;
    QColor aspected = chart_colours::ASPECTED;
    QColor arrow = chart_colours::ARROW;
    QColor secondChart = chart_colours::SECOND_CHART;
};

}  // namespace sarovin
