#include <gtest/gtest.h>
#include <QStackedLayout>
#include <memory>

#include "links/about_box.h"
#include "links/link_label.h"
#include "links/promotion_panel.h"
#include "tests/links/link_activation.h"
#include "tests/support/recording_platform_services.h"

namespace sarovin {
namespace {

using testing::Activation;

std::unique_ptr<QWidget> MakePanel(PlatformServices& platform) {
    return std::make_unique<PromotionPanel>(platform);
}

std::unique_ptr<QWidget> MakeAboutBox(PlatformServices& platform) {
    return std::make_unique<AboutBox>(platform);
}

struct LinkCase {
    std::unique_ptr<QWidget> (*makeWindow)(PlatformServices&);
    const char* objectName;
    const char* text;
    const char* address;
};

const LinkCase LINKS[] = {
    {MakePanel, "lblFullBrand",
     "Home Business Opportunity. Start your own Internet business and make money online. Get "
     "this software fully branded for your website. Click here for more details.",
     "https://help.example.com/fully-branded.html"},
    {MakePanel, "lblCobrand",
     "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
     "site's name &  link here. See \"Help\" for details. Click Here for more info on co-branding.",
     "https://help.example.com/co-brand.html"},
    {MakePanel, "Label8", "Join our astrology discussion forum at www.example.com",
     "https://www.example.com/"},
    // The About box's co-branding link offers the fully branded program.
    {MakeAboutBox, "lblCoBrand", "Click here for more details.",
     "https://help.example.com/fully-branded.html"},
    {MakeAboutBox, "lblHomePage", "Click here to visit https://www.example.com/",
     "https://www.example.com/"},
};

// The co-branding offer waits behind the fully branded one until brought forward.
void BringToFront(LinkLabel& link) {
    if (auto* stack = qobject_cast<QStackedLayout*>(link.parentWidget()->layout())) {
        stack->setCurrentWidget(&link);
    }
}

TEST(ClickableLinks, EachOpensExactlyItsPageAndLeavesTheWindowOpen) {
    for (const LinkCase& c : LINKS) {
        testing::RecordingPlatformServices platform;
        const std::unique_ptr<QWidget> window = c.makeWindow(platform);
        auto* link = window->findChild<LinkLabel*>(QString::fromLatin1(c.objectName));
        ASSERT_NE(link, nullptr) << c.objectName;
        EXPECT_EQ(link->text().toStdString(), c.text) << c.objectName;
        BringToFront(*link);
        ASSERT_TRUE(testing::ShowActive(*window)) << c.objectName;
        for (Activation how : testing::ALL_ACTIVATIONS) {
            const std::string context = std::string(c.objectName) + " by " + Describe(how);
            platform.openedAddresses.clear();
            testing::Activate(*link, how);
            ASSERT_EQ(platform.openedAddresses.size(), 1u) << context;
            EXPECT_EQ(platform.openedAddresses[0].toString().toStdString(), c.address) << context;
            EXPECT_TRUE(window->isVisible()) << context;
        }
        EXPECT_TRUE(platform.messages.empty()) << c.objectName;
    }
}

TEST(ClickableLinks, ABrowserThatFailsChangesNothing) {
    for (const LinkCase& c : LINKS) {
        testing::RecordingPlatformServices platform;
        platform.browserWorks = false;
        const std::unique_ptr<QWidget> window = c.makeWindow(platform);
        auto* link = window->findChild<LinkLabel*>(QString::fromLatin1(c.objectName));
        ASSERT_NE(link, nullptr) << c.objectName;
        BringToFront(*link);
        ASSERT_TRUE(testing::ShowActive(*window)) << c.objectName;
        testing::Activate(*link, Activation::Click);
        EXPECT_EQ(platform.openedAddresses.size(), 1u) << c.objectName;
        EXPECT_TRUE(platform.messages.empty()) << c.objectName;
        EXPECT_TRUE(window->isVisible() && link->isVisible()) << c.objectName;
        EXPECT_EQ(link->text().toStdString(), c.text) << c.objectName;
    }
}

}  // namespace
}  // namespace sarovin
