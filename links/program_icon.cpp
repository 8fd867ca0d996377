#include "links/program_icon.h"

#include "links/program_icon_engine.h"

namespace sarovin {

QIcon ProgramIcon() {
    return QIcon(new ProgramIconEngine);
}

QPixmap ProgramIconPixmap(int size, qreal devicePixelRatio) {
    return ProgramIcon().pixmap(QSize(size, size), devicePixelRatio);
}

}  // namespace sarovin
