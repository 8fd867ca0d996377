#pragma once

#include <QUrl>

#include "platform/platform_services.h"

namespace sarovin {

// The pages of the program's and its maker's sites that the program links to.
enum class WebPage {
    OnlineHelp,
    HomePage,  // the maker's home page, its astrology discussion forum
    DownloadPage,
    DonationPage,
    FullBrandInfo,  // selling the program under one's own brand
    CoBrandInfo,    // putting one's own site's name and link into the program
};

QUrl WebPageAddress(WebPage page);

// A web search for the text, to look up a birth place's coordinates.
QUrl PlaceSearchAddress(const QString& query);

// Asks the desktop to show the page in the default browser. A browser that
// cannot be started is not worth a message: the program carries on as before.
void OpenWebPage(PlatformServices& platform, WebPage page);

}  // namespace sarovin
