#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace artgen {

namespace {

double length(double x, double y) { return std::sqrt(x * x + y * y); }

double segmentDistance(Vec2 p, Vec2 a, Vec2 b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
  t = std::clamp(t, 0.0, 1.0);
  return length(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

Shape circle(Vec2 centre, double radius) {
  return [=](Vec2 p) { return length(p.x - centre.x, p.y - centre.y) - radius; };
}

Shape roundedBox(double left, double top, double right, double bottom,
                 std::array<double, 4> cornerRadii) {
  return [=](Vec2 p) {
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double halfW = (right - left) / 2, halfH = (bottom - top) / 2;
    const bool rightHalf = p.x > cx, lowerHalf = p.y > cy;
    const double r = lowerHalf ? (rightHalf ? cornerRadii[2] : cornerRadii[3])
                               : (rightHalf ? cornerRadii[1] : cornerRadii[0]);
    const double qx = std::abs(p.x - cx) - halfW + r;
    const double qy = std::abs(p.y - cy) - halfH + r;
    return length(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) - r;
  };
}

Shape stroke(std::vector<Vec2> points, double width) {
  return [points = std::move(points), width](Vec2 p) {
    double best = 1e9;
    for (std::size_t i = 0; i + 1 < points.size(); ++i)
      best = std::min(best, segmentDistance(p, points[i], points[i + 1]));
    if (points.size() == 1) best = length(p.x - points[0].x, p.y - points[0].y);
    return best - width / 2;
  };
}

std::vector<Vec2> arc(Vec2 centre, double radiusX, double radiusY, double fromDeg, double toDeg) {
  const int steps = std::max(2, static_cast<int>(std::abs(toDeg - fromDeg) / 6));
  std::vector<Vec2> points;
  for (int i = 0; i <= steps; ++i) {
    const double a = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi / 180;
    points.push_back({centre.x + radiusX * std::cos(a), centre.y + radiusY * std::sin(a)});
  }
  return points;
}

Shape unite(std::vector<Shape> parts) {
  return [parts = std::move(parts)](Vec2 p) {
    double best = 1e9;
    for (const Shape& part : parts) best = std::min(best, part(p));
    return best;
  };
}

Shape blendUnite(Shape a, Shape b, double blend) {
  return [=](Vec2 p) {
    const double da = a(p), db = b(p);
    const double h = std::clamp(0.5 + 0.5 * (db - da) / blend, 0.0, 1.0);
    return db + (da - db) * h - blend * h * (1 - h);
  };
}

Shape intersect(Shape a, Shape b) {
  return [=](Vec2 p) { return std::max(a(p), b(p)); };
}

Shape subtract(Shape from, Shape cut) {
  return [=](Vec2 p) { return std::max(from(p), -cut(p)); };
}

Shape offset(Shape shape, Vec2 by) {
  return [=](Vec2 p) { return shape({p.x - by.x, p.y - by.y}); };
}

Shape grow(Shape shape, double by) {
  return [=](Vec2 p) { return shape(p) - by; };
}

Vec2 outwardNormal(const Shape& shape, Vec2 p) {
  const double e = 0.25;
  const double dx = shape({p.x + e, p.y}) - shape({p.x - e, p.y});
  const double dy = shape({p.x, p.y + e}) - shape({p.x, p.y - e});
  const double n = length(dx, dy);
  return n > 0 ? Vec2{dx / n, dy / n} : Vec2{0, 0};
}

}  // namespace artgen
