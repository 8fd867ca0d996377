#include "links/promotion_panel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QStackedLayout>

#include "links/link_label.h"
#include "links/program_texts.h"
#include "links/web_page.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

const char CO_BRAND_OFFER[] =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. "
    "Put your site's name &  link here. See \"Help\" for details. "
    "Click Here for more info on co-branding.";
const char FORUM_INVITATION[] = "Join our astrology discussion forum at %1";

// The offers take the larger share of the width; the invitation is short.
constexpr int OFFER_STRETCH = 3;
constexpr int INVITATION_STRETCH = 1;

}  // namespace

PromotionPanel::PromotionPanel(PlatformServices& platform, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PromotionPanel"));

    auto* offers = new QFrame(this);
    offers->setObjectName(QStringLiteral("fraFullBrand"));
    auto* fullBrand = new LinkLabel(QStringLiteral("%1 %2").arg(QLatin1String(FULL_BRAND_OFFER),
                                                                QLatin1String(MORE_DETAILS_LINK)),
                                    offers);
    fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    auto* coBrand = new LinkLabel(ToQString(CO_BRAND_OFFER), offers);
    coBrand->setObjectName(QStringLiteral("lblCobrand"));
    // Only the widget in front of a stacked layout is shown.
    auto* stack = new QStackedLayout(offers);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(fullBrand);
    stack->addWidget(coBrand);
    stack->setCurrentWidget(fullBrand);

    const QString forumHost = WebPageAddress(WebPage::HomePage).host();
    auto* forum = new LinkLabel(ToQString(FORUM_INVITATION).arg(forumHost), this);
    forum->setObjectName(QStringLiteral("Label8"));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(offers, OFFER_STRETCH);
    layout->addWidget(forum, INVITATION_STRETCH);

    const auto openOnActivation = [this, &platform](LinkLabel* label, WebPage page) {
        connect(label, &LinkLabel::activated, this,
                [&platform, page] { OpenWebPage(platform, page); });
    };
    openOnActivation(fullBrand, WebPage::FullBrandInfo);
    openOnActivation(coBrand, WebPage::CoBrandInfo);
    openOnActivation(forum, WebPage::HomePage);
}

}  // namespace sarovin
