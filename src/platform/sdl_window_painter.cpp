#include "platform/sdl_window_painter.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "platform/letterbox.h"

namespace platform {

namespace {

// The graphics card scales the 480 x 384 texture into the window.
class RendererPainter final : public WindowPainter {
 public:
  RendererPainter(SDL_Renderer* renderer, SDL_Texture* texture)
      : renderer_(renderer), texture_(texture) {}
  ~RendererPainter() override {
    SDL_DestroyTexture(texture_);
    SDL_DestroyRenderer(renderer_);
  }

  void Paint(const Surface& frame, bool) override {
    // The frame's pixels are 0x00RRGGBB, the texture's format.
    SDL_UpdateTexture(texture_, nullptr, frame.Pixels(),
                      frame.Width() * static_cast<int>(sizeof(Color)));
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(renderer_, &w, &h);
    const ScreenRect r = LetterboxRect(w, h);
    const SDL_Rect dest{r.x, r.y, r.w, r.h};
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &dest);
    SDL_RenderPresent(renderer_);
  }

  std::string Describe() const override {
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer_, &info);
    return std::string("renderer ") + info.name;
  }

 private:
  SDL_Renderer* renderer_;
  SDL_Texture* texture_;
};

// The processor scales the frame straight into the window's pixels.
class SurfacePainter final : public WindowPainter {
 public:
  explicit SurfacePainter(SDL_Window* window) : window_(window) {}

  void Paint(const Surface& frame, bool whole) override {
    // A resize throws the old pixels away; SDL hands out new ones here.
    SDL_Surface* s = SDL_GetWindowSurface(window_);
    if (!s || s->format->BytesPerPixel != 4) return;
    // New pixels have no bars yet.
    whole = whole || s != painted_ || s->w != paintedWidth_ || s->h != paintedHeight_;
    const uint32_t* src = frame.Pixels();
    int srcPitch = frame.Width();
    if (s->format->format != SDL_PIXELFORMAT_RGB888) {  // not 0x00RRGGBB like the frame
      converted_.resize(static_cast<size_t>(kPlayWidth) * kPlayHeight);
      SDL_ConvertPixels(kPlayWidth, kPlayHeight, SDL_PIXELFORMAT_RGB888, frame.Pixels(),
                        frame.Width() * static_cast<int>(sizeof(Color)), s->format->format,
                        converted_.data(), kPlayWidth * static_cast<int>(sizeof(uint32_t)));
      src = converted_.data();
      srcPitch = kPlayWidth;
    }
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) != 0) return;
    const PixelRows rows{static_cast<uint32_t*>(s->pixels),
                         s->pitch / static_cast<int>(sizeof(uint32_t)), s->w, s->h};
    const ScreenRect shown =
        PaintLetterboxed(src, srcPitch, rows, whole, SDL_MapRGB(s->format, 0, 0, 0));
    if (SDL_MUSTLOCK(s)) SDL_UnlockSurface(s);
    if (whole) {
      SDL_UpdateWindowSurface(window_);
    } else if (shown.w > 0) {  // the bars stand as they were
      const SDL_Rect changed{shown.x, shown.y, shown.w, shown.h};
      SDL_UpdateWindowSurfaceRects(window_, &changed, 1);
    }
    painted_ = s;
    paintedWidth_ = s->w;
    paintedHeight_ = s->h;
  }

  std::string Describe() const override { return "window surface"; }

 private:
  SDL_Window* window_;
  std::vector<uint32_t> converted_;  // the frame in the window's pixel format, when it differs
  const SDL_Surface* painted_ = nullptr;
  int paintedWidth_ = 0, paintedHeight_ = 0;
};

// The name the OpenGL driver gives itself, in lower case ("" when unknown). The renderer's
// context is the current one right after the renderer is made.
std::string OpenGlName() {
  if (!SDL_GL_GetCurrentContext()) return "";
  using GetString = const GLubyte*(APIENTRY*)(GLenum);
  const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const GLubyte* name = getString ? getString(GL_RENDERER) : nullptr;
  std::string lower = name ? reinterpret_cast<const char*>(name) : "";
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower;
}

// Whether the renderer does its drawing on the processor: SDL's own software renderer, or an
// OpenGL that emulates a graphics card (Mesa's llvmpipe and the like, as on a virtual display).
bool DrawsOnProcessor(SDL_Renderer* renderer) {
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) != 0) return true;
  const std::string_view name = info.name;
  if ((info.flags & SDL_RENDERER_SOFTWARE) || name == "software") return true;
  if (!name.starts_with("opengl")) return false;
  const std::string gl = OpenGlName();
  for (const char* emulator : {"llvmpipe", "softpipe", "software", "swrast", "gdi generic"}) {
    if (gl.find(emulator) != std::string::npos) return true;
  }
  return false;
}

std::unique_ptr<WindowPainter> OpenRendererPainter(SDL_Renderer* renderer, std::string* error) {
  SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB888,
                                           SDL_TEXTUREACCESS_STREAMING, kPlayWidth, kPlayHeight);
  if (!texture) {
    *error = std::string("cannot draw in the window: ") + SDL_GetError();
    SDL_DestroyRenderer(renderer);
    return nullptr;
  }
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
  return std::make_unique<RendererPainter>(renderer, texture);
}

std::unique_ptr<WindowPainter> OpenSurfacePainter(SDL_Window* window, std::string* error) {
  // Without this SDL would put an OpenGL texture behind the window's pixels: the very cost that
  // painting them ourselves avoids.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  const SDL_Surface* s = SDL_GetWindowSurface(window);
  if (!s) {
    *error = std::string("cannot draw in the window: ") + SDL_GetError();
    return nullptr;
  }
  if (s->format->BytesPerPixel != 4) {
    *error = "cannot draw in the window: its pixels are not 32-bit";
    return nullptr;
  }
  return std::make_unique<SurfacePainter>(window);
}

// A renderer on the graphics card if there is one, else SDL's software one.
SDL_Renderer* CreateRenderer(SDL_Window* window) {
  // The game paces its own frames, so the renderer does not wait for the display.
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
  return renderer ? renderer : SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

}  // namespace

std::unique_ptr<WindowPainter> OpenWindowPainter(SDL_Window* window, PaintWay way,
                                                 std::string* error) {
  if (way == PaintWay::WindowSurface) return OpenSurfacePainter(window, error);
  SDL_Renderer* renderer = CreateRenderer(window);
  if (way == PaintWay::Automatic && (!renderer || DrawsOnProcessor(renderer))) {
    if (renderer) SDL_DestroyRenderer(renderer);
    if (auto painter = OpenSurfacePainter(window, error)) return painter;
    // Some desktops have no window pixels to write into: the renderer after all.
    renderer = CreateRenderer(window);
  }
  if (!renderer) {
    *error = std::string("cannot draw in the window: ") + SDL_GetError();
    return nullptr;
  }
  return OpenRendererPainter(renderer, error);
}

}  // namespace platform
