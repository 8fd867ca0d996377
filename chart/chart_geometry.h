#pragma once

#include <vector>

namespace sarovin {

// A point of a chart, x to the right and y downwards, in the units of the
// chart's side.
struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// An upright rectangle of a chart.
struct Box {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    Point Centre() const { return {left + width / 2, top + height / 2}; }
    bool Contains(Point point) const {
        return left <= point.x && point.x <= Right() && top <= point.y && point.y <= Bottom();
    }
    bool Contains(const Box& other) const {
        return Contains(Point{other.left, other.top}) &&
               Contains(Point{other.Right(), other.Bottom()});
    }

    friend bool operator==(const Box&, const Box&) = default;
};

// The corners of a cell or house, in order round its edge.
using Outline = std::vector<Point>;

Box Scaled(const Box& box, double factor);
Point Scaled(Point point, double factor);
Outline Scaled(const Outline& outline, double factor);
// The box with `margin` taken off each side.
Box Inset(const Box& box, double margin);
Outline OutlineOf(const Box& box);
// The smallest box holding both.
Box Around(const Box& a, const Box& b);
// True when `point` lies inside the convex `outline` or on its edge.
bool Encloses(const Outline& outline, Point point);

}  // namespace sarovin
