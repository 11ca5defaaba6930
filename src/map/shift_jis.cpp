#include "map/shift_jis.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "text/utf8.h"

namespace korvela {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts from *in onward, appending to out, until the input is used up or a sequence cannot
  // be converted. Advances *in and *left past what was converted; returns 0, EILSEQ or EINVAL.
  int Run(const char** in, size_t* left, std::string& out) {
    char buffer[256];
    while (*left > 0) {
      char* dst = buffer;
      size_t room = sizeof buffer;
      const size_t rc = iconv(cd_, const_cast<char**>(in), left, &dst, &room);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) return errno;
    }
    return 0;
  }

 private:
  iconv_t cd_;
};

// UTF-32LE bytes as produced by iconv, to characters.
std::u32string FromUtf32Le(const std::string& bytes) {
  std::u32string out;
  out.reserve(bytes.size() / 4);
  for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
    const auto b = [&](size_t k) {
      return static_cast<char32_t>(static_cast<uint8_t>(bytes[i + k]));
    };
    out.push_back(b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24);
  }
  return out;
}

std::string ToUtf32Le(std::u32string_view text) {
  std::string out;
  out.reserve(text.size() * 4);
  for (char32_t c : text) {
    for (int shift = 0; shift < 32; shift += 8)
      out.push_back(static_cast<char>((c >> shift) & 0xFF));
  }
  return out;
}

}  // namespace

std::u32string DecodeShiftJis(std::string_view bytes) {
  Converter cv("UTF-32LE", "CP932");
  std::string utf32;
  const char* in = bytes.data();
  size_t left = bytes.size();
  std::u32string out;
  while (left > 0) {
    const int err = cv.Run(&in, &left, utf32);
    out += FromUtf32Le(utf32);
    utf32.clear();
    if (err == 0) break;
    // Not Shift-JIS: mark the spot and go on with the next byte (or stop at a cut-off end).
    out.push_back(kReplacement);
    if (err == EINVAL) break;
    ++in;
    --left;
  }
  return out;
}

ShiftJisResult EncodeShiftJis(std::u32string_view text) {
  Converter cv("CP932", "UTF-32LE");
  const std::string utf32 = ToUtf32Le(text);
  const char* in = utf32.data();
  size_t left = utf32.size();
  ShiftJisResult result;
  if (cv.Run(&in, &left, result.bytes) != 0) {
    result.badIndex = static_cast<size_t>(in - utf32.data()) / 4;
  }
  return result;
}

std::optional<std::u32string> DecodeUtf8(std::string_view utf8) {
  Converter cv("UTF-32LE", "UTF-8");
  std::string utf32;
  const char* in = utf8.data();
  size_t left = utf8.size();
  if (cv.Run(&in, &left, utf32) != 0) return std::nullopt;
  return FromUtf32Le(utf32);
}

std::string ShiftJisToUtf8(std::string_view bytes) { return ToUtf8(DecodeShiftJis(bytes)); }

}  // namespace korvela
