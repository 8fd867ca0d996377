#include "chart/chart_arrow.h"

#include <algorithm>
#include <cmath>

namespace sarovin {

namespace {

// The head is this much as wide on each side of the shaft as it is long.
constexpr double HEAD_HALF_WIDTH = 0.4;
// Steps along the curve when looking for where it crosses an edge, and
// halvings to find the crossing within a step.
constexpr int STEPS = 200;
constexpr int HALVINGS = 30;

Point Mix(Point a, Point b, double share) {
    return {a.x + (b.x - a.x) * share, a.y + (b.y - a.y) * share};
}

double Distance(Point a, Point b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// A quadratic curve from `start` to `end` drawn towards `control`.
struct Curve {
    Point start;
    Point control;
    Point end;

    Point At(double t) const { return Mix(Mix(start, control, t), Mix(control, end, t), t); }
    // The control point of the part of the curve between `t0` and `t1`.
    Point ControlBetween(double t0, double t1) const {
        return Mix(Mix(start, control, t0), Mix(control, end, t0), t1);
    }
    Point Direction(double t) const {
        const Point a = Mix(start, control, t);
        const Point b = Mix(control, end, t);
        const double length = Distance(a, b);
        return {(b.x - a.x) / length, (b.y - a.y) / length};
    }
};

// Narrows the step from `before` to `after`, across which the curve's
// being inside `outline` turns to `inside`, down to the crossing; gives
// the end of the narrowed step that lies inside.
double Narrowed(const Curve& curve, const Outline& outline, double before, double after,
                bool inside) {
    for (int halving = 0; halving < HALVINGS; ++halving) {
        const double middle = (before + after) / 2;
        if (Encloses(outline, curve.At(middle)) == inside) {
            after = middle;
        } else {
            before = middle;
        }
    }
    return inside ? after : before;
}

// The first t after `from` at which the curve's being inside `outline`
// turns to `inside`; 1 when it never does.
double Crossing(const Curve& curve, const Outline& outline, double from, bool inside) {
    double before = from;
    for (int step = 1; step <= STEPS; ++step) {
        const double after = from + (1 - from) * step / STEPS;
        if (Encloses(outline, curve.At(after)) == inside) {
            return Narrowed(curve, outline, before, after, inside);
        }
        before = after;
    }
    return 1;
}

// The t before `to` from which the curve is `length` long up to `to`, or 0.
double Before(const Curve& curve, double to, double length) {
    double gone = 0;
    Point last = curve.At(to);
    for (int step = 1; step <= STEPS; ++step) {
        const double t = to * (1 - static_cast<double>(step) / STEPS);
        gone += Distance(last, curve.At(t));
        last = curve.At(t);
        if (gone >= length) {
            return t;
        }
    }
    return 0;
}

}  // namespace

ChartArrow MakeArrow(const ArrowEnd& from, const ArrowEnd& to, const ArrowShape& shape) {
    const Point halfway = Mix(from.anchor, to.anchor, 0.5);
    const Curve curve{from.anchor, Mix(halfway, shape.middle, shape.bow), to.anchor};
    const double leaving = Crossing(curve, from.outline, 0, false);
    const double end = Crossing(curve, to.outline, leaving, true);
    const double start = std::min(leaving, Before(curve, end, shape.shortest));
    ChartArrow arrow;
    arrow.from = curve.At(start);
    arrow.control = curve.ControlBetween(start, end);
    arrow.to = curve.At(end);
    const Point forward = curve.Direction(end);
    const Point base{arrow.to.x - forward.x * shape.headLength,
                     arrow.to.y - forward.y * shape.headLength};
    const double side = HEAD_HALF_WIDTH * shape.headLength;
    arrow.head = {arrow.to, Point{base.x - forward.y * side, base.y + forward.x * side},
                  Point{base.x + forward.y * side, base.y - forward.x * side}};
    return arrow;
}

}  // namespace sarovin
