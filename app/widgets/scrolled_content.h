#pragma once

class QWidget;

namespace sarovin {

// The widget a page's content is laid out on, inside a scroll area that
// fills `page`: on a small screen or at a large scale the content scrolls
// within its page, while the tab strip and the buttons around the page
// stay in view. The scroll area is named "scr" and the page's name.
QWidget* ScrolledContent(QWidget* page);

}  // namespace sarovin
