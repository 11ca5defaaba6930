#include "platform/sdl_screen.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

std::unique_ptr<SdlScreen> SdlScreen::Open(int scale, PaintWay way, std::string* error) {
  scale = std::max(1, scale);
  SDL_Rect usable;
  if (SDL_GetDisplayUsableBounds(0, &usable) == 0) {
    while (scale > 1 && (kPlayWidth * scale > usable.w || kPlayHeight * scale > usable.h)) --scale;
  }
  std::unique_ptr<SdlScreen> s(new SdlScreen());
  s->window_ = SDL_CreateWindow("KORVELA", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                kPlayWidth * scale, kPlayHeight * scale, SDL_WINDOW_RESIZABLE);
  if (!s->window_) {
    *error = std::string("cannot open the window: ") + SDL_GetError();
    return nullptr;
  }
  SDL_SetWindowMinimumSize(s->window_, kPlayWidth, kPlayHeight);
  s->painter_ = OpenWindowPainter(s->window_, way, error);
  if (!s->painter_) return nullptr;
  s->Redraw();
  return s;
}

SdlScreen::~SdlScreen() {
  painter_.reset();  // before the window it paints
  if (window_) SDL_DestroyWindow(window_);
}

void SdlScreen::Show(const Surface& crt) {
  if (crt.Width() < kPlayWidth || crt.Height() < kPlayHeight) frame_.Clear();
  frame_.BitBlt(0, 0, kPlayWidth, kPlayHeight, crt, 0, 0, RasterOp::SrcCopy);
  painter_->Paint(frame_, false);
}

void SdlScreen::Redraw() { painter_->Paint(frame_, true); }

void SdlScreen::ToggleFullscreen() {
  const bool full = SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  Redraw();
}

int SdlScreen::Scale() const {
  int w = 0, h = 0;
  SDL_GetWindowSize(window_, &w, &h);
  return std::max(1, LetterboxRect(w, h).w / kPlayWidth);
}

void SdlScreen::SetTitle(std::string_view utf8) {
  SDL_SetWindowTitle(window_, std::string(utf8).c_str());
}

void SdlScreen::ShowMessage(std::string_view utf8) {
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(window_, 0);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "KORVELA", std::string(utf8).c_str(), window_);
}

}  // namespace platform
