#pragma once
// F12's screenshots: the play screen as a PNG with a timestamped name, at its own 480 x 384 or
// scaled by whole multiples as the window shows it.

#include <ctime>
#include <filesystem>
#include <string>

#include "platform/surface.h"

namespace platform {

// "korvela-20250131-235959.png" for the local time `when`.
std::string ScreenshotName(std::time_t when);

// Writes `frame` scaled `scale` times into `dir` (made when missing) under a timestamped name
// that no file there has yet. Returns the file written, or empty with *error on failure.
std::filesystem::path WriteScreenshot(const Surface& frame, int scale,
                                      const std::filesystem::path& dir, std::time_t when,
                                      std::string* error);

}  // namespace platform
