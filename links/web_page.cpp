#include "links/web_page.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

constexpr char SCHEME[] = "https";
constexpr char PROGRAM_SITE[] = "sarovin.example.org";
constexpr char MAKER_HOME_SITE[] = "www.example.com";
constexpr char MAKER_HELP_SITE[] = "help.example.com";
// The web search that shows a person the coordinates of a place.
constexpr char PLACE_SEARCH_SITE[] = "duckduckgo.com";

struct PageLocation {
    const char* host;
    const char* path;
};

PageLocation LocationOf(WebPage page) {
    switch (page) {
        case WebPage::OnlineHelp:
            return {PROGRAM_SITE, "/sarovin-help.html"};
        case WebPage::HomePage:
            return {MAKER_HOME_SITE, "/"};
        case WebPage::DownloadPage:
            return {PROGRAM_SITE, "/download-sarovin.html"};
        case WebPage::DonationPage:
            return {MAKER_HELP_SITE, "/donate.html"};
        case WebPage::FullBrandInfo:
            return {MAKER_HELP_SITE, "/fully-branded.html"};
        case WebPage::CoBrandInfo:
            return {MAKER_HELP_SITE, "/co-brand.html"};
    }
    return {MAKER_HOME_SITE, "/"};
}

}  // namespace

QUrl WebPageAddress(WebPage page) {
    const PageLocation location = LocationOf(page);
    QUrl address;
    address.setScheme(ToQString(SCHEME));
    address.setHost(ToQString(location.host));
    address.setPath(ToQString(location.path));
    return address;
}

QUrl PlaceSearchAddress(const QString& query) {
    QUrl address;
    address.setScheme(ToQString(SCHEME));
    address.setHost(ToQString(PLACE_SEARCH_SITE));
    address.setPath(QStringLiteral("/"));
    // Every character but the unreserved ones is encoded, '+' included,
    // which a search would otherwise read as a space.
    address.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(query)));
    return address;
}

void OpenWebPage(PlatformServices& platform, WebPage page) {
    // The result is dropped on purpose: a failure is silent.
    static_cast<void>(platform.OpenAddress(WebPageAddress(page)));
}

}  // namespace sarovin
