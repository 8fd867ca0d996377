#include "document/chart_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "document/chart_palette.h"
#include "document/print_text.h"

namespace sarovin {

namespace {

// Widths of the lines as shares of the chart's side.
constexpr double LINE_WIDTH = 0.0035;
constexpr double ARROW_WIDTH = 0.006;
constexpr double CHOSEN_FRAME = 0.005;
constexpr double ASPECTED_FRAME = 0.003;

QPointF ToQPoint(Point point) {
    return {point.x, point.y};
}

QRectF ToQRect(const Box& box) {
    return {box.left, box.top, box.width, box.height};
}

QPolygonF ToQPolygon(const Outline& outline) {
    QPolygonF polygon;
    for (const Point corner : outline) {
        polygon << ToQPoint(corner);
    }
    return polygon;
}

QColor FillOf(AreaRole role) {
    switch (role) {
        case AreaRole::Aspecting:
            return chart_colours::ASPECTING;
        case AreaRole::Aspected:
            return chart_colours::ASPECTED;
        case AreaRole::Centre:
            return chart_colours::MIDDLE;
        case AreaRole::Plain:
            break;
    }
    return chart_colours::PAPER;
}

QPen LinePen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintAreas(QPainter& painter, const ChartLayout& layout) {
    painter.setPen(LinePen(chart_colours::LINES, LINE_WIDTH * layout.side));
    for (const ChartArea& area : layout.areas) {
        painter.setBrush(FillOf(area.role));
        painter.drawPolygon(ToQPolygon(area.outline));
    }
    for (const ChartStroke& stroke : layout.strokes) {
        painter.drawLine(ToQPoint(stroke.from), ToQPoint(stroke.to));
    }
}

// The shaft runs under the head to its tip with flat ends, so the head
// alone shapes the point.
void PaintArrows(QPainter& painter, const ChartLayout& layout) {
    const QPen shaft(chart_colours::ARROW, ARROW_WIDTH * layout.side, Qt::SolidLine, Qt::FlatCap);
    for (const ChartArrow& arrow : layout.arrows) {
        QPainterPath curve(ToQPoint(arrow.from));
        curve.quadTo(ToQPoint(arrow.control), ToQPoint(arrow.to));
        painter.setPen(shaft);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve);
        painter.setPen(Qt::NoPen);
        painter.setBrush(chart_colours::ARROW);
        painter.drawPolygon(ToQPolygon({arrow.head.begin(), arrow.head.end()}));
    }
}

QColor InkOf(TextRole role) {
    switch (role) {
        case TextRole::SignName:
            return chart_colours::QUIET_INK;
        case TextRole::InnerMark:
            return chart_colours::SECOND_CHART;
        default:
            return chart_colours::INK;
    }
}

int FlagsOf(TextRole role) {
    switch (role) {
        case TextRole::SignName:
            return Qt::AlignRight | Qt::AlignTop;
        case TextRole::Title:
            return Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap;
        case TextRole::Details:
            return Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
        case TextRole::SignNumber:
        case TextRole::Mark:
        case TextRole::InnerMark:
            break;
    }
    return Qt::AlignCenter;
}

QFont FontOf(const QPainter& painter, const ChartText& text) {
    QFont font = FontOfHeight(painter.font(), text.size, painter.device());
    font.setBold(text.role == TextRole::Title || text.role == TextRole::SignNumber ||
                 text.emphasis != Emphasis::Plain);
    return font;
}

// The chosen body sits in a filled frame, a body its aspect reaches in an
// outline: both in bold, so neither stands out by colour alone.
void PaintEmphasis(QPainter& painter, const ChartText& text, const QRectF& taken, double side) {
    const double margin = 0.15 * text.size;
    const QRectF frame = taken.adjusted(-margin, -margin / 2, margin, margin / 2);
    if (text.emphasis == Emphasis::Chosen) {
        painter.setPen(LinePen(chart_colours::INK, CHOSEN_FRAME * side));
        painter.setBrush(chart_colours::CHOSEN_MARK);
    } else {
        painter.setPen(LinePen(chart_colours::ARROW, ASPECTED_FRAME * side));
        painter.setBrush(Qt::NoBrush);
    }
    painter.drawRoundedRect(frame, margin, margin);
}

void PaintText(QPainter& painter, const ChartText& text, double side) {
    const QString words = QString::fromStdString(text.text);
    const QRectF box = ToQRect(text.box);
    const int flags = FlagsOf(text.role);
    const FittedText fitted = FitText(painter.device(), box, words, FontOf(painter, text), flags);
    if (text.emphasis != Emphasis::Plain) {
        PaintEmphasis(painter, text, fitted.rect, side);
    }
    painter.setPen(InkOf(text.role));
    painter.setFont(fitted.font);
    painter.drawText(box, flags, words);
}

}  // namespace

void PaintChart(QPainter& painter, const ChartLayout& layout) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintAreas(painter, layout);
    PaintArrows(painter, layout);
    for (const ChartText& text : layout.texts) {
        PaintText(painter, text, layout.side);
    }
    painter.restore();
}

}  // namespace sarovin
