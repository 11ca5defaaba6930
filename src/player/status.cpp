// The heroine's numbers in words: the caption status line and the status box.
#include "player/status.h"

#include <charconv>
#include <cstdlib>

namespace korvela {

namespace {

// A float stat in its shortest decimal form: 50 shows as 50, 60.5 as 60.5 (never with an
// exponent, however large it grows).
std::string Shortest(float v) {
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
  return std::string(buf, result.ptr);
}

// A number rounded to a whole one and padded with leading zeros to `digits` digits.
std::string Padded(double v, int digits) {
  const int n = CInt(v);
  std::string s = std::to_string(std::abs(n));
  if (static_cast<int>(s.size()) < digits) s.insert(0, static_cast<size_t>(digits) - s.size(), '0');
  return n < 0 ? "-" + s : s;
}

}  // namespace

std::string CaptionText(const Game& g) {
  const PlayerRecord& p = g.Player;
  return "KORVELA  LV=" + std::to_string(p.PlayerLevel) + "  STR=" + Shortest(p.PlayerStr) +
         "  DEX=" + Shortest(p.PlayerDex) + "  INT=" + Shortest(p.PlayerInt) +
         "  EXP/Next=" + std::to_string(p.PlayerExp) + "/" + std::to_string(p.NextExp);
}

void UpdateCaption(Game& g) {
  if (g.Player.PlayerExp >= 5000) g.Player.PlayerExp = 5000;
  g.platform.SetCaption(CaptionText(g));
}

std::array<std::string, 3> StatusLines(const Game& g) {
  const PlayerRecord& p = g.Player;
  return {
      "LV = " + Padded(p.PlayerLevel, 3) + "  HP = " + Padded(p.PlayerHp, 3) + "/" +
          Padded(p.PlayerStr, 3),
      "Str = " + Padded(p.PlayerStr, 3) + "  Dex = " + Padded(p.PlayerDex, 3) +
          "  Int = " + Padded(p.PlayerInt, 3),
      "Exp = " + Padded(p.PlayerExp, 6) + "  NextExp = " + Padded(p.NextExp, 6),
  };
}

void ShowStatus(Game& g) {
  g.Crt.FillRect(20, 2, 410 - 20 + 1, 90 - 2 + 1, platform::kBlack);
  g.Crt.DrawBox(20, 2, 410, 90, platform::kLightGrey);
  if (g.CrtFont) {
    int y = 12;
    for (const std::string& line : StatusLines(g)) {
      g.Crt.Print(35, y, line, *g.CrtFont, g.CrtForeColor);
      y += 24;
    }
  }
  g.platform.Present(g.Crt);
}

}  // namespace korvela
