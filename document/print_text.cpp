#include "document/print_text.h"

#include <QFontMetricsF>
#include <QPaintDevice>

namespace sarovin {

namespace {

// A text that does not fit is made this much smaller at each try, and
// never smaller than the last share of its size.
constexpr double SHRINK_STEP = 0.9;
constexpr double SMALLEST_SHARE = 0.3;
constexpr double POINTS_PER_INCH = 72.0;

QRectF Measured(const QFont& font, const QPaintDevice* device, const QRectF& box, int flags,
                const QString& text) {
    return QFontMetricsF(font, device).boundingRect(box, flags, text);
}

bool Fits(const QRectF& measured, const QRectF& box) {
    constexpr double SLACK = 0.5;
    return measured.width() <= box.width() + SLACK && measured.height() <= box.height() + SLACK;
}

}  // namespace

QFont FontOfHeight(QFont font, double height, const QPaintDevice* device) {
    font.setPointSizeF(height * POINTS_PER_INCH / device->logicalDpiY());
    return font;
}

FittedText FitText(const QPaintDevice* device, const QRectF& box, const QString& text, QFont font,
                   int flags) {
    const double smallest = font.pointSizeF() * SMALLEST_SHARE;
    QRectF measured = Measured(font, device, box, flags, text);
    while (!Fits(measured, box) && font.pointSizeF() * SHRINK_STEP >= smallest) {
        font.setPointSizeF(font.pointSizeF() * SHRINK_STEP);
        measured = Measured(font, device, box, flags, text);
    }
    return {font, measured};
}

double WrappedHeight(const QPaintDevice* device, double width, const QString& text,
                     const QFont& font) {
    constexpr double UNBOUNDED = 1e7;
    return Measured(font, device, QRectF(0, 0, width, UNBOUNDED), Qt::TextWordWrap, text).height();
}

}  // namespace sarovin
