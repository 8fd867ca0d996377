#include "chart/chart_layout.h"

#include "chart/chart_arrow.h"
#include "chart/mark_grid.h"
#include "chart/north_indian_frame.h"
#include "chart/south_indian_frame.h"

namespace sarovin {

namespace {

// The arrow heads' length, as a share of the chart's side, how many head
// lengths an arrow reaches into the sign it aspects, and how far it bows
// towards the middle of the chart.
constexpr double ARROW_HEAD = 0.03;
constexpr double ARROW_REACH = 2;
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

void AddMarksOfSign(const ChartContent& content, const std::optional<ChartFocus>& focus,
                    const ChartFrame& frame, int sign, ChartLayout& layout) {
    std::vector<const ChartMark*> marks;
    for (const ChartMark& mark : content.marks) {
        if (mark.sign == sign) {
            marks.push_back(&mark);
        }
    }
    const MarkGrid grid =
        ArrangeMarks(frame.signs[sign].marksBox, static_cast<int>(marks.size()), frame.largestMark);
    for (std::size_t index = 0; index < marks.size(); ++index) {
        const ChartMark& mark = *marks[index];
        ChartText text;
        text.box = grid.boxes[index];
        text.text = mark.label;
        text.size = grid.letterHeight;
        text.emphasis = EmphasisOf(mark, focus);
        text.sign = sign;
        if (mark.body != LAGNA_MARK) {
            text.body = mark.body;
        }
        layout.texts.push_back(std::move(text));
    }
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
            {layout.side / 2, layout.side / 2}, ARROW_BOW, ARROW_REACH * head, head};
        ChartArrow arrow = MakeArrow({from.outline, from.anchor}, {to.outline, to.anchor}, shape);
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
