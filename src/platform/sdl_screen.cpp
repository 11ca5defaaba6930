#include "platform/sdl_screen.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

ScreenRect LetterboxRect(int areaWidth, int areaHeight) {
  const int scale = std::max(1, std::min(areaWidth / kPlayWidth, areaHeight / kPlayHeight));
  ScreenRect r;
  r.w = kPlayWidth * scale;
  r.h = kPlayHeight * scale;
  r.x = (areaWidth - r.w) / 2;
  r.y = (areaHeight - r.h) / 2;
  return r;
}

std::unique_ptr<SdlScreen> SdlScreen::Open(int scale, std::string* error) {
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
  // The game paces its own frames, so the renderer does not wait for the display.
  s->renderer_ = SDL_CreateRenderer(s->window_, -1, 0);
  if (!s->renderer_) s->renderer_ = SDL_CreateRenderer(s->window_, -1, SDL_RENDERER_SOFTWARE);
  if (s->renderer_) {
    s->texture_ = SDL_CreateTexture(s->renderer_, SDL_PIXELFORMAT_RGB888,
                                    SDL_TEXTUREACCESS_STREAMING, kPlayWidth, kPlayHeight);
  }
  if (!s->texture_) {
    *error = std::string("cannot draw in the window: ") + SDL_GetError();
    return nullptr;
  }
  SDL_SetTextureScaleMode(s->texture_, SDL_ScaleModeNearest);
  s->Show(Surface(kPlayWidth, kPlayHeight));
  return s;
}

SdlScreen::~SdlScreen() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
}

void SdlScreen::Show(const Surface& crt) {
  const Surface* source = &crt;
  if (crt.Width() < kPlayWidth || crt.Height() < kPlayHeight) {
    if (staging_.Empty()) staging_ = Surface(kPlayWidth, kPlayHeight);
    staging_.Clear();
    staging_.BitBlt(0, 0, kPlayWidth, kPlayHeight, crt, 0, 0, RasterOp::SrcCopy);
    source = &staging_;
  }
  // The surface's pixels are 0x00RRGGBB, the texture's format; rows are as long as the surface.
  SDL_UpdateTexture(texture_, nullptr, source->Pixels(),
                    source->Width() * static_cast<int>(sizeof(Color)));
  Redraw();
}

void SdlScreen::Redraw() {
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(renderer_, &w, &h);
  const ScreenRect r = LetterboxRect(w, h);
  const SDL_Rect dest{r.x, r.y, r.w, r.h};
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &dest);
  SDL_RenderPresent(renderer_);
}

void SdlScreen::ToggleFullscreen() {
  const bool full = SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP;
  SDL_SetWindowFullscreen(window_, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
  Redraw();
}

void SdlScreen::SetTitle(std::string_view utf8) {
  SDL_SetWindowTitle(window_, std::string(utf8).c_str());
}

void SdlScreen::ShowMessage(std::string_view utf8) {
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(window_, 0);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "KORVELA", std::string(utf8).c_str(), window_);
}

}  // namespace platform
