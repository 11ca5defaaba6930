#pragma once
// A small painting surface for the sheet generator: colour plus an opaque flag per pixel, filled
// with simple shapes. Sprites are painted on a transparent canvas and then written into a sheet
// as an image cell (white where transparent) and a mask cell (black where opaque), so the pair
// always agrees; tiles and pictures are painted fully opaque and copied as they are.

#include <cstdint>
#include <functional>
#include <type_traits>
#include <vector>

#include "platform/surface.h"

namespace sheets {

using platform::Color;
using platform::Surface;

constexpr Color Rgb(int r, int g, int b) {
  return (static_cast<Color>(r) << 16) | (static_cast<Color>(g) << 8) | static_cast<Color>(b);
}
// Mixes a towards b by t (0 gives a, 1 gives b).
Color Mix(Color a, Color b, double t);
inline Color Lighten(Color c, double t) { return Mix(c, 0xFFFFFF, t); }
inline Color Darken(Color c, double t) { return Mix(c, 0x000000, t); }

// Repeatable noise in [0, 1): a hash of the position, and a smooth version between grid points.
double Noise(int x, int y, uint32_t seed);
double SmoothNoise(double x, double y, uint32_t seed);

struct Pt {
  double x, y;
};

// The colour a shape is filled with: one colour, or one computed from the pixel position.
class Paint {
 public:
  Paint(Color c) : solid_(c) {}  // NOLINT(google-explicit-constructor)
  template <typename F>
  requires std::is_invocable_r_v<Color, F, int, int> Paint(F f)
      : fn_(std::move(f)) {}  // NOLINT(google-explicit-constructor)
  Color At(int x, int y) const { return fn_ ? fn_(x, y) : solid_; }

 private:
  Color solid_ = 0;
  std::function<Color(int, int)> fn_;
};

// Shading in three tones, lit from the upper left, for a round part centred on (cx, cy).
Paint Ball(Color base, double cx, double cy, double radius);
// Straight blends from one colour to another between two rows or two columns.
Paint VGradient(Color top, Color bottom, double y0, double y1);
Paint HGradient(Color left, Color right, double x0, double x1);

// No rim: shapes drawn without a border line.
constexpr Color kNoRim = 0xFF000000u;

class Canvas {
 public:
  Canvas(int width, int height);
  static Canvas Filled(int width, int height, Color c);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  bool Opaque(int x, int y) const { return Inside(x, y) && on_[Index(x, y)] != 0; }
  Color At(int x, int y) const { return px_[Index(x, y)]; }
  void Set(int x, int y, Color c) {
    if (!Inside(x, y)) return;
    px_[Index(x, y)] = c;
    on_[Index(x, y)] = 1;
  }
  void Erase(int x, int y) {
    if (Inside(x, y)) on_[Index(x, y)] = 0;
  }
  // Blends c over the pixel with weight alpha (0..1); a transparent pixel simply takes c.
  void Blend(int x, int y, Color c, double alpha);

  // Shapes cover the pixels whose centres lie inside them. With a rim colour, the pixels of the
  // shape that touch its outside (4-neighbours) take the rim colour instead.
  void Rect(double x, double y, double w, double h, const Paint& paint, Color rim = kNoRim);
  void Ellipse(double cx, double cy, double rx, double ry, const Paint& paint, Color rim = kNoRim);
  void Circle(double cx, double cy, double r, const Paint& paint, Color rim = kNoRim) {
    Ellipse(cx, cy, r, r, paint, rim);
  }
  void Polygon(const std::vector<Pt>& points, const Paint& paint, Color rim = kNoRim);
  // A thick line with round ends.
  void Capsule(Pt a, Pt b, double radius, const Paint& paint, Color rim = kNoRim);
  // A one-pixel line.
  void Line(Pt a, Pt b, Color c);

  // Any shape given by a test on pixel centres, within the box [x0, x1) x [y0, y1).
  template <typename InsideFn>
  void Fill(int x0, int y0, int x1, int y1, InsideFn inside, const Paint& paint, Color rim);

  // Makes every transparent pixel next to an opaque one (4-neighbours) opaque in colour c.
  void Outline(Color c);
  // Draws the opaque pixels of src with its top-left corner at (x, y).
  void Draw(const Canvas& src, int x, int y);
  Canvas Mirrored() const;

  // Writes the canvas into a sheet: the image at (ix, iy), white where transparent, and the mask
  // at (mx, my), black where opaque and white elsewhere.
  void PutSprite(Surface& sheet, int ix, int iy, int mx, int my) const;
  // Writes the canvas as an opaque picture (transparent pixels become white).
  void PutPicture(Surface& sheet, int x, int y) const;

 private:
  size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  int width_, height_;
  std::vector<Color> px_;
  std::vector<uint8_t> on_;
};

template <typename InsideFn>
void Canvas::Fill(int x0, int y0, int x1, int y1, InsideFn inside, const Paint& paint, Color rim) {
  if (x0 < 0) x0 = 0;
  if (y0 < 0) y0 = 0;
  if (x1 > width_) x1 = width_;
  if (y1 > height_) y1 = height_;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      if (!inside(px, py)) continue;
      const bool edge = rim != kNoRim && (!inside(px - 1, py) || !inside(px + 1, py) ||
                                          !inside(px, py - 1) || !inside(px, py + 1));
      Set(x, y, edge ? rim : paint.At(x, y));
    }
  }
}

}  // namespace sheets
