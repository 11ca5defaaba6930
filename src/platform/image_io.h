#pragma once
// PNG files to and from surfaces.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/surface.h"

namespace platform {

struct PngSize {
  int width = 0, height = 0;
  bool operator==(const PngSize&) const = default;
};

// No picture of the game comes near these; decoding a larger one could take gigabytes.
constexpr int kLargestPngSide = 8192;
constexpr size_t kLargestPngFile = 64 << 20;

// The size a PNG's header declares, read without decoding anything; nullopt when the bytes do
// not start like a PNG.
std::optional<PngSize> PngHeaderSize(std::string_view bytes);
// Decodes PNG bytes into *out. Returns false and fills *error when it cannot, or when a side is
// larger than kLargestPngSide.
bool DecodePng(std::string_view bytes, Surface* out, std::string* error);
// Reads a PNG file (a regular file of at most kLargestPngFile bytes) into *out. Returns false
// and fills *error (naming the file) when it cannot.
bool LoadPng(const std::filesystem::path& path, Surface* out, std::string* error);
// Writes the surface as a PNG. Returns false and fills *error when it cannot.
bool SavePng(const Surface& surface, const std::filesystem::path& path, std::string* error);
// Writes the image as a PNG with an alpha channel: transparent where the mask is white, as the
// sprites' masks mean it. Both surfaces have the same size.
bool SaveMaskedPng(const Surface& image, const Surface& mask, const std::filesystem::path& path,
                   std::string* error);

// The surface `scale` times larger, each pixel a square of scale x scale.
Surface ScaledUp(const Surface& s, int scale);

}  // namespace platform
