#pragma once
// Points, sizes and rectangles in pixels for the panel core, which builds without Qt. They
// follow Qt's conventions (right() and bottom() are the last pixel inside) and convert to and
// from any type shaped like QPoint, QSize or QRect, so the Qt side passes its own types in and
// gets them back without a conversion call. They have no operators of their own, so that a
// comparison or a sum with a Qt type has one meaning: Qt's.
#include <algorithm>
#include <concepts>

namespace panelhost {

template <class T>
concept PointLike = requires(const T& p) {
  { p.x() } -> std::convertible_to<int>;
  { p.y() } -> std::convertible_to<int>;
}
&&!requires(const T& p) {
  p.width();
};

template <class T>
concept SizeLike = requires(const T& s) {
  { s.width() } -> std::convertible_to<int>;
  { s.height() } -> std::convertible_to<int>;
}
&&!requires(const T& s) {
  s.x();
};

template <class T>
concept RectLike = requires(const T& r) {
  { r.x() } -> std::convertible_to<int>;
  { r.width() } -> std::convertible_to<int>;
};

struct Point {
  int px = 0;
  int py = 0;

  constexpr Point() = default;
  constexpr Point(int x, int y) : px(x), py(y) {}
  template <PointLike P>
  constexpr Point(const P& p) : px(p.x()), py(p.y()) {}
  template <class P>
  requires std::constructible_from<P, int, int> && PointLike<P>
  constexpr operator P() const { return P(px, py); }

  constexpr int x() const { return px; }
  constexpr int y() const { return py; }
};

struct Size {
  int w = -1;  // an invalid size, as Qt's default
  int h = -1;

  constexpr Size() = default;
  constexpr Size(int width, int height) : w(width), h(height) {}
  template <SizeLike S>
  constexpr Size(const S& s) : w(s.width()), h(s.height()) {}
  template <class S>
  requires std::constructible_from<S, int, int> && SizeLike<S>
  constexpr operator S() const { return S(w, h); }

  constexpr int width() const { return w; }
  constexpr int height() const { return h; }
  constexpr bool isEmpty() const { return w < 1 || h < 1; }
};

struct Rect {
  int rx = 0;
  int ry = 0;
  int w = 0;
  int h = 0;

  constexpr Rect() = default;
  constexpr Rect(int x, int y, int width, int height) : rx(x), ry(y), w(width), h(height) {}
  constexpr Rect(Point topLeft, Size size) : Rect(topLeft.x(), topLeft.y(), size.w, size.h) {}
  template <RectLike R>
  constexpr Rect(const R& r) : Rect(r.x(), r.y(), r.width(), r.height()) {}
  template <class R>
  requires std::constructible_from<R, int, int, int, int> && RectLike<R>
  constexpr operator R() const { return R(rx, ry, w, h); }

  constexpr int x() const { return rx; }
  constexpr int y() const { return ry; }
  constexpr int width() const { return w; }
  constexpr int height() const { return h; }
  constexpr int left() const { return rx; }
  constexpr int top() const { return ry; }
  constexpr int right() const { return rx + w - 1; }
  constexpr int bottom() const { return ry + h - 1; }
  constexpr Point topLeft() const { return {rx, ry}; }
  constexpr Point topRight() const { return {right(), ry}; }
  constexpr Point bottomLeft() const { return {rx, bottom()}; }
  constexpr Point bottomRight() const { return {right(), bottom()}; }
  constexpr Size size() const { return {w, h}; }
  constexpr bool isEmpty() const { return w < 1 || h < 1; }
  // As Qt does: a rectangle of negative width or height counts as its normalised self.
  constexpr bool contains(Point p) const {
    const auto inside = [](int v, int first, int last) {
      return last < first - 1 ? v >= last && v <= first : v >= first && v <= last;
    };
    return inside(p.x(), rx, right()) && inside(p.y(), ry, bottom());
  }
  constexpr Rect translated(int dx, int dy) const { return {rx + dx, ry + dy, w, h}; }
  constexpr bool isNull() const { return w == 0 && h == 0; }
  // The smallest rectangle holding both, each normalised; a null one adds nothing (Qt's |).
  constexpr Rect united(const Rect& o) const {
    if (isNull()) return o;
    if (o.isNull()) return *this;
    const int l = std::min({rx, right(), o.rx, o.right()});
    const int t = std::min({ry, bottom(), o.ry, o.bottom()});
    const int r = std::max({rx, right(), o.rx, o.right()});
    const int b = std::max({ry, bottom(), o.ry, o.bottom()});
    return {l, t, r - l + 1, b - t + 1};
  }
  constexpr bool intersects(const Rect& o) const {
    return !isEmpty() && !o.isEmpty() && rx <= o.right() && o.rx <= right() && ry <= o.bottom() &&
           o.ry <= bottom();
  }
};

}  // namespace panelhost
