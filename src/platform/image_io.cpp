#include "platform/image_io.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <vector>

#include "platform/regular_file.h"

namespace platform {

std::optional<PngSize> PngHeaderSize(std::string_view bytes) {
  // The signature, then the first chunk, which must be IHDR: length, type, width, height.
  constexpr std::string_view kSignature = "\x89PNG\r\n\x1a\n";
  if (bytes.size() < 24 || bytes.substr(0, 8) != kSignature || bytes.substr(12, 4) != "IHDR") {
    return std::nullopt;
  }
  const auto be32 = [&](size_t at) {
    uint32_t v = 0;
    for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<uint8_t>(bytes[at + i]);
    return v;
  };
  const uint32_t width = be32(16), height = be32(20);
  if (width > INT32_MAX || height > INT32_MAX) return std::nullopt;  // the format's own limit
  return PngSize{static_cast<int>(width), static_cast<int>(height)};
}

bool DecodePng(std::string_view bytes, Surface* out, std::string* error) {
  const auto size = PngHeaderSize(bytes);
  if (!size) {
    if (error) *error = "not a PNG file";
    return false;
  }
  if (size->width > kLargestPngSide || size->height > kLargestPngSide) {
    if (error) {
      *error = "the picture is " + std::to_string(size->width) + " x " +
               std::to_string(size->height) + " pixels, larger than any the game reads";
    }
    return false;
  }
  SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  SDL_Surface* loaded = source ? IMG_LoadPNG_RW(source) : nullptr;
  if (source) SDL_RWclose(source);
  if (!loaded) {
    if (error) *error = IMG_GetError();
    return false;
  }
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(loaded);
  if (!rgb) {
    if (error) *error = SDL_GetError();
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

bool LoadPng(const std::filesystem::path& path, Surface* out, std::string* error) {
  const FileBytes file = ReadRegularFile(path, kLargestPngFile + 1);
  std::string why = file.why;
  if (file.Ok() && file.bytes.size() > kLargestPngFile) why = "the file is too large";
  if (why.empty() && DecodePng(file.bytes, out, &why)) return true;
  if (error) *error = "cannot read the picture " + path.string() + ": " + why;
  return false;
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
