#include "links/program_icon.h"

#include <gtest/gtest.h>
#include <QImage>

namespace sarovin {
namespace {

TEST(ProgramIcon, IsDrawnToEveryRequestedSize) {
    for (int size : {16, 32, 64, 256}) {
        const QPixmap pixmap = ProgramIcon().pixmap(QSize(size, size), 1.0);
        ASSERT_FALSE(pixmap.isNull()) << size;
        EXPECT_EQ(pixmap.size(), QSize(size, size)) << size;
        const QImage image = pixmap.toImage();
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
        // The rounded tile leaves its corners clear.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
    }
}

TEST(ProgramIcon, FillsEveryDevicePixelOnDenseScreens) {
    const QPixmap pixmap = ProgramIconPixmap(64, 2.0);
    EXPECT_EQ(pixmap.size(), QSize(128, 128));
    EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(qAlpha(pixmap.toImage().pixel(64, 64)), 255);
}

}  // namespace
}  // namespace sarovin
