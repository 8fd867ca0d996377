#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "links/link_label.h"
#include "links/promotion_panel.h"
#include "tests/links/link_activation.h"
#include "tests/support/recording_platform_services.h"

namespace sarovin {
namespace {

// A window that counts the key presses its children leave to it, as a
// dialog's default button would take them.
class KeyCountingWindow : public QWidget {
  public:
    int keysReachingWindow = 0;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        ++keysReachingWindow;
        event->accept();
    }
    void keyReleaseEvent(QKeyEvent* event) override { event->accept(); }
};

struct HeldKey {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    const char* name;
};

const HeldKey HELD_KEYS[] = {
    {Qt::Key_Space, Qt::NoModifier, " ", "Space"},
    {Qt::Key_Return, Qt::NoModifier, "\r", "Return"},
    {Qt::Key_Enter, Qt::KeypadModifier, "\r", "Enter"},
};

constexpr int REPEATS = 5;

// Holds the key down: one first press, REPEATS auto-repeated presses (each
// with the release the platform sends between them), then the release.
void HoldKey(QWidget* target, const HeldKey& held) {
    const QString text = QString::fromLatin1(held.text);
    QTest::simulateEvent(target, true, held.key, held.modifiers, text, false);
    for (int i = 0; i < REPEATS; ++i) {
        QTest::simulateEvent(target, false, held.key, held.modifiers, text, true);
        QTest::simulateEvent(target, true, held.key, held.modifiers, text, true);
    }
    QTest::simulateEvent(target, false, held.key, held.modifiers, text, false);
}

TEST(LinkKeyRepeat, AHeldKeyActivatesTheLinkOnceAndNoRepeatReachesTheWindow) {
    for (const HeldKey& held : HELD_KEYS) {
        KeyCountingWindow window;
        window.resize(300, 100);
        auto* label = new LinkLabel(QStringLiteral("Click here for more details."), &window);
        QSignalSpy activations(label, &LinkLabel::activated);
        ASSERT_TRUE(testing::ShowActive(window)) << held.name;
        label->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(label->hasFocus()) << held.name;
        HoldKey(label, held);
        EXPECT_EQ(activations.count(), 1) << held.name;
        EXPECT_EQ(window.keysReachingWindow, 0) << held.name;
    }
}

TEST(LinkKeyRepeat, AHeldKeyOnAnOfferOpensItsPageOnce) {
    for (const HeldKey& held : HELD_KEYS) {
        testing::RecordingPlatformServices platform;
        PromotionPanel panel(platform);
        auto* link = panel.findChild<LinkLabel*>(QStringLiteral("Label8"));
        ASSERT_NE(link, nullptr);
        ASSERT_TRUE(testing::ShowActive(panel)) << held.name;
        link->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(link->hasFocus()) << held.name;
        HoldKey(link, held);
        ASSERT_EQ(platform.openedAddresses.size(), 1u) << held.name;
        EXPECT_EQ(platform.openedAddresses[0].toString().toStdString(), "https://www.example.com/")
            << held.name;
    }
}

}  // namespace
}  // namespace sarovin
