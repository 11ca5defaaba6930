#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace sheets {

Color Mix(Color a, Color b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  Color out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    out |= static_cast<Color>(std::lround(ca + (cb - ca) * t)) << shift;
  }
  return out;
}

double Noise(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B9u ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^
               static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return (h & 0xFFFFFF) / 16777216.0;
}

double SmoothNoise(double x, double y, uint32_t seed) {
  const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  const double fx = x - ix, fy = y - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double top = Noise(ix, iy, seed) + (Noise(ix + 1, iy, seed) - Noise(ix, iy, seed)) * sx;
  const double bottom =
      Noise(ix, iy + 1, seed) + (Noise(ix + 1, iy + 1, seed) - Noise(ix, iy + 1, seed)) * sx;
  return top + (bottom - top) * sy;
}

Paint Ball(Color base, double cx, double cy, double radius) {
  const Color light = Lighten(base, 0.28), dark = Darken(base, 0.28);
  return [=](int x, int y) {
    const double t = ((x + 0.5 - cx) * -0.6 + (y + 0.5 - cy) * -0.8) / radius;
    if (t > 0.45) return light;
    if (t < -0.4) return dark;
    return base;
  };
}

Paint VGradient(Color top, Color bottom, double y0, double y1) {
  return [=](int, int y) { return Mix(top, bottom, (y + 0.5 - y0) / (y1 - y0)); };
}

Paint HGradient(Color left, Color right, double x0, double x1) {
  return [=](int x, int) { return Mix(left, right, (x + 0.5 - x0) / (x1 - x0)); };
}

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      px_(static_cast<size_t>(width) * height, 0xFFFFFF),
      on_(static_cast<size_t>(width) * height, 0) {}

Canvas Canvas::Filled(int width, int height, Color c) {
  Canvas canvas(width, height);
  std::fill(canvas.px_.begin(), canvas.px_.end(), c);
  std::fill(canvas.on_.begin(), canvas.on_.end(), 1);
  return canvas;
}

void Canvas::Blend(int x, int y, Color c, double alpha) {
  if (!Inside(x, y) || alpha <= 0) return;
  Set(x, y, Opaque(x, y) ? Mix(At(x, y), c, alpha) : c);
}

void Canvas::Rect(double x, double y, double w, double h, const Paint& paint, Color rim) {
  Fill(
      static_cast<int>(std::floor(x)) - 1, static_cast<int>(std::floor(y)) - 1,
      static_cast<int>(std::ceil(x + w)) + 1, static_cast<int>(std::ceil(y + h)) + 1,
      [=](double px, double py) { return px >= x && px < x + w && py >= y && py < y + h; }, paint,
      rim);
}

void Canvas::Ellipse(double cx, double cy, double rx, double ry, const Paint& paint, Color rim) {
  if (rx <= 0 || ry <= 0) return;
  Fill(
      static_cast<int>(std::floor(cx - rx)) - 1, static_cast<int>(std::floor(cy - ry)) - 1,
      static_cast<int>(std::ceil(cx + rx)) + 2, static_cast<int>(std::ceil(cy + ry)) + 2,
      [=](double px, double py) {
        const double dx = (px - cx) / rx, dy = (py - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
      },
      paint, rim);
}

void Canvas::Polygon(const std::vector<Pt>& points, const Paint& paint, Color rim) {
  if (points.size() < 3) return;
  double minX = points[0].x, maxX = minX, minY = points[0].y, maxY = minY;
  for (const Pt& p : points) {
    minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
    minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
  }
  Fill(
      static_cast<int>(std::floor(minX)) - 1, static_cast<int>(std::floor(minY)) - 1,
      static_cast<int>(std::ceil(maxX)) + 2, static_cast<int>(std::ceil(maxY)) + 2,
      [&points](double px, double py) {
        bool in = false;
        for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
          const Pt& a = points[i];
          const Pt& b = points[j];
          if ((a.y > py) != (b.y > py) && px < (b.x - a.x) * (py - a.y) / (b.y - a.y) + a.x) {
            in = !in;
          }
        }
        return in;
      },
      paint, rim);
}

