#pragma once
// Text in the map files is Shift-JIS (code page 932); the game holds it as UTF-32 and the map
// compiler reads UTF-8. These helpers convert between the three with iconv. No SDL here, so the
// map compiler links them too.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvela {

// Shift-JIS bytes to characters. A byte sequence that is not Shift-JIS becomes U+FFFD and decoding
// goes on with the next byte, so any file content gives some text.
std::u32string DecodeShiftJis(std::string_view bytes);

// Characters to Shift-JIS bytes.
struct ShiftJisResult {
  std::string bytes;
  // Index of the first character that has no Shift-JIS form (bytes then holds what came before
  // it), or npos when every character converted.
  size_t badIndex = std::u32string_view::npos;
  bool ok() const { return badIndex == std::u32string_view::npos; }
};
ShiftJisResult EncodeShiftJis(std::u32string_view text);

// UTF-8 to characters; nothing when the bytes are not valid UTF-8. (The other way is ToUtf8 of
// text/utf8.h.)
std::optional<std::u32string> DecodeUtf8(std::string_view utf8);

// Shift-JIS bytes straight to UTF-8, for file names and messages.
std::string ShiftJisToUtf8(std::string_view bytes);

}  // namespace korvela
