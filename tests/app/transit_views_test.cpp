#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QTest>

#include "app/tabs/transit_views.h"
#include "app/widgets/overwrite_date_edit.h"
#include "engine/body_slot.h"

namespace sarovin {
namespace {

constexpr double FROM = 2460000.5;
constexpr double TO = 2460100.5;

struct PaletteCase {
    const char* what;
    QColor base;
    QColor text;
};

int LightnessAt(QWidget& view, QPoint point) {
    QImage image(view.size(), QImage::Format_RGB32);
    view.render(&image);
    return QColor(image.pixel(point)).lightness();
}

// The timeline's and the plot's paper is the palette's base, as the
// chart's: white in a light palette, dark in a dark one; until a row is
// chosen the plot says how to choose one.
TEST(TransitViews, TheTimelineAndThePlotFollowThePalette) {
    const PaletteCase cases[] = {
        {"light", QColor(0xff, 0xff, 0xff), QColor(0x00, 0x00, 0x00)},
        {"dark", QColor(0x1e, 0x1e, 0x1e), QColor(0xe8, 0xe8, 0xe8)},
    };
    const std::vector<NatalPoint> points = {{"Sun", 0}, {"Moon", 0}};
    const std::vector<TransitEvent> events = {{.kind = TransitKind::Graha,
                                               .transiting = Saturn,
                                               .natal = Moon,
                                               .start = FROM + 10,
                                               .end = FROM + 20}};
    for (const PaletteCase& c : cases) {
        SCOPED_TRACE(c.what);
        QPalette palette;
        palette.setColor(QPalette::Base, c.base);
        palette.setColor(QPalette::Text, c.text);
        TimelineView timeline;
        timeline.setPalette(palette);
        timeline.resize(600, 200);
        timeline.ShowEvents(events, points, std::nullopt, FROM, TO, FROM, {});
        EXPECT_NEAR(LightnessAt(timeline, QPoint(590, 190)), c.base.lightness(), 2);
        StrengthPlotView plot;
        plot.setPalette(palette);
        plot.resize(600, 200);
        EXPECT_NEAR(LightnessAt(plot, QPoint(5, 5)), c.base.lightness(), 2);
        plot.ShowSamples({{FROM, 10}, {TO, 50}}, FROM, TO, FROM + 50, 45, "Saturn on Moon");
        EXPECT_NEAR(LightnessAt(plot, QPoint(2, 2)), c.base.lightness(), 2);
    }
}

// Zoomed with Ctrl and the wheel, then panned by a drag, the timeline
// shows part of the span; "fit span" shows it whole again.
TEST(TransitViews, CtrlWheelZoomsAndDraggingPansWithinTheSpan) {
    TimelineView timeline;
    timeline.resize(1130, 200);
    timeline.show();
    timeline.ShowEvents({}, {{"Sun", 0}}, std::nullopt, FROM, TO, FROM, {});
    const QPointF middle(130 + 500, 50);
    QWheelEvent wheel(middle, timeline.mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&timeline, &wheel);
    // One notch zooms in by a fifth about the pointer: 80 days about day 50.
    EXPECT_DOUBLE_EQ(timeline.Shown().from, FROM + 10);
    EXPECT_DOUBLE_EQ(timeline.Shown().to, FROM + 90);
    // A drag of 100 units to the left, 8 days at 12.5 units a day, moves later.
    QTest::mousePress(&timeline, Qt::LeftButton, {}, QPoint(600, 50));
    QMouseEvent move(QEvent::MouseMove, QPointF(500, 50), timeline.mapToGlobal(QPointF(500, 50)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(&timeline, &move);
    QTest::mouseRelease(&timeline, Qt::LeftButton, {}, QPoint(500, 50));
    EXPECT_NEAR(timeline.Shown().from, FROM + 18, 1e-9);
    EXPECT_NEAR(timeline.Shown().to, FROM + 98, 1e-9);
    timeline.FitSpan();
    EXPECT_EQ(timeline.Shown(), (TimeWindow{FROM, TO}));
}

struct TypingCase {
    const char* what;
    int cursor;
    QString typed;
    QDate date;
};

// Digits typed go where the cursor stands, over the digit there, stepping
// over a separator; nothing needs selecting first.
TEST(TransitViews, TheDateBoxTakesDigitsWhereTheCursorIs) {
    const TypingCase cases[] = {
        {"the day's first digit", 8, "2", QDate(2026, 12, 28)},
        {"the month's last digit", 6, "1", QDate(2026, 11, 8)},
        {"from the separator into the month", 4, "0", QDate(2026, 2, 8)},
        {"the year's last two digits", 2, "31", QDate(2031, 12, 8)},
    };
    for (const TypingCase& c : cases) {
        OverwriteDateEdit box(QDate(2026, 12, 8));
        box.setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        box.setDateRange(QDate(1800, 1, 2), QDate(2399, 12, 31));
        box.show();
        box.findChild<QLineEdit*>()->deselect();
        box.findChild<QLineEdit*>()->setCursorPosition(c.cursor);
        QTest::keyClicks(&box, c.typed);
        EXPECT_EQ(box.date(), c.date) << c.what;
    }
}

}  // namespace
}  // namespace sarovin
