#include "app/shell/window_size.h"

#include <QScreen>
#include <QTabBar>

#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

struct SizeCase {
    QSize available;
    QSize expected;
};

// The window is laid out for 900 x 640 and keeps 16 x 48 for its frame.
TEST(FirstWindowSize, FitsTheAvailableAreaWithItsFrame) {
    const SizeCase cases[] = {
        {{1920, 1040}, {900, 640}},  // a large screen: the laid-out size
        {{1024, 738}, {900, 640}},   // 1024 x 768 less a panel
        {{640, 488}, {624, 440}},    // 1280 x 1024 at twice the scale, less a panel
        {{1093, 590}, {900, 542}},   // 1366 x 768 at 125 %, less a panel
        {{10, 10}, {1, 1}},
    };
    for (const SizeCase& c : cases) {
        EXPECT_EQ(FirstWindowSize({900, 640}, c.available), c.expected) << c.available.width();
    }
}

TEST(CentredPosition, CentresTheFramedWindow) {
    EXPECT_EQ(CentredPosition({900, 640}, QRect(0, 30, 1024, 738)), QPoint(54, 55));
    EXPECT_EQ(CentredPosition({2000, 2000}, QRect(10, 20, 800, 600)), QPoint(10, 20));
}

using testing::WindowTest;

TEST_F(WindowTest, OpensWithinTheScreenAndCanShrinkBelowItsPanels) {
    const QRect available = window.screen()->availableGeometry();
    EXPECT_LE(window.width(), available.width());
    EXPECT_LE(window.height(), available.height());
    // 1280 x 1024 at twice the scale leaves about 640 x 480 for the window.
    EXPECT_LE(window.minimumSizeHint().width(), 640);
    EXPECT_LE(window.minimumSizeHint().height(), 480);
}

TEST_F(WindowTest, TheSputaTabDoesNotWidenTheWindow) {
    EnterDelhiBirth();
    Click("cmdCalculate");
    const QSize before = window.size();
    Find<QTabBar>(QStringLiteral("TS"))->setCurrentIndex(2);
    QApplication::processEvents();
    EXPECT_EQ(window.size(), before);
}

// Without the Swiss Ephemeris the keys pass over the disabled Houses and
// Transits tabs to the Dasha tab after them, over the disabled Strength and
// Ashtakavarga tabs to the Positions tab (the Compare tab is not in the
// strip without a comparison).
TEST_F(WindowTest, ControlTabAndControlPageKeysSwitchTheResultTabs) {
    constexpr int DASHA_TAB = 6;
    constexpr int POSITIONS_TAB = 9;
    EnterDelhiBirth();
    Click("cmdCalculate");
    auto* tabs = Find<QTabBar>(QStringLiteral("TS"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QWidget* save = Find<QWidget>(QStringLiteral("cmdSave"));
    save->setFocus();
    const std::pair<QKeyCombination, int> presses[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 2},
        {Qt::CTRL | Qt::Key_PageDown, 3},
        {Qt::CTRL | Qt::Key_PageDown, DASHA_TAB},
        {Qt::CTRL | Qt::Key_PageDown, POSITIONS_TAB},
        {Qt::CTRL | Qt::Key_PageDown, 0},
        {Qt::CTRL | Qt::Key_PageUp, POSITIONS_TAB},
        {Qt::CTRL | Qt::Key_PageUp, DASHA_TAB},
        {Qt::CTRL | Qt::Key_PageUp, 3},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 2},
    };
    for (const auto& [keys, tab] : presses) {
        QTest::keyClick(save, keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(tabs->currentIndex(), tab);
    }
    // From the links beneath the panels too.
    QWidget* forum = Find<QWidget>(QStringLiteral("Label8"));
    forum->setFocus();
    QTest::keyClick(forum, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 3);
}

TEST_F(WindowTest, TheKeyboardGoesOnFromTheResultTabs) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EnterDelhiBirth();
    Click("cmdCalculate");
    EXPECT_EQ(QApplication::focusWidget(), Find<QTabBar>(QStringLiteral("TS")));
}

}  // namespace
}  // namespace sarovin
