#pragma once
// Texts live as Unicode code points; the surfaces print UTF-8.
#include <string>
#include <string_view>

namespace korvela {

// Encodes code points as UTF-8. A value that is not a character (a surrogate or beyond
// U+10FFFF) becomes U+FFFD, so nothing malformed ever reaches the renderer.
std::string ToUtf8(std::u32string_view text);

}  // namespace korvela
