#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

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

// `font`, made smaller until `text` fits in `box` on `device` with the
// alignment and wrapping of `flags`.
FittedText FitText(const QPaintDevice* device, const QRectF& box, const QString& text, QFont font,
                   int flags);

// The height `text` takes when wrapped to `width` in `font` on `device`.
double WrappedHeight(const QPaintDevice* device, double width, const QString& text,
                     const QFont& font);

}  // namespace sarovin
