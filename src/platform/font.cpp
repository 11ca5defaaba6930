#include "platform/font.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <string>

namespace platform {

struct Font::Impl {
  TTF_Font* font = nullptr;
  ~Impl() {
    if (font) TTF_CloseFont(font);
  }
};

namespace {

// The file of the best installed match for a Japanese proportional gothic.
std::string FindFace() {
  if (!FcInit()) return "";
  std::string path;
  for (const char* name : {"IPAPGothic:lang=ja", "sans-serif:lang=ja"}) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcChar8* file = nullptr;
    FcLangSet* langs = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
        FcPatternGetLangSet(match, FC_LANG, 0, &langs) == FcResultMatch &&
        FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("ja")) == FcLangEqual) {
      path = reinterpret_cast<const char*>(file);
    }
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    if (!path.empty()) break;
  }
  return path;
}

}  // namespace

std::unique_ptr<Font> Font::Open(int points, bool bold, std::string* error) {
  if (!TTF_WasInit() && TTF_Init() != 0) {
    if (error) *error = std::string("the text renderer did not start: ") + TTF_GetError();
    return nullptr;
  }
  const std::string path = FindFace();
  if (path.empty()) {
    if (error) *error = "no Japanese font found (install fonts-ipafont-gothic)";
    return nullptr;
  }
  TTF_Font* ttf = TTF_OpenFontDPI(path.c_str(), points, 96, 96);
  if (!ttf) {
    if (error) *error = "cannot open the font " + path + ": " + TTF_GetError();
    return nullptr;
  }
  if (bold) TTF_SetFontStyle(ttf, TTF_STYLE_BOLD);
  std::unique_ptr<Font> font(new Font());
  font->impl_ = std::make_unique<Impl>();
  font->impl_->font = ttf;
  font->path_ = path;
  return font;
}

Font::~Font() = default;

void Font::Draw(Surface& target, int x, int y, std::string_view utf8, Color color) const {
  if (utf8.empty()) return;
  const std::string text(utf8);
  const SDL_Color c{static_cast<Uint8>(color >> 16), static_cast<Uint8>(color >> 8),
                    static_cast<Uint8>(color), 255};
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(impl_->font, text.c_str(), c);
  if (!rendered) return;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (!argb) return;
  for (int row = 0; row < argb->h; ++row) {
    const int ty = y + row;
    if (ty < 0 || ty >= target.Height()) continue;
    const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                        static_cast<ptrdiff_t>(row) * argb->pitch);
    for (int col = 0; col < argb->w; ++col) {
      const int tx = x + col;
      if (tx < 0 || tx >= target.Width()) continue;
      const uint32_t a = src[col] >> 24;
      if (a == 0) continue;
      const Color under = target.At(tx, ty);
      Color out = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t fg = (color >> shift) & 0xFF, bg = (under >> shift) & 0xFF;
        out |= ((fg * a + bg * (255 - a) + 127) / 255) << shift;
      }
      target.Set(tx, ty, out);
    }
  }
  SDL_FreeSurface(argb);
}

int Font::TextWidth(std::string_view utf8) const {
  int w = 0, h = 0;
  if (TTF_SizeUTF8(impl_->font, std::string(utf8).c_str(), &w, &h) != 0) return 0;
  return w;
}

}  // namespace platform
