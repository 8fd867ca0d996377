#include "links/link_label.h"

#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "tests/links/link_activation.h"

namespace sarovin {
namespace {

class LinkLabelTest : public ::testing::Test {
  protected:
    LinkLabelTest() { window_.resize(300, 100); }

    QWidget window_;
    LinkLabel* label_ = new LinkLabel(QStringLiteral("Click here for more details."), &window_);
    QSignalSpy activations_{label_, &LinkLabel::activated};
};

TEST_F(LinkLabelTest, IgnoresOtherButtonsAndKeys) {
    ASSERT_TRUE(testing::ShowActive(window_));
    QTest::mouseClick(label_, Qt::RightButton);
    QTest::mouseClick(label_, Qt::MiddleButton);
    label_->setFocus();
    for (Qt::Key key : {Qt::Key_A, Qt::Key_Down, Qt::Key_Escape, Qt::Key_F1}) {
        QTest::keyClick(label_, key);
    }
    EXPECT_EQ(activations_.count(), 0);
}

TEST_F(LinkLabelTest, ClickCountsOnlyWhenReleasedOnTheLabel) {
    ASSERT_TRUE(testing::ShowActive(window_));
    QTest::mousePress(label_, Qt::LeftButton);
    QTest::mouseRelease(label_, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(activations_.count(), 0);
    // A press that began elsewhere is not a click on the label either.
    QTest::mouseRelease(label_, Qt::LeftButton);
    EXPECT_EQ(activations_.count(), 0);
}

TEST_F(LinkLabelTest, DrawsTheTextInThePaletteLinkColour) {
    QPalette palette = label_->palette();
    palette.setColor(QPalette::Link, Qt::red);
    palette.setColor(QPalette::WindowText, Qt::green);
    palette.setColor(QPalette::Text, Qt::green);
    label_->setPalette(palette);
    label_->resize(label_->sizeHint());
    const QImage image = label_->grab().toImage();
    int reddish = 0;
    int greenish = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            reddish += pixel.red() > 200 && pixel.green() < 80 ? 1 : 0;
            greenish += pixel.green() > 200 && pixel.red() < 80 ? 1 : 0;
        }
    }
    EXPECT_GT(reddish, 0);
    EXPECT_EQ(greenish, 0);
}

}  // namespace
}  // namespace sarovin
