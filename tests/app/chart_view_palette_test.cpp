#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>
#include <algorithm>

#include "app/tabs/chart_view.h"

namespace sarovin {
namespace {

struct PaletteCase {
    const char* what;
    QColor base;
    QColor text;
};

// The Sun alone in Mesha, the second cell of the South Indian chart's top
// row; Vrishabha beside it is empty.
ChartContent SunInAries() {
    ChartContent content;
    content.marks = {{0, "Su 10\u00B000'", Sun, "Su"}};
    return content;
}

int Lightness(const QImage& image, QPointF point) {
    return QColor(image.pixel(point.toPoint())).lightness();
}

// The chart's paper is the palette's base and its ink the palette's text:
// black on white in a light palette, light on dark in a dark one.
TEST(ChartViewPalette, PaperAndInkFollowThePalette) {
    const PaletteCase cases[] = {
        {"light", QColor(0xff, 0xff, 0xff), QColor(0x00, 0x00, 0x00)},
        {"dark", QColor(0x1e, 0x1e, 0x1e), QColor(0xe8, 0xe8, 0xe8)},
    };
    static const std::array<DrishtiRow, GRAHA_ROWS> graha{};
    static const std::array<DrishtiRow, RASHI_ROWS> rashi{};
    for (const PaletteCase& c : cases) {
        SCOPED_TRACE(c.what);
        ChartView view;
        QPalette palette = view.palette();
        palette.setColor(QPalette::Base, c.base);
        palette.setColor(QPalette::Text, c.text);
        view.setPalette(palette);
        view.resize(336, 336);
        view.ShowChart(SunInAries(), graha, rashi);
        QImage image(view.size(), QImage::Format_RGB32);
        view.render(&image);
        const ChartLayout layout = view.CurrentLayout();
        const QPointF corner = view.ChartCorner();
        const double cell = layout.side / 4;
        const int paper = Lightness(image, corner + QPointF(2.5 * cell, 0.7 * cell));
        EXPECT_NEAR(paper, c.base.lightness(), 2);
        int farthest = 0;
        const auto sun = std::find_if(layout.texts.begin(), layout.texts.end(),
                                      [](const ChartText& text) { return text.body == Sun; });
        ASSERT_NE(sun, layout.texts.end());
        const Box& mark = sun->box;
        for (double x = mark.left; x < mark.Right(); ++x) {
            for (double y = mark.top; y < mark.Bottom(); ++y) {
                farthest = std::max(farthest, std::abs(Lightness(image, corner + QPointF(x, y)) -
                                                       c.base.lightness()));
            }
        }
        // Ink at least two thirds of the way from the paper to the text.
        EXPECT_GT(farthest, 2 * std::abs(c.text.lightness() - c.base.lightness()) / 3);
    }
}

}  // namespace
}  // namespace sarovin
