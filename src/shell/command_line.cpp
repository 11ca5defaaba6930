#include "shell/command_line.h"

#include <CLI/CLI.hpp>
#include <charconv>

#ifndef KORVELA_VERSION
#define KORVELA_VERSION "unknown"
#endif

namespace korvela {

namespace {

bool ParseNumber(const std::string& text, uint32_t* out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *out);
  return ec == std::errc() && end == text.data() + text.size();
}

// "MS:FILE.png" of --shot.
std::string ReadShot(const std::string& text, CommandLine* cl) {
  const size_t colon = text.find(':');
  uint32_t ms;
  if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), &ms) ||
      colon + 1 == text.size()) {
    return "--shot needs MS:FILE.png, not " + text;
  }
  cl->shots.emplace_back(ms, text.substr(colon + 1));
  return "";
}

void AddSettingOptions(CLI::App& app, CommandLine* cl) {
  for (const SettingOption& o : SettingOptions()) {
    if (o.isSwitch) {
      app.add_flag_function(
             o.option + ",!--no-" + o.option.substr(2),
             [cl, o](std::int64_t n) {
               cl->settings.push_back({o.section, o.key, n > 0 ? "true" : "false"});
             },
             o.help)
          ->group("Settings")
          ->type_name("VALUE");
    } else {
      app.add_option_function<std::string>(
             o.option,
             [cl, o](const std::string& v) {
               cl->settings.push_back({o.section, o.key, v});
             },
             o.help)
          ->group("Settings")
          ->type_name("VALUE");
    }
  }
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args,
                                            std::string* error) {
  CommandLine cl;
  CLI::App app("KORVELA: a small action role-playing game.", "korvela");
  app.set_version_flag("--version", std::string("korvela ") + KORVELA_VERSION);
  app.add_option("--record", cl.recordPath,
                 "record the keys, the seed and the starting save for an exact replay")
      ->type_name("FILE");
  app.add_option("--data", cl.dataDir, "read DATA/ and Sound/ from this folder")->type_name("DIR");
  app.add_option("--settings", cl.settingsPath, "read this settings file instead of the usual")
      ->type_name("FILE");
  app.add_option("--seed", cl.seed, "seed of the random numbers (the same seed, the same game)")
      ->type_name("N");
  app.add_option("--log", cl.logPath, "write one JSON object per line for every effect")
      ->type_name("FILE");
  app.add_flag("--headless", cl.headless, "run without a window on a virtual clock");
  auto* headless = app.add_option_group("Headless", "only with --headless");
  headless
      ->add_option("--input", cl.inputScript,
                   "an input script (<ms> down|up <Key> per line) or a --record file")
      ->type_name("FILE");
  headless->add_option("--until", cl.untilMs, "stop at this virtual time")->type_name("MS");
  std::vector<std::string> shots;
  headless->add_option("--shot", shots, "write the play screen as a PNG at a time")
      ->type_name("MS:FILE.png");
  AddSettingOptions(app, &cl);

  // CLI11 reads the arguments from last to first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    cl.exitText = app.help();
    return cl;
  } catch (const CLI::CallForVersion&) {
    cl.exitText = app.version() + "\n";
    return cl;
  } catch (const CLI::ParseError& e) {
    *error = std::string(e.what()) + " (see --help)";
    return std::nullopt;
  }
  for (const std::string& s : shots) {
    if (std::string why = ReadShot(s, &cl); !why.empty()) {
      *error = why;
      return std::nullopt;
    }
  }
  Settings scratch;
  for (const SettingValue& v : cl.settings) {
    if (std::string why; !ApplySetting(&scratch, v, &why)) {
      *error = why;
      return std::nullopt;
    }
  }
  const bool headlessOnly = !cl.inputScript.empty() || cl.untilMs || !cl.shots.empty();
  if (headlessOnly && !cl.headless) {
    *error = "--input, --until and --shot need --headless";
    return std::nullopt;
  }
  return cl;
}

}  // namespace korvela
