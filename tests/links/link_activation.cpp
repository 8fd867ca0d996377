#include "tests/links/link_activation.h"

#include <gtest/gtest.h>
#include <QTest>

namespace sarovin::testing {

std::string Describe(Activation how) {
    switch (how) {
        case Activation::Click:
            return "click";
        case Activation::Return:
            return "Return";
        case Activation::Enter:
            return "Enter";
        case Activation::Space:
            return "Space";
    }
    return "?";
}

bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void Activate(QWidget& target, Activation how) {
    if (how == Activation::Click) {
        QTest::mouseClick(&target, Qt::LeftButton);
        return;
    }
    target.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(target.hasFocus()) << target.objectName().toStdString();
    const Qt::Key key = how == Activation::Return  ? Qt::Key_Return
                        : how == Activation::Enter ? Qt::Key_Enter
                                                   : Qt::Key_Space;
    QTest::keyClick(&target, key);
}

}  // namespace sarovin::testing
