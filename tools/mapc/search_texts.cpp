#include "search_texts.h"

#include <cstdio>
#include <optional>
#include <sstream>
#include <vector>

#include "map/shift_jis.h"
#include "platform/regular_file.h"
#include "source_error.h"
#include "text/utf8.h"

namespace mapc {

namespace {

namespace fs = std::filesystem;

constexpr int kLargestFlag = 20;

struct Entry {
  int index = -1;
  int line = 0;
  std::string utf8;
};

[[noreturn]] void Fail(const fs::path& file, const Entry& e, const std::string& what) {
  throw SourceError(file.string() + ": line " + std::to_string(e.line) + ", text " +
                    std::to_string(e.index) + ": " + what);
}

int HexValue(char32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A') + 10;
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a') + 10;
  return -1;
}

// Checks the mark-up the way the message window reads it: the codes that take a two-digit
// argument have one, flag numbers stay within the flags, and an end code is there.
void CheckMarkUp(const std::u32string& text, const fs::path& file, const Entry& e) {
  bool ended = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (c == 'e') ended = true;
    if (c != 'S' && c != 'R' && c != 'F' && c != 'w') continue;
    const int hi = i + 1 < text.size() ? HexValue(text[i + 1]) : -1;
    const int lo = i + 2 < text.size() ? HexValue(text[i + 2]) : -1;
    if (hi < 0 || lo < 0) {
      Fail(file, e,
           std::string("code ") + static_cast<char>(c) + " at character " + std::to_string(i + 1) +
               " needs two hex digits");
    }
    if (c != 'w' && hi * 16 + lo > kLargestFlag) {
      Fail(file, e,
           std::string("code ") + static_cast<char>(c) + " names flag " +
               std::to_string(hi * 16 + lo) + "; flags run from 00 to 14");
    }
    i += 2;
  }
  if (!ended) Fail(file, e, "no end code e");
}

std::string Describe(char32_t c) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
  return std::string(code) + " '" + korvela::ToUtf8(std::u32string(1, c)) + "'";
}

std::string Record(const Entry& e, const fs::path& file) {
  const auto text = korvela::DecodeUtf8(e.utf8);
  if (!text) Fail(file, e, "not valid UTF-8");
  CheckMarkUp(*text, file, e);
  const korvela::ShiftJisResult sjis = korvela::EncodeShiftJis(*text);
  if (!sjis.ok())
    Fail(file, e, "character " + Describe((*text)[sjis.badIndex]) + " has no Shift-JIS form");
  if (sjis.bytes.size() > kTextBytes) {
    Fail(file, e, std::to_string(sjis.bytes.size()) + " bytes in Shift-JIS, at most 200");
  }
  std::string record = sjis.bytes;
  record.resize(kTextBytes, ' ');
  return record;
}

std::string_view TrimEnd(std::string_view s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::string_view TrimStart(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  return s;
}

[[noreturn]] void FailLine(const fs::path& file, int line, const std::string& what) {
  throw SourceError(file.string() + ": line " + std::to_string(line) + ": " + what);
}

// One "INDEX: text" line; nothing when the line does not start with digits and a colon.
std::optional<Entry> StartOfEntry(std::string_view line, int lineNo, const fs::path& file) {
  size_t digits = 0;
  while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') ++digits;
  if (digits == 0 || digits >= line.size() || line[digits] != ':') return std::nullopt;
  if (digits > 3) FailLine(file, lineNo, "text number out of 0..255");
  const int index = std::stoi(std::string(line.substr(0, digits)));
  if (index > 255)
    FailLine(file, lineNo, "text number " + std::to_string(index) + " out of 0..255");
  return Entry{index, lineNo, std::string(TrimStart(line.substr(digits + 1)))};
}

}  // namespace

TextRecords ParseSearchTexts(const std::string& utf8, const fs::path& file) {
  std::vector<Entry> entries;
  std::istringstream in(utf8);
  std::string raw;
  int lineNo = 0;
  while (std::getline(in, raw)) {
    ++lineNo;
    const std::string_view line = TrimEnd(raw);
    if (TrimStart(line).empty() || TrimStart(line).front() == '#') continue;
    if (line.front() == ' ' || line.front() == '\t') {
      if (entries.empty()) FailLine(file, lineNo, "a continued line with no text above it");
      entries.back().utf8 += TrimStart(line);
      continue;
    }
    auto entry = StartOfEntry(line, lineNo, file);
    if (!entry) FailLine(file, lineNo, "expected \"NUMBER: text\"");
    for (const Entry& earlier : entries) {
      if (earlier.index == entry->index) {
        FailLine(file, lineNo,
                 "text " + std::to_string(entry->index) + " is already given on line " +
                     std::to_string(earlier.line));
      }
    }
    entries.push_back(*std::move(entry));
  }

  TextRecords records;
  records.fill(std::string(kTextBytes, ' '));
  for (const Entry& e : entries) records[static_cast<size_t>(e.index)] = Record(e, file);
  return records;
}

TextRecords ReadSearchTexts(const fs::path& file) {
  // 256 texts of 200 bytes, with comments, are far below this.
  constexpr size_t kLargestTexts = 16 << 20;
  const platform::FileBytes source = platform::ReadRegularFile(file, kLargestTexts + 1);
  if (!source.Ok()) {
    throw SourceError(file.string() + ": cannot open the search texts: " + source.why);
  }
  if (source.bytes.size() > kLargestTexts) throw SourceError(file.string() + ": too large");
  return ParseSearchTexts(source.bytes, file);
}

}  // namespace mapc
