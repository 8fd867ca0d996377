#include "links/promotion_panel.h"

#include <gtest/gtest.h>
#include <QStackedLayout>
#include <QTest>

#include "links/link_label.h"
#include "tests/links/link_activation.h"
#include "tests/support/recording_platform_services.h"

namespace sarovin {
namespace {

TEST(PromotionPanel, ShowsTheFullBrandOfferInFrontAndTabSkipsTheOneBehind) {
    testing::RecordingPlatformServices platform;
    PromotionPanel panel(platform);
    EXPECT_EQ(panel.objectName(), "PromotionPanel");
    auto* fullBrand = panel.findChild<LinkLabel*>(QStringLiteral("lblFullBrand"));
    auto* coBrand = panel.findChild<LinkLabel*>(QStringLiteral("lblCobrand"));
    auto* forum = panel.findChild<LinkLabel*>(QStringLiteral("Label8"));
    ASSERT_TRUE(fullBrand != nullptr && coBrand != nullptr && forum != nullptr);
    EXPECT_EQ(fullBrand->parentWidget()->objectName(), "fraFullBrand");
    EXPECT_EQ(coBrand->parentWidget(), fullBrand->parentWidget());

    ASSERT_TRUE(testing::ShowActive(panel));
    EXPECT_TRUE(fullBrand->isVisible());
    EXPECT_FALSE(coBrand->isVisible());
    fullBrand->setFocus();
    QTest::keyClick(fullBrand, Qt::Key_Tab);
    EXPECT_TRUE(forum->hasFocus());
}

}  // namespace
}  // namespace sarovin
