#pragma once
// The window itself: the 480 x 384 play screen scaled by whole multiples, centred with black
// bars around it, nearest-neighbour pixels, and borderless desktop fullscreen on request.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/letterbox.h"
#include "platform/sdl_window_painter.h"
#include "platform/surface.h"
#include "platform/window_place.h"

struct SDL_Window;

namespace platform {

class SdlScreen {
 public:
  // Opens the window where it was left (`last`, fitted to the displays there are now; without
  // a remembered size, `scale` times the play screen or the largest multiple that fits),
  // painted the given way. Returns nullptr and fills *error when it cannot. SDL's video must
  // already be initialised.
  static std::unique_ptr<SdlScreen> Open(int scale, const WindowPlace& last, PaintWay way,
                                         std::string* error);
  ~SdlScreen();
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  // Shows the top-left 480 x 384 of the play surface.
  void Show(const Surface& crt);
  // Shows the last picture again, after the window was resized or uncovered.
  void Redraw();
  void ToggleFullscreen();
  // Out of fullscreen at `scale` times the play screen (less when that does not fit the
  // display), kept on the display.
  void SetScale(int scale);
  // Called when the window was moved or resized: remembers its size and place out of
  // fullscreen.
  void Moved();
  // The window as it is now, to be opened the same way next time.
  WindowPlace Place() const;
  void SetTitle(std::string_view utf8);
  // The picture last shown, and the whole multiple the window shows it at now.
  const Surface& Frame() const { return frame_; }
  int Scale() const;
  // The desktop's modal error box over the window (out of fullscreen first, so that it can
  // be seen), for when the game's own face cannot be opened.
  void ShowMessage(std::string_view utf8);

 private:
  SdlScreen() = default;
  SDL_Window* window_ = nullptr;
  std::unique_ptr<WindowPainter> painter_;
  Surface frame_{kPlayWidth, kPlayHeight};  // the picture last shown, kept for repaints
  ScreenRect windowed_;                     // the last size and place out of fullscreen
};

}  // namespace platform
