#include "platform/input_script.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>
#include <utility>

#include "platform/regular_file.h"

namespace platform {

namespace {

// A save file is a few dozen bytes; anything much longer is not one.
constexpr size_t kMaxSaveBytes = 4096;
constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kShownLineBytes = 60;
// A script of a thousand games is a few hundred KiB; anything near this is not a script.
constexpr size_t kLargestScript = 64 << 20;

template <typename Number>
bool ParseNumber(const std::string& text, Number* out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

std::optional<std::vector<uint8_t>> ParseHex(const std::string& text) {
  if (text.size() % 2 != 0 || text.size() > 2 * kMaxSaveBytes) return std::nullopt;
  std::vector<uint8_t> bytes(text.size() / 2);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char* pair = text.data() + 2 * i;
    const auto [end, ec] = std::from_chars(pair, pair + 2, bytes[i], 16);
    if (ec != std::errc() || end != pair + 2) return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::string QuotedLine(std::string_view line) {
  std::string out = "\"";
  size_t shown = std::min(line.size(), kShownLineBytes);
  // Cut between characters, not inside one.
  while (shown > 0 && shown < line.size() &&
         (static_cast<unsigned char>(line[shown]) & 0xC0) == 0x80) {
    --shown;
  }
  for (size_t i = 0; i < shown; ++i) {
    const auto c = static_cast<unsigned char>(line[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    } else {
      out += static_cast<char>(c);  // UTF-8 text shows as itself
    }
  }
  out += '"';
  if (shown < line.size()) out += " (" + std::to_string(line.size()) + " bytes, cut short)";
  return out;
}

std::optional<InputScript> ParseInputFile(std::string_view text, std::string* error) {
  InputScript script;
  // Editors on some systems start a UTF-8 file with a byte-order mark.
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  std::istringstream in{std::string(text)};
  std::string line;
  int number = 0;
  bool first = true;  // no line but comments yet
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string head, verb, keyName, extra;
    if (!(words >> head) || head[0] == '#') continue;
    words >> verb >> keyName >> extra;
    const bool wasFirst = std::exchange(first, false);
    auto fail = [&](const std::string& why) {
      if (error) *error = "line " + std::to_string(number) + ": " + why + ": " + QuotedLine(line);
      return std::nullopt;
    };
    if (head == "format") {
      if (!wasFirst) return fail("the format line must come first");
      if (verb != "moments" && verb != "times") return fail("the format is moments or times");
      if (!keyName.empty()) return fail("unexpected text after the format");
      script.byMoment = verb == "moments";
      continue;
    }
    if (head == "seed") {
      uint32_t seed;
      if (script.seed) return fail("a second seed");
      if (!ParseNumber(verb, &seed) || !keyName.empty()) return fail("bad seed");
      script.seed = seed;
      continue;
    }
    if (head == "save") {
      if (script.startSave) return fail("a second save");
      script.startSave = verb == "none" ? std::vector<uint8_t>{} : ParseHex(verb);
      if (!script.startSave || verb.empty() || !keyName.empty()) {
        return fail("the save is none or its bytes in hexadecimal");
      }
      continue;
    }
    InputEvent e;
    const bool at = script.byMoment ? ParseNumber(head, &e.moment) : ParseNumber(head, &e.ms);
    if (!at) return fail(script.byMoment ? "bad moment" : "bad time");
    if (verb == "quit") {
      if (!keyName.empty()) return fail("quit takes no key");
      e.kind = InputEvent::Kind::Quit;
    } else if (verb == "down" || verb == "up") {
      const auto key = KeyFromName(keyName);
      if (!key) return fail("unknown key");
      if (!extra.empty()) return fail("unexpected text after the key");
      e.kind = verb == "down" ? InputEvent::Kind::Down : InputEvent::Kind::Up;
      e.key = *key;
    } else {
      return fail("expected down, up or quit");
    }
    script.events.push_back(e);
  }
  std::stable_sort(script.events.begin(), script.events.end(),
                   [&](const InputEvent& a, const InputEvent& b) {
                     return script.byMoment ? a.moment < b.moment : a.ms < b.ms;
                   });
  return script;
}

std::optional<std::vector<InputEvent>> ParseInputScript(std::string_view text, std::string* error) {
  auto script = ParseInputFile(text, error);
  if (!script) return std::nullopt;
  if (script->byMoment) {
    if (error) *error = "a recording by the game's moments, not a script of times";
    return std::nullopt;
  }
  return std::move(script->events);
}

std::string FormatInputEvent(const InputEvent& e, bool byMoment) {
  std::string line = byMoment ? std::to_string(e.moment) : std::to_string(e.ms);
  switch (e.kind) {
    case InputEvent::Kind::Quit:
      return line + " quit";
    case InputEvent::Kind::Down:
      return line + " down " + std::string(KeyName(e.key));
    case InputEvent::Kind::Up:
      return line + " up " + std::string(KeyName(e.key));
  }
  return line;
}

std::string FormatRecordingHeader(uint32_t seed, const std::optional<std::vector<uint8_t>>& save) {
  std::string text =
      "format moments\n"
      "# Replay with: korvela --headless --input FILE. Each key change is tagged with the number\n"
      "# of key queries and yields the game had made when the change reached it.\n"
      "seed " +
      std::to_string(seed) + "\n";
  if (save) {
    text += "save ";
    if (save->empty()) text += "none";
    for (const uint8_t b : *save) {
      text += kHexDigits[b >> 4];
      text += kHexDigits[b & 15];
    }
    text += "\n";
  }
  return text;
}

std::optional<InputScript> LoadInputScript(const std::filesystem::path& path, std::string* error) {
  const FileBytes file = ReadRegularFile(path, kLargestScript + 1);
  if (!file.Ok()) {
    *error = "cannot read the input script " + path.string() + ": " + file.why;
    return std::nullopt;
  }
  if (file.bytes.size() > kLargestScript) {
    *error = "the input script " + path.string() + " is larger than " +
             std::to_string(kLargestScript >> 20) + " MiB";
    return std::nullopt;
  }
  std::string why;
  auto script = ParseInputFile(file.bytes, &why);
  if (!script) *error = path.string() + " " + why;
  return script;
}

}  // namespace platform
