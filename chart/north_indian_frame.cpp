#include "chart/north_indian_frame.h"

#include <algorithm>
#include <string>

namespace sarovin {

namespace {

constexpr int HOUSE_COUNT = 12;

// A house in the square of side 1: its outline, the box its marks share
// and the middle of its sign number.
struct HouseShape {
    Outline outline;
    Box marks;
    Point number;
};

// Houses 1 to 3; each further three are these turned a quarter round.
// Corners of the square, middles of its sides, its centre and the points
// where the diagonals cross the inner diamond.
HouseShape FirstHouse(int index) {
    constexpr Point TOP_LEFT{0, 0}, TOP{0.5, 0}, LEFT{0, 0.5}, CENTRE{0.5, 0.5};
    constexpr Point INNER_TOP_LEFT{0.25, 0.25}, INNER_TOP_RIGHT{0.75, 0.25};
    switch (index) {
        case 0:
            return {{TOP, INNER_TOP_LEFT, CENTRE, INNER_TOP_RIGHT},
                    {0.365, 0.13, 0.27, 0.21},
                    {0.5, 0.415}};
        case 1:
            return {{TOP_LEFT, INNER_TOP_LEFT, TOP}, {0.125, 0.012, 0.25, 0.105}, {0.25, 0.18}};
        default:
            return {{TOP_LEFT, LEFT, INNER_TOP_LEFT}, {0.012, 0.125, 0.105, 0.25}, {0.18, 0.25}};
    }
}

// A quarter turn that takes the top side to the left side.
Point Turned(Point point) {
    return {point.y, 1 - point.x};
}

Box Turned(const Box& box) {
    const Point a = Turned(Point{box.left, box.top});
    const Point b = Turned(Point{box.Right(), box.Bottom()});
    const double left = std::min(a.x, b.x);
    const double top = std::min(a.y, b.y);
    return {left, top, std::max(a.x, b.x) - left, std::max(a.y, b.y) - top};
}

HouseShape Turned(HouseShape shape) {
    for (Point& corner : shape.outline) {
        corner = Turned(corner);
    }
    shape.marks = Turned(shape.marks);
    shape.number = Turned(shape.number);
    return shape;
}

HouseShape HouseShapeOf(int house) {
    HouseShape shape = FirstHouse((house - 1) % 3);
    for (int quarter = 0; quarter < (house - 1) / 3; ++quarter) {
        shape = Turned(shape);
    }
    return shape;
}

// Proportions of the square.
constexpr double NUMBER_WIDTH = 0.08;
constexpr double NUMBER_HEIGHT = 0.05;
constexpr double NUMBER_SIZE = 0.036;
constexpr double LARGEST_MARK = 0.04;

SignPlace SignPlaceOf(int house, int sign, double side) {
    const HouseShape shape = HouseShapeOf(house);
    ChartText number;
    number.box = Scaled(Box{shape.number.x - NUMBER_WIDTH / 2, shape.number.y - NUMBER_HEIGHT / 2,
                            NUMBER_WIDTH, NUMBER_HEIGHT},
                        side);
    number.text = std::to_string(sign + 1);
    number.role = TextRole::SignNumber;
    number.size = NUMBER_SIZE * side;
    number.sign = sign;
    const Box marks = Scaled(shape.marks, side);
    return {Scaled(shape.outline, side), marks, marks.Centre(), number};
}

}  // namespace

int HouseSign(int house, int lagnaSign) {
    return (lagnaSign + house - 1) % SIGN_COUNT;
}

ChartFrame NorthIndianFrame(int lagnaSign, double side) {
    ChartFrame frame;
    for (int house = 1; house <= HOUSE_COUNT; ++house) {
        const int sign = HouseSign(house, lagnaSign);
        frame.signs[sign] = SignPlaceOf(house, sign, side);
    }
    frame.largestMark = LARGEST_MARK * side;
    return frame;
}

}  // namespace sarovin
