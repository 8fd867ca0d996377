#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QPaintDevice;

namespace sarovin {

// `font` with letters `height` units of `device` tall, whatever the
// device's resolution.
QFont FontOfHeight(QFont font, double height, const QPaintDevice* device);

// A text made to fit its box: the font it is drawn in and the rectangle
// it takes.
struct FittedText {
    QFont font;
    QRectF rect;
};

// `font`, made smaller until `text` fits in `box` with the alignment and
// wrapping of `flags`.
FittedText FitText(const QPainter& painter, const QRectF& box, const QString& text, QFont font,
                   int flags);

// Draws `text` fitted in `box`; gives the rectangle the text took.
QRectF DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                      int flags);

// The height `text` takes when wrapped to `width` in `font` on the
// painter's device.
double WrappedHeight(const QPainter& painter, double width, const QString& text, const QFont& font);

}  // namespace sarovin
