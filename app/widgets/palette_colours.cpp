#include "app/widgets/palette_colours.h"

namespace sarovin {

namespace {

// A colour `share` of the way from `from` to `to`.
QColor Blend(const QColor& from, const QColor& to, double share) {
    return QColor::fromRgbF(
        static_cast<float>(from.redF() + (to.redF() - from.redF()) * share),
        static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * share),
        static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * share));
}

}  // namespace

ChartColours ColoursOf(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    ChartColours colours;
    if (base.lightnessF() >= text.lightnessF()) {
        return colours;
    }
    constexpr double TINT = 0.3;
    constexpr double LIGHTER = 0.45;
    colours.ink = text;
    colours.lines = Blend(base, text, 0.75);
    colours.quietInk = Blend(base, text, 0.7);
    colours.paper = base;
    colours.middle = palette.color(QPalette::AlternateBase);
    colours.aspecting = Blend(base, chart_colours::CHOSEN_MARK, TINT);
    colours.chosenMark = Blend(base, chart_colours::CHOSEN_MARK, 2 * TINT);
    colours.aspected = Blend(base, chart_colours::SECOND_CHART, 2 * TINT);
    colours.arrow = Blend(chart_colours::ARROW, Qt::white, LIGHTER);
    colours.secondChart = Blend(chart_colours::SECOND_CHART, Qt::white, LIGHTER);
    return colours;
}

}  // namespace sarovin
