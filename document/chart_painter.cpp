#include "document/chart_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "document/print_text.h"

namespace sarovin {

namespace {

// Widths of the lines as shares of the chart's side.
constexpr double LINE_WIDTH = 0.0035;
constexpr double ARROW_WIDTH = 0.006;
constexpr double CHOSEN_FRAME = 0.005;
constexpr double ASPECTED_FRAME = 0.003;
// The halo under a text crossed by arrows: how far it reaches beyond the
// text, in letter heights, and how much of the arrows it hides.
constexpr double HALO_MARGIN = 0.2;
constexpr double HALO_OPACITY = 0.8;

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

QColor FillOf(AreaRole role, const ChartColours& colours) {
    switch (role) {
        case AreaRole::Aspecting:
            return colours.aspecting;
        case AreaRole::Aspected:
            return colours.aspected;
        case AreaRole::Centre:
            return colours.middle;
        case AreaRole::Plain:
            break;
    }
    return colours.paper;
}

QPen LinePen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PaintAreas(QPainter& painter, const ChartLayout& layout, const ChartColours& colours) {
    painter.setPen(LinePen(colours.lines, LINE_WIDTH * layout.side));
    for (const ChartArea& area : layout.areas) {
        painter.setBrush(FillOf(area.role, colours));
        painter.drawPolygon(ToQPolygon(area.outline));
    }
    for (const ChartStroke& stroke : layout.strokes) {
        painter.drawLine(ToQPoint(stroke.from), ToQPoint(stroke.to));
    }
}

// The shaft runs under the head to its tip with flat ends, so the head
// alone shapes the point.
void PaintArrows(QPainter& painter, const ChartLayout& layout, const ChartColours& colours) {
    const QPen shaft(colours.arrow, ARROW_WIDTH * layout.side, Qt::SolidLine, Qt::FlatCap);
    for (const ChartArrow& arrow : layout.arrows) {
        QPainterPath curve(ToQPoint(arrow.from));
        curve.quadTo(ToQPoint(arrow.control), ToQPoint(arrow.to));
        painter.setPen(shaft);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(curve);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.arrow);
        painter.drawPolygon(ToQPolygon({arrow.head.begin(), arrow.head.end()}));
    }
}

QColor InkOf(TextRole role, const ChartColours& colours) {
    switch (role) {
        case TextRole::SignName:
            return colours.quietInk;
        case TextRole::InnerMark:
            return colours.secondChart;
        default:
            return colours.ink;
    }
}

// The fill under a text: its sign's, or the middle's for the middle texts.
QColor FillUnder(const ChartLayout& layout, const ChartText& text, const ChartColours& colours) {
    for (const ChartArea& area : layout.areas) {
        if (area.sign == text.sign) {
            return FillOf(area.role, colours);
        }
    }
    return colours.paper;
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
void PaintEmphasis(QPainter& painter, const ChartText& text, const QRectF& taken, double side,
                   const ChartColours& colours) {
    const double margin = 0.15 * text.size;
    const QRectF frame = taken.adjusted(-margin, -margin / 2, margin, margin / 2);
    if (text.emphasis == Emphasis::Chosen) {
        painter.setPen(LinePen(colours.ink, CHOSEN_FRAME * side));
        painter.setBrush(colours.chosenMark);
    } else {
        painter.setPen(LinePen(colours.arrow, ASPECTED_FRAME * side));
        painter.setBrush(Qt::NoBrush);
    }
    painter.drawRoundedRect(frame, margin, margin);
}

// A veil of the fill under a text, over the arrows, so a text an arrow
// crosses stays legible and the arrow still shows through.
void PaintHalo(QPainter& painter, const QRectF& taken, double size, const QColor& fill) {
    const double margin = HALO_MARGIN * size;
    QColor veil = fill;
    veil.setAlphaF(HALO_OPACITY);
    painter.setPen(Qt::NoPen);
    painter.setBrush(veil);
    painter.drawRoundedRect(taken.adjusted(-margin, 0, margin, 0), margin, margin);
}

void PaintText(QPainter& painter, const ChartLayout& layout, const ChartText& text,
               const ChartColours& colours) {
    const QString words = QString::fromStdString(text.text);
    const QRectF box = ToQRect(text.box);
    const int flags = FlagsOf(text.role);
    const FittedText fitted = FitText(painter.device(), box, words, FontOf(painter, text), flags);
    if (!layout.arrows.empty()) {
        PaintHalo(painter, fitted.rect, text.size, FillUnder(layout, text, colours));
    }
    if (text.emphasis != Emphasis::Plain) {
        PaintEmphasis(painter, text, fitted.rect, layout.side, colours);
    }
    painter.setPen(InkOf(text.role, colours));
    painter.setFont(fitted.font);
    painter.drawText(box, flags, words);
}

}  // namespace

void PaintChart(QPainter& painter, const ChartLayout& layout, const ChartColours& colours) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintAreas(painter, layout, colours);
    PaintArrows(painter, layout, colours);
    for (const ChartText& text : layout.texts) {
        PaintText(painter, layout, text, colours);
    }
    painter.restore();
}

}  // namespace sarovin
