#include <QAction>

#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

using testing::WindowTest;

struct MenuPage {
    const char* action;
    const char* address;
};

const MenuPage MENU_PAGES[] = {
    {"mnuOnline", "https://sarovin.example.org/sarovin-help.html"},
    {"mnuVisit", "https://www.example.com/"},
    {"mnuUpdate", "https://sarovin.example.org/download-sarovin.html"},
    {"mnuDonate", "https://help.example.com/donate.html"},
};

TEST_F(WindowTest, EachHelpAndDonateEntryOpensExactlyItsPage) {
    for (const bool browserWorks : {true, false}) {
        platform.browserWorks = browserWorks;
        for (const MenuPage& page : MENU_PAGES) {
            const std::string context =
                std::string(page.action) + (browserWorks ? "" : " (browser fails)");
            platform.openedAddresses.clear();
            Find<QAction>(QString::fromLatin1(page.action))->trigger();
            ASSERT_EQ(platform.openedAddresses.size(), 1u) << context;
            EXPECT_EQ(platform.openedAddresses[0].toString().toStdString(), page.address)
                << context;
            // Nothing is said, not even when the browser cannot be started,
            // and the input stays in front.
            EXPECT_TRUE(platform.messages.empty()) << context;
            EXPECT_EQ(FrontPanelName(), "Frame1") << context;
            EXPECT_TRUE(window.isVisible()) << context;
        }
    }
}

TEST_F(WindowTest, MenuPagesOpenTheSameFromTheResults) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    ASSERT_EQ(FrontPanelName(), "Frame2");
    for (const MenuPage& page : MENU_PAGES) {
        platform.openedAddresses.clear();
        Find<QAction>(QString::fromLatin1(page.action))->trigger();
        ASSERT_EQ(platform.openedAddresses.size(), 1u) << page.action;
        EXPECT_EQ(platform.openedAddresses[0].toString().toStdString(), page.address)
            << page.action;
        EXPECT_EQ(FrontPanelName(), "Frame2") << page.action;
    }
}

}  // namespace
}  // namespace sarovin
