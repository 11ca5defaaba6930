// The fatal error's page: its text wrapped to the play screen in the game's own face, shown in
// the window until the player dismisses it.

#include "platform/error_page.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/sdl_platform.h"

namespace platform {
namespace {

TEST(ErrorPage, WrapsWithinTheWidthAndKeepsEveryCharacter) {
  std::string error;
  const auto font = Font::Open(14, true, &error);
  ASSERT_TRUE(font) << error;
  const struct {
    std::string text;
    int width;
    size_t minLines;
  } cases[] = {
      {"ファイルが見つかりません: /a/very/long/folder/name/that/goes/on/DATA/MAP(01).PRO", 200, 3},
      {"一行目\n二行目\n\n四行目", 440, 4},
      {"短い", 440, 1},
      {"", 440, 1},
      {"ＡＢＣ", 1, 3},  // a face wider than the width: one character a line, never split
  };
  for (const auto& c : cases) {
    const std::vector<std::string> lines = WrapText(c.text, *font, c.width);
    std::string joined;
    for (const std::string& line : lines) {
      // A line of one character may be wider than a tiny width; no line starts mid-character.
      if (line.size() > 3) {
        EXPECT_LE(font->TextWidth(line), c.width) << line;
      }
      if (!line.empty()) {
        EXPECT_NE(static_cast<unsigned char>(line[0]) & 0xC0, 0x80) << line;
      }
      joined += line;
    }
    std::string expected = c.text;
    std::erase(expected, '\n');
    EXPECT_EQ(joined, expected);
    EXPECT_GE(lines.size(), c.minLines) << c.text;
  }
}

// In the window (SDL's display-less driver): the page shows and waits; a key pressed before it
// showed does not close it, a mouse click does.
TEST(ErrorPage, WaitsInTheWindowForAClick) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::string error;
  auto p = SdlPlatform::Create({}, &error);
  ASSERT_TRUE(p) << error;
  SDL_Event key{};
  key.type = SDL_KEYDOWN;
  key.key.keysym.sym = SDLK_SPACE;
  SDL_PushEvent(&key);
  const SDL_TimerID timer = SDL_AddTimer(
      300,
      [](Uint32, void*) -> Uint32 {
        SDL_Event click{};
        click.type = SDL_MOUSEBUTTONDOWN;
        click.button.button = SDL_BUTTON_LEFT;
        SDL_PushEvent(&click);
        return 0;
      },
      nullptr);
  const Uint64 start = SDL_GetTicks64();
  p->ShowError("テスト");
  EXPECT_GE(SDL_GetTicks64() - start, 250u) << "closed by the key pressed before the page";
  SDL_RemoveTimer(timer);
  SDL_Window* window = SDL_GetWindowFromID(1);
  ASSERT_TRUE(window);
  SDL_Surface* shown = SDL_GetWindowSurface(window);
  ASSERT_TRUE(shown);
  // The page's dark blue fills the window's corner (twice the play screen, no bars).
  const auto* pixels = static_cast<const uint32_t*>(shown->pixels);
  EXPECT_EQ(pixels[5 * shown->pitch / 4 + 5] & 0xFFFFFF, 0x182848u);
}

}  // namespace
}  // namespace platform
