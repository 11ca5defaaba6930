#include "platform/error_page.h"

#include "platform/letterbox.h"

namespace platform {

namespace {

constexpr Color kBackground = 0x182848;
constexpr Color kHeading = 0xFFD860;
constexpr Color kText = 0xFFFFFF;
constexpr Color kHint = 0xA0B0C8;
constexpr int kMargin = 20;
constexpr int kLineHeight = 22;  // the 14-point face is 19 pixels high

// Bytes of the UTF-8 character that starts at `i` (a stray byte counts as one).
size_t CharLength(std::string_view text, size_t i) {
  size_t n = 1;
  while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80) ++n;
  return n;
}

}  // namespace

std::vector<std::string> WrapText(std::string_view utf8, const Font& font, int width) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < utf8.size();) {
    const size_t n = CharLength(utf8, i);
    const std::string_view ch = utf8.substr(i, n);
    i += n;
    if (ch == "\n") {
      lines.emplace_back();
      continue;
    }
    if (!lines.back().empty() && font.TextWidth(lines.back() + std::string(ch)) > width) {
      lines.emplace_back();
    }
    lines.back() += ch;
  }
  return lines;
}

Surface ErrorPage(std::string_view message, const Font& font) {
  Surface page(kPlayWidth, kPlayHeight, kBackground);
  page.Print(kMargin, kMargin, "エラーのため終了します", font, kHeading);
  page.FillRect(kMargin, kMargin + kLineHeight + 4, kPlayWidth - 2 * kMargin, 1, kHint);
  const int top = kMargin + 2 * kLineHeight;
  const int bottom = kPlayHeight - kMargin - 2 * kLineHeight;
  std::vector<std::string> lines = WrapText(message, font, kPlayWidth - 2 * kMargin);
  // What does not fit ends with an ellipsis; the whole text is on stderr.
  const size_t room = static_cast<size_t>((bottom - top) / kLineHeight);
  if (lines.size() > room) {
    lines.resize(room);
    lines.back() = "…";
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    page.Print(kMargin, top + static_cast<int>(i) * kLineHeight, lines[i], font, kText);
  }
  page.Print(kMargin, kPlayHeight - kMargin - kLineHeight, "キーを押すか、クリックすると閉じます",
             font, kHint);
  return page;
}

}  // namespace platform
