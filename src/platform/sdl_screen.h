#pragma once
// The window itself: the 480 x 384 play screen scaled by whole multiples, centred with black
// bars around it, nearest-neighbour pixels, and borderless desktop fullscreen on request.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/surface.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

constexpr int kPlayWidth = 480;
constexpr int kPlayHeight = 384;

struct ScreenRect {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const ScreenRect&) const = default;
};

// Where the play screen goes in a drawing area of the given size: the largest whole multiple
// that fits (at least 1, cropped evenly when even that does not fit), centred.
ScreenRect LetterboxRect(int areaWidth, int areaHeight);

class SdlScreen {
 public:
  // Opens the window centred on the screen, `scale` times the play screen or the largest
  // multiple that fits the screen. Returns nullptr and fills *error when it cannot.
  // SDL's video must already be initialised.
  static std::unique_ptr<SdlScreen> Open(int scale, std::string* error);
  ~SdlScreen();
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  // Shows the top-left 480 x 384 of the play surface.
  void Show(const Surface& crt);
  // Shows the last picture again, after the window was resized or uncovered.
  void Redraw();
  void ToggleFullscreen();
  void SetTitle(std::string_view utf8);
  // A modal error box over the window (out of fullscreen first, so that it can be seen).
  void ShowMessage(std::string_view utf8);

 private:
  SdlScreen() = default;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  Surface staging_;  // for a play surface smaller than the screen
};

}  // namespace platform
