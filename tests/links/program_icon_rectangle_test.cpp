#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRect>

#include "links/program_icon.h"

namespace sarovin {
namespace {

// The smallest rectangle holding every pixel that is not fully transparent.
QRect DrawnArea(const QImage& image) {
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

bool NearlySame(QRgb a, QRgb b) {
    const int tolerance = 2;
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance && qAbs(qAlpha(a) - qAlpha(b)) <= tolerance;
}

QImage Drawn(const QIcon& icon, QSize size, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(size, 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

struct RectangleCase {
    QSize size;
    QPoint squareAt;  // where the square the icon fills begins
    int side;
};

// In a rectangle that is not square the icon keeps its shape: it fills the
// square of the shorter side, centred along the longer one.
const RectangleCase RECTANGLES[] = {
    {QSize(64, 32), QPoint(16, 0), 32},
    {QSize(32, 64), QPoint(0, 16), 32},
    {QSize(128, 48), QPoint(40, 0), 48},
    {QSize(48, 128), QPoint(0, 40), 48},
};

TEST(ProgramIconRectangle, IsTheSquareIconCentredAndNothingElse) {
    const QIcon icon = ProgramIcon();
    for (const RectangleCase& c : RECTANGLES) {
        const std::string context =
            std::to_string(c.size.width()) + "x" + std::to_string(c.size.height());
        const QImage image = Drawn(icon, c.size);
        ASSERT_EQ(image.size(), c.size) << context;
        const QImage square = Drawn(icon, QSize(c.side, c.side));
        const QRect squareArea(c.squareAt, QSize(c.side, c.side));
        int differing = 0;
        int drawnOutside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (squareArea.contains(x, y)) {
                    differing +=
                        NearlySame(pixel, square.pixel(x - c.squareAt.x(), y - c.squareAt.y())) ? 0
                                                                                                : 1;
                } else {
                    drawnOutside += qAlpha(pixel) != 0 ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(differing, 0) << context;
        EXPECT_EQ(drawnOutside, 0) << context;
        // Not stretched: the drawing is as wide as it is high, and centred.
        const QRect drawn = DrawnArea(image);
        EXPECT_LE(qAbs(drawn.width() - drawn.height()), 1) << context;
        EXPECT_LE(qAbs(drawn.left() - (image.width() - 1 - drawn.right())), 1) << context;
        EXPECT_LE(qAbs(drawn.top() - (image.height() - 1 - drawn.bottom())), 1) << context;
        EXPECT_EQ(qAlpha(image.pixel(c.size.width() / 2, c.size.height() / 2)), 255) << context;
    }
}

TEST(ProgramIconRectangle, PaintsOnlyInsideTheRectangleItIsGiven) {
    const QIcon icon = ProgramIcon();
    for (const QRect target : {QRect(10, 20, 64, 32), QRect(30, 5, 32, 64), QRect(7, 9, 40, 40)}) {
        const std::string context = std::to_string(target.x()) + "," + std::to_string(target.y()) +
                                    " " + std::to_string(target.width()) + "x" +
                                    std::to_string(target.height());
        QImage canvas(100, 100, QImage::Format_ARGB32_Premultiplied);
        canvas.fill(Qt::transparent);
        {
            QPainter painter(&canvas);
            icon.paint(&painter, target);
        }
        const QRect drawn = DrawnArea(canvas);
        ASSERT_FALSE(drawn.isEmpty()) << context;
        EXPECT_TRUE(target.contains(drawn)) << context;
        const int side = qMin(target.width(), target.height());
        EXPECT_GE(drawn.width(), side - 2) << context;
        EXPECT_GE(drawn.height(), side - 2) << context;
        EXPECT_LE(qAbs(drawn.center().x() - target.center().x()), 1) << context;
        EXPECT_LE(qAbs(drawn.center().y() - target.center().y()), 1) << context;
    }
}

// A disabled icon must look disabled: not the normal pixmap, never more
// opaque than it, drawn in the same place, and visibly fainter overall.
TEST(ProgramIconRectangle, TheDisabledIconIsFainterThanTheNormalOne) {
    const QIcon icon = ProgramIcon();
    for (const QSize size : {QSize(32, 32), QSize(64, 64), QSize(64, 32)}) {
        const std::string context =
            std::to_string(size.width()) + "x" + std::to_string(size.height());
        const QImage normal = Drawn(icon, size, QIcon::Normal);
        const QImage disabled = Drawn(icon, size, QIcon::Disabled);
        ASSERT_EQ(disabled.size(), size) << context;
        EXPECT_NE(disabled, normal) << context;
        long normalAlpha = 0;
        long disabledAlpha = 0;
        int moreOpaque = 0;
        int drawnWhereNormalIsClear = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const int a = qAlpha(normal.pixel(x, y));
                const int d = qAlpha(disabled.pixel(x, y));
                normalAlpha += a;
                disabledAlpha += d;
                moreOpaque += d > a ? 1 : 0;
                drawnWhereNormalIsClear += a == 0 && d != 0 ? 1 : 0;
            }
        }
        EXPECT_EQ(moreOpaque, 0) << context;
        EXPECT_EQ(drawnWhereNormalIsClear, 0) << context;
        EXPECT_GT(disabledAlpha, 0) << context;
        EXPECT_LT(disabledAlpha * 4, normalAlpha * 3) << context;
    }
}

}  // namespace
}  // namespace sarovin
