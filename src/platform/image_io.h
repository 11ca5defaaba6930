#pragma once
// PNG files to and from surfaces.

#include <filesystem>
#include <string>

#include "platform/surface.h"

namespace platform {

// Reads a PNG into *out. Returns false and fills *error (naming the file) when it cannot.
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
