#include "links/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "atlas/place_search.h"
#include "links/link_label.h"
#include "links/program_icon.h"
#include "links/program_texts.h"
#include "links/web_page.h"
#include "platform/qt_text.h"

namespace sarovin {

namespace {

const char HOME_PAGE_LINK[] = "Click here to visit %1";

constexpr int BOX_WIDTH = 460;
constexpr int ICON_SIZE = 64;
constexpr qreal TITLE_SCALE = 1.4;
// Extra room between the paragraphs of the text column.
constexpr int PARAGRAPH_GAP = 8;

QLabel* AddText(QVBoxLayout* column, const QString& objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    column->addWidget(label);
    return label;
}

QLabel* CreateIcon() {
    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(ProgramIconPixmap(ICON_SIZE, icon->devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return icon;
}

}  // namespace

AboutBox::AboutBox(PlatformServices& platform, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramCaption());
    setWindowModality(Qt::ApplicationModal);

    auto* texts = new QVBoxLayout;
    QLabel* title = AddText(texts, QStringLiteral("Label2"), ProgramCaption());
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * TITLE_SCALE);
    title->setFont(titleFont);
    AddText(texts, QStringLiteral("Label1"), ToQString(PROGRAM_INTRODUCTION));
    texts->addSpacing(PARAGRAPH_GAP);
    AddText(texts, QStringLiteral("Label3"), ToQString(FULL_BRAND_OFFER));
    // Named for co-branding, yet it offers the fully branded program.
    auto* brandingLink = new LinkLabel(ToQString(MORE_DETAILS_LINK));
    brandingLink->setObjectName(QStringLiteral("lblCoBrand"));
    texts->addWidget(brandingLink);
    texts->addSpacing(PARAGRAPH_GAP);
    const QString homeAddress = WebPageAddress(WebPage::HomePage).toString();
    auto* homeLink = new LinkLabel(ToQString(HOME_PAGE_LINK).arg(homeAddress));
    homeLink->setObjectName(QStringLiteral("lblHomePage"));
    texts->addWidget(homeLink);
    texts->addSpacing(PARAGRAPH_GAP);
    AddText(texts, QStringLiteral("lblLicense"), ToQString(LICENSE_NOTICE));
    AddText(texts, QStringLiteral("lblSwissCredit"), ToQString(SWISS_EPHEMERIS_CREDIT));
    AddText(texts, QStringLiteral("lblPlaceCredit"), ToQString(PLACE_DATA_CREDIT));

    auto* content = new QHBoxLayout;
    content->addWidget(CreateIcon(), 0, Qt::AlignTop);
    content->addLayout(texts, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addStretch();
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(brandingLink, &LinkLabel::activated, this,
            [&platform] { OpenWebPage(platform, WebPage::FullBrandInfo); });
    connect(homeLink, &LinkLabel::activated, this,
            [&platform] { OpenWebPage(platform, WebPage::HomePage); });

    setFixedSize(BOX_WIDTH, layout->totalHeightForWidth(BOX_WIDTH));
    // Enter on a fresh box closes it rather than opening a link.
    ok->setFocus();
}

void ShowAboutBox(QWidget* parent, PlatformServices& platform) {
    // Guarded, since closing the parent while the box runs deletes the box with it.
    QPointer<AboutBox> box = new AboutBox(platform, parent);
    box->exec();
    delete box;
}

}  // namespace sarovin
