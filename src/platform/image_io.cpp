#include "platform/image_io.h"

#include <SDL.h>
#include <SDL_image.h>

#include <vector>

namespace platform {

bool LoadPng(const std::filesystem::path& path, Surface* out, std::string* error) {
  SDL_Surface* loaded = IMG_Load(path.string().c_str());
  if (!loaded) {
    if (error) *error = "cannot read the picture " + path.string() + ": " + IMG_GetError();
    return false;
  }
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(loaded);
  if (!rgb) {
    if (error) *error = "cannot convert the picture " + path.string() + ": " + SDL_GetError();
    return false;
  }
  Surface result(rgb->w, rgb->h);
  for (int row = 0; row < rgb->h; ++row) {
    const auto* src = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(rgb->pixels) +
                                                        static_cast<ptrdiff_t>(row) * rgb->pitch);
    for (int col = 0; col < rgb->w; ++col) result.Set(col, row, src[col] & 0xFFFFFF);
  }
  SDL_FreeSurface(rgb);
  *out = std::move(result);
  return true;
}

namespace {

bool SaveSdlSurface(SDL_Surface* s, const std::filesystem::path& path, std::string* error) {
  if (!s) {
    if (error) *error = SDL_GetError();
    return false;
  }
  const int rc = IMG_SavePNG(s, path.string().c_str());
  SDL_FreeSurface(s);
  if (rc != 0) {
    if (error) *error = "cannot write " + path.string() + ": " + IMG_GetError();
    return false;
  }
  return true;
}

}  // namespace

bool SavePng(const Surface& surface, const std::filesystem::path& path, std::string* error) {
  return SaveSdlSurface(SDL_CreateRGBSurfaceWithFormatFrom(
                            const_cast<Color*>(surface.Pixels()), surface.Width(), surface.Height(),
                            32, surface.Width() * 4, SDL_PIXELFORMAT_RGB888),
                        path, error);
}

bool SaveMaskedPng(const Surface& image, const Surface& mask, const std::filesystem::path& path,
                   std::string* error) {
  std::vector<uint32_t> argb(static_cast<size_t>(image.Width()) * image.Height());
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const bool clear = (mask.At(x, y) & 0xFFFFFF) == 0xFFFFFF;
      argb[static_cast<size_t>(y) * image.Width() + x] =
          clear ? 0 : 0xFF000000u | (image.At(x, y) & 0xFFFFFF);
    }
  }
  return SaveSdlSurface(
      SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), image.Width(), image.Height(), 32,
                                         image.Width() * 4, SDL_PIXELFORMAT_ARGB8888),
      path, error);
}

Surface ScaledUp(const Surface& s, int scale) {
  Surface big(s.Width() * scale, s.Height() * scale);
  const Color* from = s.Pixels();
  Color* to = big.Pixels();
  for (int y = 0; y < big.Height(); ++y) {
    const Color* row = from + static_cast<size_t>(y / scale) * s.Width();
    for (int x = 0; x < big.Width(); ++x) *to++ = row[x / scale];
  }
  return big;
}

}  // namespace platform
