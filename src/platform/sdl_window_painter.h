#pragma once
// How a finished 480 x 384 frame reaches the window. Two ways:
// - through SDL's renderer, where the graphics card scales the picture for next to nothing;
// - straight into the window's own pixels, scaled by the processor, when there is no graphics
//   card to do it (SDL's software renderer, or OpenGL emulated on the processor as on a
//   virtual display): a plain copy loop is many times cheaper than emulated OpenGL.

#include <memory>
#include <string>

#include "platform/surface.h"

struct SDL_Window;

namespace platform {

enum class PaintWay {
  Automatic,      // the renderer when it runs on a graphics card, the window's pixels otherwise
  Renderer,       // always through SDL's renderer
  WindowSurface,  // always straight into the window's pixels
};

class WindowPainter {
 public:
  virtual ~WindowPainter() = default;
  // Shows the 480 x 384 frame scaled and centred in the window with black bars. `whole`
  // repaints the bars as well (after a resize or when the window was uncovered).
  virtual void Paint(const Surface& frame, bool whole) = 0;
  // "renderer NAME" or "window surface", for messages and tests.
  virtual std::string Describe() const = 0;
};

// Sets up painting into the window. Returns nullptr and fills *error when it cannot.
std::unique_ptr<WindowPainter> OpenWindowPainter(SDL_Window* window, PaintWay way,
                                                 std::string* error);

}  // namespace platform
