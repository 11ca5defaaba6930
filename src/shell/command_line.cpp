#include "shell/command_line.h"

#include <charconv>

namespace korvela {

namespace {

bool ParseNumber(const std::string& text, uint32_t* out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

const char* UsageText() {
  return "usage: korvela [--scale N] [--soundfont FILE] [--record FILE] [--data DIR]\n"
         "       korvela --headless [--input FILE] [--until MS] [--shot MS:FILE.png]...\n"
         "               [--log FILE] [--data DIR]\n";
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string* error) {
  CommandLine cl;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string* {
      if (i + 1 >= args.size()) return nullptr;
      return &args[++i];
    };
    auto fail = [&](const std::string& why) {
      *error = a + ": " + why;
      return std::nullopt;
    };
    if (a == "--headless") {
      cl.headless = true;
    } else if (a == "--help" || a == "-h") {
      cl.help = true;
    } else if (a == "--input" || a == "--log" || a == "--data" || a == "--soundfont" ||
               a == "--record") {
      const std::string* v = value();
      if (!v) return fail("needs a file or folder");
      if (a == "--input") cl.inputScript = *v;
      if (a == "--log") cl.logPath = *v;
      if (a == "--data") cl.dataDir = *v;
      if (a == "--soundfont") cl.soundFont = *v;
      if (a == "--record") cl.recordPath = *v;
    } else if (a == "--until") {
      const std::string* v = value();
      uint32_t ms;
      if (!v || !ParseNumber(*v, &ms)) return fail("needs a time in milliseconds");
      cl.untilMs = ms;
    } else if (a == "--scale") {
      const std::string* v = value();
      uint32_t n;
      if (!v || !ParseNumber(*v, &n) || n < 1 || n > 8) return fail("needs a whole number 1..8");
      cl.scale = static_cast<int>(n);
    } else if (a == "--shot") {
      const std::string* v = value();
      const size_t colon = v ? v->find(':') : std::string::npos;
      uint32_t ms;
      if (colon == std::string::npos || !ParseNumber(v->substr(0, colon), &ms) ||
          colon + 1 == v->size()) {
        return fail("needs MS:FILE.png");
      }
      cl.shots.emplace_back(ms, v->substr(colon + 1));
    } else {
      return fail("unknown option");
    }
  }
  const bool headlessOnly =
      !cl.inputScript.empty() || cl.untilMs || !cl.shots.empty() || !cl.logPath.empty();
  if (headlessOnly && !cl.headless) {
    *error = "--input, --until, --shot and --log need --headless";
    return std::nullopt;
  }
  return cl;
}

}  // namespace korvela
