#include "chart/chart_layout.h"

#include <algorithm>
#include <utility>

#include "chart/chart_arrow.h"
#include "chart/mark_grid.h"
#include "chart/north_indian_frame.h"
#include "chart/south_indian_frame.h"

namespace sarovin {

namespace {

// The arrow heads' length, as a share of the chart's side, how many head
// lengths an arrow is at least, and how far it bows towards the middle of
// the chart.
constexpr double ARROW_HEAD = 0.03;
constexpr double SHORTEST_ARROW = 2.5;
constexpr double ARROW_BOW = 0.7;

std::optional<int> SignOfBody(const ChartContent& content, int body) {
    for (const ChartMark& mark : content.marks) {
        if (mark.body == body) {
            return mark.sign;
        }
    }
    return std::nullopt;
}

AreaRole RoleOf(int sign, const std::optional<ChartFocus>& focus, std::optional<int> focusSign) {
    if (focusSign == sign) {
        return AreaRole::Aspecting;
    }
    return focus && focus->aspected.signs.test(sign) ? AreaRole::Aspected : AreaRole::Plain;
}

Emphasis EmphasisOf(const ChartMark& mark, const std::optional<ChartFocus>& focus) {
    if (!focus || mark.body == LAGNA_MARK) {
        return Emphasis::Plain;
    }
    if (mark.body == focus->body) {
        return Emphasis::Chosen;
    }
    return focus->aspected.bodies.test(mark.body) ? Emphasis::Aspected : Emphasis::Plain;
}

// A second chart's body stands out when the chosen body aspects its sign.
Emphasis InnerEmphasisOf(const ChartMark& mark, const std::optional<ChartFocus>& focus) {
    return focus && focus->aspected.signs.test(mark.sign) ? Emphasis::Aspected : Emphasis::Plain;
}

std::vector<const ChartMark*> MarksIn(const std::vector<ChartMark>& marks, int sign) {
    std::vector<const ChartMark*> found;
    for (const ChartMark& mark : marks) {
        if (mark.sign == sign) {
            found.push_back(&mark);
        }
    }
    return found;
}

// The box of a sign's marks cut in two, one part above the other: the part
// away from the middle of the chart for the chart's own marks, the part
// towards it for the second chart's, each as tall as its share of the
// marks (from a quarter to three quarters), so neither chart's marks lose
// their degrees while the other's have room to spare. Cutting across keeps
// the marks' letters as tall as the box allows.
std::pair<Box, Box> OuterAndInner(const Box& box, double side, std::size_t outerMarks,
                                  std::size_t innerMarks) {
    constexpr double LEAST_SHARE = 0.25;
    const double outerShare =
        std::clamp(static_cast<double>(outerMarks) / static_cast<double>(outerMarks + innerMarks),
                   LEAST_SHARE, 1 - LEAST_SHARE);
    const bool belowMiddle = box.top + box.height / 2 > side / 2;
    const double topHeight = box.height * (belowMiddle ? 1 - outerShare : outerShare);
    const Box top{box.left, box.top, box.width, topHeight};
    const Box bottom{box.left, box.top + topHeight, box.width, box.height - topHeight};
    return belowMiddle ? std::pair{bottom, top} : std::pair{top, bottom};
}

// The widest of `labels` that can still give way to its mark's brief one.
std::optional<std::size_t> WidestLong(const std::vector<const ChartMark*>& marks,
                                      const std::vector<std::string>& labels) {
    std::optional<std::size_t> widest;
    for (std::size_t index = 0; index < marks.size(); ++index) {
        const std::string& brief = marks[index]->brief;
        if (!brief.empty() && labels[index] != brief &&
            (!widest || LabelWidth(labels[index]) > LabelWidth(labels[*widest]))) {
            widest = index;
        }
    }
    return widest;
}

// The marks at their full labels when those fit at the readable size; else
// the widest labels give way to their abbreviations, one at a time, until
// they fit, drawn as large as fits (below the readable size only when even
// the abbreviations do not fit there). With `briefOnly` every mark that has
// an abbreviation shows it. True when a mark gave way.
bool AddMarks(const std::vector<const ChartMark*>& marks, const Box& area, double largest,
              TextRole role, const std::optional<ChartFocus>& focus, bool briefOnly,
              ChartLayout& layout) {
    std::vector<std::string> labels;
    bool gaveWay = false;
    for (const ChartMark* mark : marks) {
        const bool brief = briefOnly && !mark->brief.empty();
        labels.push_back(brief ? mark->brief : mark->label);
        gaveWay = gaveWay || (brief && mark->brief != mark->label);
    }
    MarkGrid grid = ArrangeMarks(area, labels, largest);
    while (grid.letterHeight < SMALLEST_LETTERS * layout.side) {
        const std::optional<std::size_t> widest = WidestLong(marks, labels);
        if (!widest) {
            break;
        }
        labels[*widest] = marks[*widest]->brief;
        gaveWay = true;
        grid = ArrangeMarks(area, labels, largest);
    }
    for (std::size_t index = 0; index < marks.size(); ++index) {
        const ChartMark& mark = *marks[index];
        ChartText text;
        text.box = grid.boxes[index];
        text.text = std::move(labels[index]);
        text.role = role;
        text.size = grid.letterHeight;
        text.sign = mark.sign;
        if (role == TextRole::InnerMark) {
            text.emphasis = InnerEmphasisOf(mark, focus);
        } else {
            text.emphasis = EmphasisOf(mark, focus);
            if (mark.body != LAGNA_MARK) {
                text.body = mark.body;
            }
        }
        layout.texts.push_back(std::move(text));
    }
    return gaveWay;
}

void AddMarksOfSign(const ChartContent& content, const std::optional<ChartFocus>& focus,
                    const ChartFrame& frame, int sign, ChartLayout& layout) {
    const std::vector<const ChartMark*> marks = MarksIn(content.marks, sign);
    const std::vector<const ChartMark*> inner = MarksIn(content.innerMarks, sign);
    const Box& area = frame.signs[sign].marksBox;
    if (inner.empty()) {
        AddMarks(marks, area, frame.largestMark, TextRole::Mark, focus, false, layout);
        return;
    }
    // Where the second chart's marks must give up their degrees, the first
    // chart's do too, so a sign never shows one chart's degrees alone.
    const auto [outerBox, innerBox] = OuterAndInner(area, layout.side, marks.size(), inner.size());
    const bool innerGaveWay =
        AddMarks(inner, innerBox, frame.largestMark, TextRole::InnerMark, focus, false, layout);
    AddMarks(marks, outerBox, frame.largestMark, TextRole::Mark, focus, innerGaveWay, layout);
}

// Where an arrow into a sign stops, so its head covers neither the sign's
// marks nor its caption: the edge of the box round both when that lies
// within the cell (the South Indian name above the marks), else of the
// marks' box (the North Indian number by the middle stays under a halo).
Outline TextArea(const SignPlace& place) {
    const Outline both = OutlineOf(Around(place.caption.box, place.marksBox));
    const bool within = std::all_of(both.begin(), both.end(), [&place](Point corner) {
        return Encloses(place.outline, corner);
    });
    return within ? both : OutlineOf(place.marksBox);
}

void AddArrows(const ChartFrame& frame, const ChartFocus& focus, int focusSign,
               ChartLayout& layout) {
    for (int sign = 0; sign < SIGN_COUNT; ++sign) {
        if (!focus.aspected.signs.test(sign)) {
            continue;
        }
        const SignPlace& from = frame.signs[focusSign];
        const SignPlace& to = frame.signs[sign];
        const double head = ARROW_HEAD * layout.side;
        const ArrowShape shape{
            {layout.side / 2, layout.side / 2}, ARROW_BOW, SHORTEST_ARROW * head, head};
        ChartArrow arrow = MakeArrow({from.outline, from.anchor}, {TextArea(to), to.anchor}, shape);
        arrow.fromSign = focusSign;
        arrow.toSign = sign;
        layout.arrows.push_back(arrow);
    }
}

}  // namespace

ChartLayout LayOutChart(const ChartContent& content, ChartStyle style,
                        const std::optional<ChartFocus>& focus, double side) {
    const ChartFrame frame = style == ChartStyle::NorthIndian && content.lagnaSign
                                 ? NorthIndianFrame(*content.lagnaSign, side)
                                 : SouthIndianFrame(content, side);
    const std::optional<int> focusSign = focus ? SignOfBody(content, focus->body) : std::nullopt;
    ChartLayout layout;
    layout.side = side;
    layout.areas = frame.otherAreas;
    layout.strokes = frame.strokes;
    layout.texts = frame.otherTexts;
    for (int sign = 0; sign < SIGN_COUNT; ++sign) {
        layout.areas.push_back({frame.signs[sign].outline, RoleOf(sign, focus, focusSign), sign});
        layout.texts.push_back(frame.signs[sign].caption);
        AddMarksOfSign(content, focus, frame, sign, layout);
    }
    if (focusSign) {
        AddArrows(frame, *focus, *focusSign, layout);
    }
    return layout;
}

std::optional<int> BodyAt(const ChartLayout& layout, Point point) {
    for (const ChartText& text : layout.texts) {
        if (text.body && text.box.Contains(point)) {
            return text.body;
        }
    }
    return std::nullopt;
}

}  // namespace sarovin
