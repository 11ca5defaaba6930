// The message mark-up over any text a map's text file can hold: the Shift-JIS record decoded as
// the map loader does, then read code by code as the message window does, and the last page
// printed. Every step must move forward, so that no text can hold the window forever.

#include "text/markup.h"

#include <cstdlib>
#include <memory>

#include "map/shift_jis.h"
#include "platform/font.h"
#include "platform/headless_platform.h"
#include "support.h"
#include "text/message_window.h"

namespace {

struct Screen {
  platform::HeadlessPlatform platform;
  korvela::Game g{platform};
  std::unique_ptr<platform::Font> font;
  Screen() {
    std::string error;
    font = platform::Font::Open(18, true, &error);
    g.CrtFont = font.get();
    g.Crt = korvela::Surface(484, 388);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Screen screen;
  const std::u32string text = korvela::DecodeShiftJis(fuzz::AsText(data, size));
  korvela::MessageLines lines;
  korvela::PlayerRecord player{};
  korvela::MarkupReader reader(text);
  for (size_t steps = 0;; ++steps) {
    if (steps > text.size()) std::abort();  // a step that did not move on
    const size_t before = reader.Position();
    const korvela::MarkupStep step = reader.Step(lines, player);
    if (step.action == korvela::MarkupAction::End) break;
    if (reader.Position() <= before) std::abort();
  }
  korvela::DrawMessageWindow(screen.g);
  korvela::PrintMessageLines(screen.g, lines);
  return 0;
}
