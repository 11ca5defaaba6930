#include "platform/input_script.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "platform/regular_file.h"

namespace platform {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr size_t kShownLineBytes = 60;
// A script of a thousand games is a few hundred KiB; anything near this is not a script.
constexpr size_t kLargestScript = 64 << 20;

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

std::optional<std::vector<InputEvent>> ParseInputScript(std::string_view text, std::string* error) {
  std::vector<InputEvent> events;
  // Editors on some systems start a UTF-8 file with a byte-order mark.
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  std::istringstream in{std::string(text)};
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    std::string time, verb, keyName, extra;
    if (!(words >> time) || time[0] == '#') continue;
    words >> verb >> keyName >> extra;
    auto fail = [&](const std::string& why) {
      if (error) *error = "line " + std::to_string(number) + ": " + why + ": " + QuotedLine(line);
      return std::nullopt;
    };
    InputEvent e;
    const auto [end, ec] = std::from_chars(time.data(), time.data() + time.size(), e.ms);
    if (ec != std::errc() || end != time.data() + time.size()) return fail("bad time");
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
    events.push_back(e);
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const InputEvent& a, const InputEvent& b) { return a.ms < b.ms; });
  return events;
}

std::string FormatInputEvent(const InputEvent& e) {
  std::string line = std::to_string(e.ms);
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

}  // namespace platform

namespace platform {

std::optional<std::vector<InputEvent>> LoadInputScript(const std::filesystem::path& path,
                                                       std::string* error) {
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
  auto events = ParseInputScript(file.bytes, &why);
  if (!events) *error = path.string() + " " + why;
  return events;
}

}  // namespace platform
