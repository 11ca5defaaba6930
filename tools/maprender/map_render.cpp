#include "map_render.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "event_codes.h"
#include "events/map_changes.h"

namespace maprender {

using platform::Color;
using platform::Surface;

namespace {

// Digits 0-9 in a 3 x 5 grid, one row of three bits per line, top first.
constexpr std::array<std::array<uint8_t, 5>, 10> kDigits = {{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 3, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

void Digits(Surface& s, int x, int y, int number, int scale, Color c) {
  const std::string text = std::to_string(number);
  for (char ch : text) {
    const auto& glyph = kDigits[static_cast<size_t>(ch - '0')];
    for (int row = 0; row < 5; ++row) {
      for (int col = 0; col < 3; ++col) {
        if (glyph[static_cast<size_t>(row)] & (4 >> col)) {
          s.FillRect(x + col * scale, y + row * scale, scale, scale, c);
        }
      }
    }
    x += 4 * scale;
  }
}

struct Arrival {
  int x, y;
};

// The cells the game puts the heroine on in this map: each map change's view plus her screen
// cell, and the two starts of the title screen (a new game on the field, a continued one in
// the town). The way back from the secret passage depends on where it opened and is left out.
std::vector<Arrival> ArrivalsIn(std::string_view name) {
  std::vector<Arrival> out;
  if (name == "01") out.push_back({97, 90});
  if (name == "03") out.push_back({9, 24});
  for (int code = 0; code < 256; ++code) {
    const korvela::MapChange* c = korvela::FindMapChange(static_cast<uint8_t>(code));
    if (!c || c->map != name || c->originFromReturn) continue;
    // Code 32 keeps her row from the field, where it is always 5.
    const int px = c->playerX == korvela::MapChange::kKeep ? 7 : c->playerX;
    const int py = c->playerY == korvela::MapChange::kKeep ? 5 : c->playerY;
    out.push_back({c->originX + px, c->originY + py});
  }
  return out;
}

}  // namespace

Color LabelColor(int code) {
  switch (mapc::KindOfEvent(code)) {
    case mapc::EventKind::MapChange:
      return 0x3070FF;
    case mapc::EventKind::Inn:
    case mapc::EventKind::SavePoint:
      return 0x30C040;
    case mapc::EventKind::EnemyTrigger:
      return 0xFF9020;
    case mapc::EventKind::BossTrigger:
      return 0xE02020;
    case mapc::EventKind::PickUp:
      return 0xF0E020;
    case mapc::EventKind::Ending:
      return 0xA040E0;
    case mapc::EventKind::Text:
      return 0xFFFFFF;
    default:
      return 0x808080;
  }
}

Surface RenderMap(const korvela::Game& g, std::string_view name, const Surface& sheet,
                  const RenderOptions& options) {
  const int side = g.MapSize + 1;
  Window w = options.window;
  if (w.width <= 0 || w.height <= 0) w = {0, 0, side, side};
  const int cell = std::max(1, options.cell);
  Surface out(w.width * cell, w.height * cell);

  auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < side && y < side; };
  for (int j = 0; j < w.height; ++j) {
    for (int i = 0; i < w.width; ++i) {
      const int x = w.x + i, y = w.y + j;
      if (!inside(x, y)) continue;
      const int t = g.MapLayer1(x, y);
      const int sx = (t % 16) * 32, sy = (t / 16) * 32;
      for (int py = 0; py < cell; ++py) {
        for (int px = 0; px < cell; ++px) {
          const int tx = sx + px * 32 / cell, ty = sy + py * 32 / cell;
          if (tx < sheet.Width() && ty < sheet.Height()) {
            out.Set(i * cell + px, j * cell + py, sheet.At(tx, ty));
          }
        }
      }
    }
  }

  // Labels: a dark box with the code in its colour when the cell is big enough to read, else
  // the cell's middle filled with the colour. Triggers also get a bar down their left edge.
  const int scale = cell >= 32 ? 2 : 1;
  for (int j = 0; j < w.height; ++j) {
    for (int i = 0; i < w.width; ++i) {
      const int x = w.x + i, y = w.y + j;
      if (!inside(x, y) || g.MapLayer2(x, y) == 0) continue;
      const int code = g.MapLayer2(x, y);
      const Color c = LabelColor(code);
      const int left = i * cell, top = j * cell;
      const mapc::EventKind kind = mapc::KindOfEvent(code);
      if (kind == mapc::EventKind::BossTrigger || kind == mapc::EventKind::PickUp ||
          kind == mapc::EventKind::Ending) {
        out.FillRect(left, top, std::max(1, cell / 8), cell, c);
      }
      const int digits = static_cast<int>(std::to_string(code).size());
      const int boxW = digits * 4 * scale + scale, boxH = 6 * scale + scale;
      if (cell >= 16) {
        out.FillRect(left + cell - boxW, top, boxW, boxH, 0x000000);
        Digits(out, left + cell - boxW + scale, top + scale, code, scale, c);
      } else {
        const int m = cell / 4;
        out.FillRect(left + m, top + m, cell - 2 * m, cell - 2 * m, c);
      }
    }
  }

  for (const Arrival& a : ArrivalsIn(name)) {
    const int i = a.x - w.x, j = a.y - w.y;
    if (i < 0 || j < 0 || i >= w.width || j >= w.height) continue;
    const int left = i * cell, top = j * cell;
    out.DrawBox(left, top, left + cell - 1, top + cell - 1, kArrivalColor);
    if (cell >= 8) out.DrawBox(left + 1, top + 1, left + cell - 2, top + cell - 2, kArrivalColor);
    for (int k = cell / 4; k < cell - cell / 4; ++k) {
      out.Set(left + k, top + k, kArrivalColor);
      out.Set(left + cell - 1 - k, top + k, kArrivalColor);
    }
  }
  return out;
}

}  // namespace maprender
