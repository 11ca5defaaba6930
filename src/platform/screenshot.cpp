#include "platform/screenshot.h"

#include <algorithm>

#include "platform/image_io.h"

namespace platform {

namespace fs = std::filesystem;

std::string ScreenshotName(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char name[64];
  std::strftime(name, sizeof name, "korvela-%Y%m%d-%H%M%S.png", &local);
  return name;
}

fs::path WriteScreenshot(const Surface& frame, int scale, const fs::path& dir, std::time_t when,
                         std::string* error) {
  std::error_code ec;
  fs::create_directories(dir, ec);
  // Two shots in one second get "-2", "-3", ... before the extension.
  const std::string name = ScreenshotName(when);
  fs::path path = dir / name;
  for (int n = 2; fs::exists(path, ec) && n < 1000; ++n) {
    path = dir / (name.substr(0, name.size() - 4) + "-" + std::to_string(n) + ".png");
  }
  scale = std::clamp(scale, 1, 8);
  const bool ok =
      scale == 1 ? SavePng(frame, path, error) : SavePng(ScaledUp(frame, scale), path, error);
  return ok ? path : fs::path();
}

}  // namespace platform
