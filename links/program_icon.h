#pragma once

#include <QIcon>
#include <QPixmap>

namespace sarovin {

// The program's icon: a golden eight-pointed star held by a thin crescent
// on a deep indigo tile. Drawn rather than loaded, so it is sharp at any size.
QIcon ProgramIcon();

// The icon as a square of `size` logical pixels for a screen with the given
// device pixel ratio.
QPixmap ProgramIconPixmap(int size, qreal devicePixelRatio);

}  // namespace sarovin
