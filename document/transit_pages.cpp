#include "document/transit_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "document/chart_palette.h"
#include "document/print_text.h"
#include "document/transit_painter.h"
#include "timeline/transit_timeline.h"

namespace sarovin {

namespace {

// The timeline is laid out this wide and scaled to the page's width less
// its margins.
constexpr double LAYOUT_WIDTH = 1000;
constexpr double MARGIN_SHARE = 0.05;
constexpr double HEADING_LINES = 3;
// The plot is laid out a third as high as it is wide.
constexpr double PLOT_HEIGHT = LAYOUT_WIDTH / 3;

}  // namespace

bool PaintTransitPages(QPainter& painter, QPagedPaintDevice& device, const TransitPrint& print,
                       const QRectF& page) {
    const double margin = page.width() * MARGIN_SHARE;
    const double scale = (page.width() - 2 * margin) / LAYOUT_WIDTH;
    const double headingHeight = HEADING_LINES * TIMELINE_ROW_HEIGHT * scale;
    const TimelineLayout whole = LayOutTimeline(print.events, print.points, print.dasha, print.from,
                                                print.to, print.today, LAYOUT_WIDTH);
    const double room = (page.height() - 2 * margin - headingHeight) / scale - whole.laneHeight;
    const int rowsPerPage = static_cast<int>(std::floor(room / whole.rowHeight)) - 2;
    const std::vector<TimelineLayout> pages = TimelinePages(whole, rowsPerPage);
    for (std::size_t index = 0; index < pages.size(); ++index) {
        if (index > 0 && !device.newPage()) {
            return false;
        }
        painter.save();
        painter.setPen(chart_colours::INK);
        painter.setFont(FontOfHeight(painter.font(), TIMELINE_ROW_HEIGHT * scale * 0.8, &device));
        painter.drawText(QRectF(margin, margin, page.width() - 2 * margin, headingHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         QString::fromStdString(print.heading));
        painter.translate(margin, margin + headingHeight);
        painter.scale(scale, scale);
        PaintTimeline(painter, pages[index], nullptr, ChartColours{}, AxisLabels::Under);
        painter.restore();
    }
    if (print.samples.empty()) {
        return true;
    }
    if (!device.newPage()) {
        return false;
    }
    painter.save();
    painter.translate(margin, margin);
    painter.scale(scale, scale);
    PaintStrengthPlot(
        painter,
        LayOutStrengthPlot(print.samples, print.from, print.to, print.today, print.threshold,
                           LAYOUT_WIDTH, PLOT_HEIGHT, print.plotTitle),
        ChartColours{});
    painter.restore();
    return true;
}

}  // namespace sarovin
