#include "platform/input_script.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace platform {

std::optional<std::vector<InputEvent>> ParseInputScript(std::string_view text, std::string* error) {
  std::vector<InputEvent> events;
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
      if (error) *error = "line " + std::to_string(number) + ": " + why + ": " + line;
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
      if (!key) return fail("unknown key '" + keyName + "'");
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
