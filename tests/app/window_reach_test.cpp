#include <QTabBar>
#include <QTabWidget>

#include "tests/app/window_fixture.h"

namespace sarovin {
namespace {

using testing::WindowTest;

// Window sizes from the review: 900×640 and 1024×768 at scale 1, and
// 1920×1080 at scale 2, which lays out as 960×540 less the title bar and
// a panel.
const QSize SIZES[] = {{900, 640}, {1024, 768}, {960, 500}};

class ReachTest : public WindowTest {
  protected:
    // The control is on show whole: nothing of it cut by the window or by
    // a scrolled area it sits in.
    void ExpectWhole(const char* name, QSize size) {
        auto* widget = Find<QWidget>(QString::fromLatin1(name));
        EXPECT_TRUE(widget->isVisible()) << name;
        EXPECT_EQ(widget->visibleRegion().boundingRect(), widget->rect())
            << name << " at " << size.width() << "x" << size.height();
        const QRect inWindow(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(window.rect().contains(inWindow)) << name;
    }

    void ResizeTo(QSize size) {
        window.resize(size);
        QCoreApplication::processEvents();
        ASSERT_EQ(window.size(), size) << "the window cannot be made that small";
    }
};

TEST_F(ReachTest, TheCommandsAndTheTabStripStayInView) {
    for (const QSize size : SIZES) {
        ResizeTo(size);
        Click("cmdBack");
        ExpectWhole("cmdCalculate", size);
        ExpectWhole("cmdOpen", size);
        EnterDelhiBirth();
        Click("cmdCalculate");
        auto* tabs = window.findChild<QTabWidget*>();
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (!tabs->isTabVisible(tab) || !tabs->isTabEnabled(tab)) {
                continue;
            }
            tabs->setCurrentIndex(tab);
            QCoreApplication::processEvents();
            ExpectWhole("cmdSave", size);
            ExpectWhole("cmdBack", size);
            ExpectWhole("TS", size);
        }
    }
}

}  // namespace
}  // namespace sarovin
