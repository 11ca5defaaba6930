#include "text/message_window.h"

#include "text/utf8.h"

namespace korvela {

void DrawMessageWindow(Game& g) {
  // Both corners belong to the box, as with the outline.
  g.Crt.FillRect(kMessageLeft, kMessageTop, kMessageWidth + 1, kMessageHeight + 1,
                 platform::kBlack);
  g.Crt.DrawBox(kMessageLeft, kMessageTop, kMessageLeft + kMessageWidth,
                kMessageTop + kMessageHeight, platform::kLightGrey);
}

void PrintMessageLines(Game& g, const MessageLines& lines, int left, int top) {
  if (!g.CrtFont) return;
  for (int k = 0; k < MessageLines::kCount; ++k) {
    const std::u32string& line = lines.Text[static_cast<size_t>(k)];
    if (line.empty()) continue;
    g.Crt.Print(left + 15, top + 10 + kMessageLineHeight * k, ToUtf8(line), *g.CrtFont,
                g.CrtForeColor);
  }
}

}  // namespace korvela
