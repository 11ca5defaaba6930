#pragma once
// The text face of the play surface: a Japanese proportional gothic found through fontconfig,
// bold, sized in points at 96 DPI (18 pt is 24 pixels), drawn with a transparent background.

#include <memory>
#include <string>
#include <string_view>

#include "platform/surface.h"

namespace platform {

class Font {
 public:
  // Finds the face through fontconfig (IPA P Gothic by default) and opens it at the given size.
  // Returns nullptr and fills *error when no usable face is found.
  static std::unique_ptr<Font> Open(int points, bool bold, std::string* error);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Draws UTF-8 text with its top-left corner at (x, y), blending onto what is there.
  void Draw(Surface& target, int x, int y, std::string_view utf8, Color color) const;
  // Width in pixels of the text as Draw would print it.
  int TextWidth(std::string_view utf8) const;
  const std::string& FilePath() const { return path_; }

 private:
  Font() = default;
  struct Impl;
  std::unique_ptr<Impl> impl_;
  std::string path_;
};

}  // namespace platform
