#include "chart/chart_geometry.h"

#include <algorithm>

#include <cstddef>

namespace sarovin {

Box Scaled(const Box& box, double factor) {
    return {box.left * factor, box.top * factor, box.width * factor, box.height * factor};
}

Point Scaled(Point point, double factor) {
    return {point.x * factor, point.y * factor};
}

Outline Scaled(const Outline& outline, double factor) {
    Outline scaled;
    scaled.reserve(outline.size());
    for (const Point point : outline) {
        scaled.push_back(Scaled(point, factor));
    }
    return scaled;
}

Box Inset(const Box& box, double margin) {
    return {box.left + margin, box.top + margin, box.width - 2 * margin, box.height - 2 * margin};
}

Box Around(const Box& a, const Box& b) {
    const double left = std::min(a.left, b.left);
    const double top = std::min(a.top, b.top);
    return {left, top, std::max(a.Right(), b.Right()) - left,
            std::max(a.Bottom(), b.Bottom()) - top};
}

Outline OutlineOf(const Box& box) {
    return {{box.left, box.top},
            {box.Right(), box.top},
            {box.Right(), box.Bottom()},
            {box.left, box.Bottom()}};
}

// Inside a convex outline the point lies on the same side of every edge.
bool Encloses(const Outline& outline, Point point) {
    constexpr double TOLERANCE = 1e-9;
    bool left = false;
    bool right = false;
    for (std::size_t index = 0; index < outline.size(); ++index) {
        const Point from = outline[index];
        const Point to = outline[(index + 1) % outline.size()];
        const double cross =
            (to.x - from.x) * (point.y - from.y) - (to.y - from.y) * (point.x - from.x);
        left = left || cross > TOLERANCE;
        right = right || cross < -TOLERANCE;
    }
    return !(left && right);
}

}  // namespace sarovin
