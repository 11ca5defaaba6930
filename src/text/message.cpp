#include "text/message.h"

#include "game/keyboard.h"
#include "game/music.h"
#include "player/status.h"
#include "text/markup.h"
#include "text/message_window.h"

namespace korvela {

namespace {

using platform::Key;

constexpr uint32_t kTypingMs = 50;
constexpr uint32_t kPageWaitPollMs = 10;
constexpr uint32_t kAfterMessageMs = 500;

// Where the window's top-left corner is: the lines are printed relative to it.
struct Origin {
  int left, top;
};

void Reprint(Game& g, const MessageLines& lines, Origin at) {
  PrintMessageLines(g, lines, at.left, at.top);
  g.platform.Present(g.Crt);
}

// Keeps the page on screen until Space is held or has been pressed. The key is tested before
// the first wait, so a held Space passes every page at once.
void WaitForSpace(Game& g, const MessageLines& lines, Origin at) {
  while (!KeyPressed(g, Key::Space)) {
    Reprint(g, lines, at);
    g.platform.Yield();
    g.platform.Sleep(kPageWaitPollMs);
  }
}

// Types the text until its end code (or until it runs out).
void TypeText(Game& g, std::u32string_view text, Origin at) {
  MessageLines lines;
  MarkupReader reader(text);
  for (;;) {
    const MarkupStep step = reader.Step(lines, g.Player);
    bool click = true;
    switch (step.action) {
      case MarkupAction::End:
        return;
      case MarkupAction::Next:
        break;
      case MarkupAction::PageWait:
        WaitForSpace(g, lines, at);
        break;
      case MarkupAction::Heal:
        ShowStatus(g);
        break;
      case MarkupAction::Voice:
        // Effects replace one another: a click now would cut the voice off before it is heard.
        PlaySe(g, step.voice);
        click = false;
        break;
    }
    Reprint(g, lines, at);
    if (click) PlaySe(g, "ChakiB@22.wav");
    // A Space press made while typing must not pass the next page wait.
    KeyPressed(g, Key::Space);
    g.platform.Sleep(kTypingMs);
  }
}

}  // namespace

void ShowMessage(Game& g, std::u32string_view text) {
  DrawMessageWindow(g);
  g.platform.Present(g.Crt);
  g.platform.Yield();
  TypeText(g, text, {kMessageLeft, kMessageTop});
  g.platform.Sleep(kAfterMessageMs);
}

void TypeMessage(Game& g, std::u32string_view text, int left, int top) {
  TypeText(g, text, {left, top});
}

}  // namespace korvela
