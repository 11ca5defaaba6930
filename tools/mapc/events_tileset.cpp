#include "events_tileset.h"

#include <array>
#include <string>

#include "event_codes.h"

namespace mapc {

namespace {

using platform::Color;
using platform::Surface;

constexpr int kTile = 32;
constexpr int kScale = 2;  // each font pixel is 2 x 2

// Digits 0-9 in a 3 x 5 pixel font, one row per entry, bit 2 the leftmost pixel.
constexpr std::array<std::array<uint8_t, 5>, 10> kDigits{{
    {7, 5, 5, 5, 7},
    {2, 6, 2, 2, 7},
    {7, 1, 7, 4, 7},
    {7, 1, 7, 1, 7},
    {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7},
    {7, 4, 7, 5, 7},
    {7, 1, 1, 2, 2},
    {7, 5, 7, 5, 7},
    {7, 5, 7, 1, 7},
}};

Color LabelColor(EventKind kind) {
  switch (kind) {
    case EventKind::MapChange:
      return 0x4080FF;
    case EventKind::Inn:
    case EventKind::SavePoint:
      return 0x40D040;
    case EventKind::PickUp:
      return 0xFFD020;
    case EventKind::EnemyTrigger:
      return 0xFF9030;
    case EventKind::BossTrigger:
      return 0xE02020;
    case EventKind::Ending:
      return 0xC060FF;
    case EventKind::Text:
      return 0xF0F0F0;
    case EventKind::None:
    case EventKind::Meaningless:
      break;
  }
  return 0x808080;
}

void DrawDigit(Surface& s, int x, int y, int digit, Color color) {
  for (int row = 0; row < 5; ++row) {
    for (int col = 0; col < 3; ++col) {
      if (kDigits[static_cast<size_t>(digit)][static_cast<size_t>(row)] & (4 >> col)) {
        s.FillRect(x + col * kScale, y + row * kScale, kScale, kScale, color);
      }
    }
  }
}

void DrawLabel(Surface& s, int code) {
  const int left = (code % 16) * kTile;
  const int top = (code / 16) * kTile;
  const EventKind kind = KindOfEvent(code);
  const std::string digits = std::to_string(code);
  const int digitWidth = 3 * kScale;
  const int textWidth = static_cast<int>(digits.size()) * (digitWidth + kScale) - kScale;
  const int boxWidth = textWidth + 6;
  const int boxHeight = 5 * kScale + 6;
  const int bx = left + (kTile - boxWidth) / 2;
  const int by = top + (kTile - boxHeight) / 2;
  // A code the game ignores is struck through: the map compiler rejects it.
  if (kind == EventKind::Meaningless) {
    for (int d = 0; d < kTile; ++d) s.Set(left + d, top + d, platform::kBlack);
  }
  s.FillRect(bx, by, boxWidth, boxHeight, LabelColor(kind));
  s.DrawBox(bx, by, bx + boxWidth - 1, by + boxHeight - 1, platform::kBlack);
  for (size_t k = 0; k < digits.size(); ++k) {
    DrawDigit(s, bx + 3 + static_cast<int>(k) * (digitWidth + kScale), by + 3, digits[k] - '0',
              platform::kBlack);
  }
}

}  // namespace

Surface DrawEventsTileset() {
  Surface sheet(16 * kTile, 16 * kTile, kEventsKeyColor);
  for (int code = 1; code < 256; ++code) DrawLabel(sheet, code);
  return sheet;
}

}  // namespace mapc
