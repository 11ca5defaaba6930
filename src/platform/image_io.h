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

}  // namespace platform
