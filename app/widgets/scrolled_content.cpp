#include "app/widgets/scrolled_content.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace sarovin {

QWidget* ScrolledContent(QWidget* page) {
    auto* content = new QWidget;
    auto* scroller = new QScrollArea(page);
    scroller->setObjectName(QStringLiteral("scr") + page->objectName());
    scroller->setWidget(content);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    // Tab passes through to the controls, and the area scrolls to show
    // the one that takes the focus.
    scroller->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
    return content;
}

}  // namespace sarovin