void Canvas::Capsule(Pt a, Pt b, double radius, const Paint& paint, Color rim) {
  const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
  Fill(
      static_cast<int>(std::floor(std::min(a.x, b.x) - radius)) - 1,
      static_cast<int>(std::floor(std::min(a.y, b.y) - radius)) - 1,
      static_cast<int>(std::ceil(std::max(a.x, b.x) + radius)) + 2,
      static_cast<int>(std::ceil(std::max(a.y, b.y) + radius)) + 2,
      [=](double px, double py) {
        double t = len2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / len2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        const double ex = a.x + t * dx - px, ey = a.y + t * dy - py;
        return ex * ex + ey * ey <= radius * radius;
      },
      paint, rim);
}

void Canvas::Line(Pt a, Pt b, Color c) {
  const int steps = static_cast<int>(std::ceil(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y))));
  for (int i = 0; i <= steps; ++i) {
    const double t = steps ? static_cast<double>(i) / steps : 0;
    Set(static_cast<int>(std::floor(a.x + (b.x - a.x) * t)),
        static_cast<int>(std::floor(a.y + (b.y - a.y) * t)), c);
  }
}

void Canvas::Outline(Color c) {
  std::vector<uint8_t> was = on_;
  auto opaqueBefore = [&](int x, int y) { return Inside(x, y) && was[Index(x, y)] != 0; };
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (was[Index(x, y)]) continue;
      if (opaqueBefore(x - 1, y) || opaqueBefore(x + 1, y) || opaqueBefore(x, y - 1) ||
          opaqueBefore(x, y + 1)) {
        Set(x, y, c);
      }
    }
  }
}

void Canvas::Draw(const Canvas& src, int x, int y) {
  for (int sy = 0; sy < src.height_; ++sy) {
    for (int sx = 0; sx < src.width_; ++sx) {
      if (src.Opaque(sx, sy)) Set(x + sx, y + sy, src.At(sx, sy));
    }
  }
}

Canvas Canvas::Mirrored() const {
  Canvas out(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      out.px_[Index(width_ - 1 - x, y)] = px_[Index(x, y)];
      out.on_[Index(width_ - 1 - x, y)] = on_[Index(x, y)];
    }
  }
  return out;
}

namespace {

// Sheet pixels outside the sheet are skipped (Buri is a pixel narrower than its last cell);
// a visible pixel there would be lost, so that is an error in the drawing code.
bool OnSheet(const Surface& sheet, int x, int y, bool opaque) {
  if (x >= 0 && y >= 0 && x < sheet.Width() && y < sheet.Height()) return true;
  if (opaque) {
    throw std::runtime_error("a drawn pixel at (" + std::to_string(x) + ", " + std::to_string(y) +
                             ") lies outside the sheet");
  }
  return false;
}

}  // namespace

void Canvas::PutSprite(Surface& sheet, int ix, int iy, int mx, int my) const {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const bool opaque = on_[Index(x, y)] != 0;
      if (OnSheet(sheet, ix + x, iy + y, opaque)) {
        sheet.Set(ix + x, iy + y, opaque ? px_[Index(x, y)] : platform::kWhite);
      }
      if (OnSheet(sheet, mx + x, my + y, opaque)) {
        sheet.Set(mx + x, my + y, opaque ? platform::kBlack : platform::kWhite);
      }
    }
  }
}

void Canvas::PutPicture(Surface& sheet, int x, int y) const {
  for (int sy = 0; sy < height_; ++sy) {
    for (int sx = 0; sx < width_; ++sx) {
      if (!OnSheet(sheet, x + sx, y + sy, true)) continue;
      sheet.Set(x + sx, y + sy, on_[Index(sx, sy)] ? px_[Index(sx, sy)] : platform::kWhite);
    }
  }
}

}  // namespace sheets
