// Shapes as signed distance functions: negative inside, positive outside, in pixels.
#pragma once

#include <array>
#include <functional>
#include <vector>

namespace artgen {

struct Vec2 {
  double x = 0, y = 0;
};

using Shape = std::function<double(Vec2)>;

Shape circle(Vec2 centre, double radius);

// A box from (left, top) to (right, bottom) with its corners rounded, clockwise from the
// top-left corner.
Shape roundedBox(double left, double top, double right, double bottom,
                 std::array<double, 4> cornerRadii);

// Connected line segments drawn with a round pen of the given width.
Shape stroke(std::vector<Vec2> points, double width);
// Points along an arc; angles in degrees, 0 pointing right, 90 pointing down.
std::vector<Vec2> arc(Vec2 centre, double radiusX, double radiusY, double fromDeg, double toDeg);

Shape unite(std::vector<Shape> parts);
// A union whose joins are filleted over about `blend` pixels.
Shape blendUnite(Shape a, Shape b, double blend);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape from, Shape cut);
Shape offset(Shape shape, Vec2 by);
Shape grow(Shape shape, double by);

// Unit vector pointing away from the shape at p.
Vec2 outwardNormal(const Shape& shape, Vec2 p);

}  // namespace artgen
