#include "links/web_page.h"

#include <gtest/gtest.h>

#include "tests/support/recording_platform_services.h"

namespace sarovin {
namespace {

struct PageCase {
    WebPage page;
    const char* address;
};

const PageCase PAGES[] = {
    {WebPage::OnlineHelp, "https://sarovin.example.org/sarovin-help.html"},
    {WebPage::HomePage, "https://www.example.com/"},
    {WebPage::DownloadPage, "https://sarovin.example.org/download-sarovin.html"},
    {WebPage::DonationPage, "https://help.example.com/donate.html"},
    {WebPage::FullBrandInfo, "https://help.example.com/fully-branded.html"},
    {WebPage::CoBrandInfo, "https://help.example.com/co-brand.html"},
};

TEST(OpenWebPage, OpensExactlyThePageAddressAndSaysNothingWhenThatFails) {
    for (bool browserWorks : {true, false}) {
        for (const PageCase& c : PAGES) {
            testing::RecordingPlatformServices platform;
            platform.browserWorks = browserWorks;
            OpenWebPage(platform, c.page);
            ASSERT_EQ(platform.openedAddresses.size(), 1u) << c.address;
            EXPECT_EQ(platform.openedAddresses[0].toString().toStdString(), c.address);
            EXPECT_EQ(WebPageAddress(c.page).toString().toStdString(), c.address);
            EXPECT_TRUE(platform.messages.empty()) << c.address;
        }
    }
}

}  // namespace
}  // namespace sarovin
