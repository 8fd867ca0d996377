#include "links/about_box.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/links/link_activation.h"
#include "tests/support/recording_platform_services.h"

namespace sarovin {
namespace {

struct TextCase {
    const char* objectName;
    const char* text;
};

const TextCase TEXTS[] = {
    {"Label2", "Sarovin v1.15"},
    {"Label1",
     "Sarovin calculates your aspects according to Vedic Astrology. This includes  Rashi "
     "Drishtis (Sign Aspects),  Graha Drishti (Planetary Aspects) and Sputa Drishti (Angular "
     "Aspects)."},
    {"Label3",
     "Home Business Opportunity. Start your own Internet business and make money online. Get "
     "this software fully branded for your website."},
    {"cmdOK", "OK"},
};

TEST(AboutBox, NamesTheLicenceAndTheWorksItIsBuiltOn) {
    testing::RecordingPlatformServices platform;
    AboutBox box(platform);
    const std::pair<const char*, const char*> credits[] = {
        {"lblLicense", "GNU Affero General Public License, version 3"},
        {"lblSwissCredit", "Swiss Ephemeris, \u00A9 Astrodienst AG"},
        {"lblPlaceCredit", "GeoNames"},
        {"lblPlaceCredit", "CC BY 4.0"},
    };
    for (const auto& [name, words] : credits) {
        auto* label = box.findChild<QLabel*>(QString::fromLatin1(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_TRUE(label->text().contains(QString::fromUtf8(words))) << name;
    }
}

constexpr int ICON_SIZE = 64;
// Long enough for a sanitizer build, short enough not to stall a broken run.
constexpr int CLOSING_DEADLINE_MS = 10000;

TEST(AboutBox, IsAModalBoxWithItsTextsAndTheIcon) {
    testing::RecordingPlatformServices platform;
    QWidget owner;
    AboutBox box(platform, &owner);
    EXPECT_EQ(box.objectName(), "frmAbout");
    EXPECT_EQ(box.windowTitle(), "Sarovin v1.15");
    EXPECT_TRUE(box.isModal());
    EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(box.isWindow());
    for (const TextCase& c : TEXTS) {
        QWidget* widget = box.findChild<QWidget*>(QString::fromLatin1(c.objectName));
        ASSERT_NE(widget, nullptr) << c.objectName;
        const QVariant text = widget->property("text");
        EXPECT_EQ(text.toString().toStdString(), c.text) << c.objectName;
    }
    auto* icon = box.findChild<QLabel*>(QStringLiteral("picIcon"));
    ASSERT_NE(icon, nullptr);
    ASSERT_FALSE(icon->pixmap().isNull());
    EXPECT_EQ(icon->pixmap().deviceIndependentSize().toSize(), QSize(ICON_SIZE, ICON_SIZE));
}

TEST(AboutBox, ReturnOnAFreshBoxPressesOk) {
    testing::RecordingPlatformServices platform;
    AboutBox box(platform);
    ASSERT_TRUE(testing::ShowActive(box));
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_TRUE(platform.openedAddresses.empty());
}

TEST(ShowAboutBox, RunsModallyUntilOkThenDeletesTheBox) {
    testing::RecordingPlatformServices platform;
    QWidget owner;
    bool clicked = false;
    QTimer::singleShot(0, &owner, [&] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->parentWidget(), &owner);
        auto* ok = box->findChild<QPushButton*>(QStringLiteral("cmdOK"));
        ASSERT_NE(ok, nullptr);
        QTest::mouseClick(ok, Qt::LeftButton);
        clicked = true;
    });
    // Should the click go astray, the box is closed anyway rather than hang the run.
    QTimer::singleShot(CLOSING_DEADLINE_MS, &owner, [] {
        if (QWidget* stuck = QApplication::activeModalWidget()) {
            stuck->close();
        }
    });
    ShowAboutBox(&owner, platform);
    EXPECT_TRUE(clicked);
    EXPECT_TRUE(owner.findChildren<AboutBox*>().isEmpty());
}

}  // namespace
}  // namespace sarovin
