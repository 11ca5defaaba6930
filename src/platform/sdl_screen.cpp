#include "platform/sdl_screen.h"

#include <SDL.h>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

// The part of a display that windows may use (without panels), on the whole desktop.
ScreenRect UsableArea(int display) {
  SDL_Rect r;
  if (SDL_GetDisplayUsableBounds(display, &r) != 0 && SDL_GetDisplayBounds(display, &r) != 0) {
    return {0, 0, kPlayWidth, kPlayHeight};
  }
  return {r.x, r.y, r.w, r.h};
}

int DisplayOf(SDL_Window* window) { return std::max(0, SDL_GetWindowDisplayIndex(window)); }

}  // namespace

std::unique_ptr<SdlScreen> SdlScreen::Open(int scale, const WindowPlace& last, PaintWay way,
                                           std::string* error) {
  std::vector<ScreenRect> displays;
  for (int d = 0; d < SDL_GetNumVideoDisplays(); ++d) displays.push_back(UsableArea(d));
  const OpenPlace place = PlaceWindow(last, scale, displays);
  const int x = place.centred ? static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(place.display))
                              : place.rect.x;
  const int y = place.centred ? static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(place.display))
                              : place.rect.y;
  std::unique_ptr<SdlScreen> s(new SdlScreen());
  s->window_ = SDL_CreateWindow("KORVELA", x, y, place.rect.w, place.rect.h, SDL_WINDOW_RESIZABLE);
  if (!s->window_) {
    *error = std::string("cannot open the window: ") + SDL_GetError();
    return nullptr;
  }
  SDL_SetWindowMinimumSize(s->window_, kPlayWidth, kPlayHeight);
  s->painter_ = OpenWindowPainter(s->window_, way, error);
  if (!s->painter_) return nullptr;
  s->Moved();
  if (last.fullscreen) s->ToggleFullscreen();
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
  // Back from fullscreen at the size and place it had before (not every desktop restores
  // them, and a late resize event must not take the fullscreen size for the window's).
  if (full && windowed_.w > 0) {
    SDL_SetWindowSize(window_, windowed_.w, windowed_.h);
    SDL_SetWindowPosition(window_, windowed_.x, windowed_.y);
  }
  Redraw();
}

void SdlScreen::SetScale(int scale) {
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(window_, 0);
  SDL_RestoreWindow(window_);
  const ScreenRect area = UsableArea(DisplayOf(window_));
  scale = FittingScale(scale, area);
  const int w = kPlayWidth * scale, h = kPlayHeight * scale;
  SDL_SetWindowSize(window_, w, h);
  // Grown past the display's edge: moved back onto it.
  int x = 0, y = 0;
  SDL_GetWindowPosition(window_, &x, &y);
  SDL_SetWindowPosition(window_, std::clamp(x, area.x, std::max(area.x, area.x + area.w - w)),
                        std::clamp(y, area.y, std::max(area.y, area.y + area.h - h)));
  Moved();
  Redraw();
}

void SdlScreen::Moved() {
  if (SDL_GetWindowFlags(window_) & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MINIMIZED)) return;
  SDL_GetWindowPosition(window_, &windowed_.x, &windowed_.y);
  SDL_GetWindowSize(window_, &windowed_.w, &windowed_.h);
}

WindowPlace SdlScreen::Place() const {
  WindowPlace p;
  p.display = DisplayOf(window_);
  p.fullscreen = SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN;
  const ScreenRect area = UsableArea(p.display);
  p.width = windowed_.w;
  p.height = windowed_.h;
  p.x = std::max(0, windowed_.x - area.x);
  p.y = std::max(0, windowed_.y - area.y);
  return p;
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
