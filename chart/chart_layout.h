#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_content.h"
#include "chart/chart_focus.h"
#include "chart/chart_geometry.h"

namespace sarovin {

// South Indian: the signs in fixed cells round a square, the birth in its
// middle. North Indian: the houses in fixed places, the first at the top
// centre, each holding the sign counted from the Lagna's.
enum class ChartStyle { SouthIndian, NorthIndian };

// What a text of the chart is; the painter chooses its font and alignment
// from this.
// An InnerMark is a body of the second chart when two are drawn as one.
enum class TextRole { SignName, SignNumber, Mark, InnerMark, Title, Details };

// How a mark stands out: the chosen body, or a body its aspect reaches.
enum class Emphasis { Plain, Chosen, Aspected };

// A cell or house: plain, the chosen body's sign, a sign it aspects, or
// the middle of the South Indian chart.
enum class AreaRole { Plain, Aspecting, Aspected, Centre };

struct ChartText {
    Box box;
    std::string text;
    TextRole role = TextRole::Mark;
    // The height of the letters, in the units of the chart.
    double size = 0;
    Emphasis emphasis = Emphasis::Plain;
    // The sign of a sign name, number or mark; -1 for the middle texts.
    int sign = -1;
    // The body slot of a body's mark; none for the Lagna and other texts.
    std::optional<int> body;
};

struct ChartArea {
    Outline outline;
    AreaRole role = AreaRole::Plain;
    // -1 for the middle of the South Indian chart.
    int sign = -1;
};

// A straight stroke, such as the one across the corner of the Lagna's cell.
struct ChartStroke {
    Point from;
    Point to;
};

// An aspect drawn from the aspecting sign to an aspected one, as a curve
// from `from` to `to` drawn towards `control`; the head is a triangle
// whose first corner is the tip, at `to`.
struct ChartArrow {
    Point from;
    Point control;
    Point to;
    std::array<Point, 3> head;
    int fromSign = 0;
    int toSign = 0;
};

// Everything a chart draws, in a square of side `side` with its top left
// corner at the origin; painted in this order.
struct ChartLayout {
    double side = 0;
    std::vector<ChartArea> areas;
    std::vector<ChartStroke> strokes;
    std::vector<ChartArrow> arrows;
    std::vector<ChartText> texts;
};

// The chart of `content` in `style`, turned to `focus` when one is given.
// The North Indian chart needs the Lagna; without one the South Indian
// chart is laid out.
ChartLayout LayOutChart(const ChartContent& content, ChartStyle style,
                        const std::optional<ChartFocus>& focus, double side);

// The body whose mark lies under `point`, if any.
std::optional<int> BodyAt(const ChartLayout& layout, Point point);

}  // namespace sarovin
