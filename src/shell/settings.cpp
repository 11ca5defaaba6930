#include "shell/settings.h"

#include <ini.h>
#include <unistd.h>

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>

#include "platform/regular_file.h"

namespace korvela {

namespace {

// One setting: where it lives in the file, what the comment above it says, and how its text
// is read and written.
struct Row {
  std::string section, key, comment;
  std::function<bool(Settings&, const std::string&, std::string*)> set;
  std::function<std::string(const Settings&)> get;
  bool isSwitch = false;
};

Row IntRow(std::string section, std::string key, int Settings::*member, int lo, int hi,
           std::string comment) {
  Row r{std::move(section), std::move(key), std::move(comment), nullptr, nullptr};
  r.set = [member, lo, hi](Settings& s, const std::string& text, std::string* why) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || end != text.data() + text.size() || n < lo || n > hi) {
      *why = "needs a whole number " + std::to_string(lo) + ".." + std::to_string(hi);
      return false;
    }
    s.*member = n;
    return true;
  };
  r.get = [member](const Settings& s) { return std::to_string(s.*member); };
  return r;
}

Row BoolRow(std::string section, std::string key, bool Settings::*member, std::string comment) {
  Row r{std::move(section), std::move(key), std::move(comment), nullptr, nullptr, true};
  r.set = [member](Settings& s, const std::string& text, std::string* why) {
    if (text == "true" || text == "yes" || text == "on" || text == "1") {
      s.*member = true;
    } else if (text == "false" || text == "no" || text == "off" || text == "0") {
      s.*member = false;
    } else {
      *why = "needs true or false";
      return false;
    }
    return true;
  };
  r.get = [member](const Settings& s) { return std::string(s.*member ? "true" : "false"); };
  return r;
}

// Text values may be quoted, so that an empty value or one with spaces reads plainly.
Row TextRow(std::string section, std::string key, std::string Settings::*member,
            std::string comment) {
  Row r{std::move(section), std::move(key), std::move(comment), nullptr, nullptr};
  r.set = [member](Settings& s, const std::string& text, std::string*) {
    std::string v = text;
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    s.*member = v;
    return true;
  };
  r.get = [member](const Settings& s) { return "\"" + s.*member + "\""; };
  return r;
}

// One of the game's keys in [keyboard] or [pad]: a list of names the platform knows.
Row BindingRow(bool pad, int key) {
  const std::string name(platform::kKeyNames[key]);
  Row r{pad ? "pad" : "keyboard", name, "", nullptr, nullptr};
  if (key == 0) {
    r.comment = pad ? "Controller inputs for each of the game's keys: buttons (a b x y back start\n"
                      "leftshoulder rightshoulder dpup dpdown dpleft dpright ...) or an axis with\n"
                      "a direction (leftx- leftx+ lefty- lefty+ triggerleft+ ...), comma-separated."
                    : "Keyboard keys for each of the game's keys, by name (Up, Z, Keypad 8, Left\n"
                      "Shift, ...), comma-separated; empty for none.";
  }
  r.set = [pad, key](Settings& s, const std::string& text, std::string* why) {
    const std::string unknown =
        pad ? platform::UnknownPadName(text) : platform::UnknownKeyboardName(text);
    if (!unknown.empty()) {
      *why = "no " + std::string(pad ? "controller input" : "key") + " called \"" + unknown + "\"";
      return false;
    }
    (pad ? s.bindings.pad : s.bindings.keyboard)[key] = text;
    return true;
  };
  r.get = [pad, key](const Settings& s) {
    return (pad ? s.bindings.pad : s.bindings.keyboard)[key];
  };
  return r;
}

std::vector<Row> MakeRows() {
  std::vector<Row> rows = {
      IntRow("window", "scale", &Settings::scale, 1, 4,
             "Window size as a multiple of 480 x 384 (1 to 4) while width and height are 0.\n"
             "Alt+1 to Alt+4 size the window while playing."),
      BoolRow("window", "fullscreen", &Settings::fullscreen,
              "Start in fullscreen (F11 or Alt+Enter switches; remembered on exit)."),
      IntRow("window", "width", &Settings::width, 0, 16384,
             "The window's last size in pixels out of fullscreen, remembered on exit (0: use\n"
             "the scale)."),
      IntRow("window", "height", &Settings::height, 0, 16384, ""),
      IntRow("window", "x", &Settings::x, -1, 65535,
             "Its last place on its display, from the display's top-left (-1: centred)."),
      IntRow("window", "y", &Settings::y, -1, 65535, ""),
      IntRow("window", "display", &Settings::display, 0, 63,
             "The display the window was last on, counted from 0."),
      IntRow("sound", "music_volume", &Settings::musicVolume, 0, 100, "Music volume, 0 to 100."),
      IntRow("sound", "effects_volume", &Settings::effectsVolume, 0, 100,
             "Sound effects volume, 0 to 100."),
      BoolRow("sound", "mute", &Settings::mute, "No sound at all."),
      BoolRow("sound", "mute_when_unfocused", &Settings::muteWhenUnfocused,
              "Silence while another window has the focus."),
      TextRow("sound", "soundfont", &Settings::soundFont,
              "A General MIDI SoundFont for the music (empty: look in the usual folders)."),
      TextRow("folders", "save_dir", &Settings::saveDir,
              "Folder of the save file (empty: beside the program when that folder is writable,\n"
              "otherwise $XDG_DATA_HOME/korvela)."),
      TextRow("folders", "screenshot_dir", &Settings::screenshotDir,
              "Folder for F12 screenshots (empty: the pictures folder, or the data folder)."),
      BoolRow("screenshots", "scaled", &Settings::scaledScreenshots,
              "true: screenshots are the window's scaled picture; false: 480 x 384."),
  };
  for (const bool pad : {false, true}) {
    for (int key = 0; key < platform::kKeyCount; ++key) rows.push_back(BindingRow(pad, key));
  }
  return rows;
}

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = MakeRows();
  return rows;
}

const Row* FindRow(const std::string& section, const std::string& key) {
  for (const Row& r : Rows()) {
    if (r.section == section && r.key == key) return &r;
  }
  return nullptr;
}

// inih reads the text line by line through this reader, which counts the lines so that a
// problem can be named with its line number. inih's line buffer holds kLongestLine characters
// and the newline; a longer line would reach it in pieces, each read as a line of its own (the
// end of a long comment taken as a setting), so such a line is skipped whole, and named unless
// it is a comment.
constexpr size_t kLongestLine = INI_MAX_LINE - 2;
// A settings file is a few KiB; anything far larger is something else.
constexpr size_t kLargestFile = 1 << 20;

struct ParseState {
  std::string_view rest;
  int line = 0;  // the line being read, counted from 1
  Settings* settings = nullptr;
  std::vector<std::string>* problems = nullptr;
};

char* ReadLine(char* buffer, int size, void* stream) {
  auto* st = static_cast<ParseState*>(stream);
  if (st->rest.empty() || size < 2) return nullptr;
  size_t n = st->rest.find('\n');
  n = n == std::string_view::npos ? st->rest.size() : n + 1;
  ++st->line;
  if (n > static_cast<size_t>(size - 1)) {
    const size_t text = st->rest.find_first_not_of(" \t");
    const bool comment = text < n && (st->rest[text] == ';' || st->rest[text] == '#');
    if (!comment) {
      st->problems->push_back("line " + std::to_string(st->line) + ": longer than " +
                              std::to_string(size - 2) + " characters; skipped");
    }
    st->rest.remove_prefix(n);
    std::strcpy(buffer, "\n");
    return buffer;
  }
  std::memcpy(buffer, st->rest.data(), n);
  buffer[n] = '\0';
  st->rest.remove_prefix(n);
  return buffer;
}

int OnValue(void* user, const char* section, const char* name, const char* value) {
  auto* st = static_cast<ParseState*>(user);
  const int line = st->line;
  std::string why;
  if (!ApplySetting(st->settings, {section, name, value}, &why)) {
    st->problems->push_back("line " + std::to_string(line) + ": " + why);
  }
  return 1;  // our own problems are already named; inih must not count them again
}

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return v && *v ? v : fallback;
}

// A line's text without the blanks around it.
std::string_view Trimmed(std::string_view t) {
  while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
  while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
  return t;
}

// The name of a "name = value" line (inih also takes ':'), or empty for any other line.
std::string_view NameOf(std::string_view line) {
  if (line.empty() || line.front() == ';' || line.front() == '#' || line.front() == '[') return {};
  const size_t sign = line.find_first_of("=:");
  return sign == std::string_view::npos ? std::string_view() : Trimmed(line.substr(0, sign));
}

bool WriteSettingsText(const std::filesystem::path& path, const std::string& text,
                       std::string* why) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  const std::filesystem::path temp = path.string() + ".new";
  {
    std::ofstream out(temp, std::ios::trunc | std::ios::binary);
    out << text;
    out.flush();
    if (!out) {
      *why = "cannot write the settings file " + path.string();
      std::filesystem::remove(temp, ec);
      return false;
    }
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    *why = "cannot write the settings file " + path.string() + ": " + ec.message();
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace

bool ApplySetting(Settings* s, const SettingValue& v, std::string* why) {
  const Row* row = FindRow(v.section, v.key);
  if (!row) {
    *why = "no setting \"" + v.key + "\" in [" + v.section + "]";
    return false;
  }
  std::string reason;
  Settings changed = *s;
  if (!row->set(changed, v.value, &reason)) {
    *why = v.key + " = " + v.value + ": " + reason;
    return false;
  }
  // The file must be able to hold what it is given, or the next read would lose it.
  if (row->key.size() + 3 + row->get(changed).size() > kLongestLine) {
    *why = v.key + ": too long for the settings file (a line holds " +
           std::to_string(kLongestLine) + " characters)";
    return false;
  }
  // The reader takes a ';' after a blank as the start of a comment, and the file puts a blank
  // after the '=', so such a value would come back cut short.
  const std::string written = " " + row->get(changed);
  for (size_t i = 1; i < written.size(); ++i) {
    if (written[i] == ';' && std::isspace(static_cast<unsigned char>(written[i - 1]))) {
      *why = v.key + " = " + v.value + ": a ';' after a blank would start a comment in the file";
      return false;
    }
  }
  *s = std::move(changed);
  return true;
}

Settings ParseSettings(std::string_view text, std::vector<std::string>* problems) {
  Settings s;
  ParseState st{text, 0, &s, problems};
  const int firstBad = ini_parse_stream(ReadLine, &st, OnValue, &st);
  // inih answers only the first line it could not read at all (no "=", an unclosed section).
  if (firstBad > 0) {
    problems->push_back("line " + std::to_string(firstBad) +
                        ": not a setting (name = value) or a [section]");
  }
  return s;
}

std::string FormatSettings(const Settings& s) {
  std::ostringstream out;
  out << "; KORVELA settings. Edit freely; the command line's options win over this file.\n"
         "; A line that cannot be read is reported and its setting keeps its default.\n";
  std::string section;
  for (const Row& r : Rows()) {
    if (r.section != section) {
      section = r.section;
      out << "\n[" << section << "]\n";
    }
    std::istringstream comment(r.comment);
    for (std::string line; std::getline(comment, line);) out << "; " << line << "\n";
    out << r.key << " = " << r.get(s) << "\n";
  }
  return out.str();
}

std::filesystem::path DefaultSettingsPath() {
  const std::string home = EnvOr("HOME", ".");
  return std::filesystem::path(EnvOr("XDG_CONFIG_HOME", home + "/.config")) / "korvela" /
         "settings.ini";
}

Settings LoadSettings(const std::filesystem::path& path, std::vector<std::string>* problems) {
  const platform::FileBytes file = platform::ReadRegularFile(path, kLargestFile + 1);
  if (file.problem == platform::FileBytes::Problem::Missing) {
    Settings defaults;
    std::string why;
    if (!SaveSettings(path, defaults, &why)) problems->push_back(why);
    return defaults;
  }
  if (!file.Ok() || file.bytes.size() > kLargestFile) {
    problems->push_back(path.string() + " is not a settings file (" +
                        (file.Ok() ? "larger than 1 MiB" : file.why) + "); using the defaults");
    return Settings{};
  }
  std::vector<std::string> found;
  Settings s = ParseSettings(file.bytes, &found);
  for (const std::string& p : found) problems->push_back(path.string() + " " + p);
  return s;
}

bool SaveSettings(const std::filesystem::path& path, const Settings& s, std::string* why) {
  return WriteSettingsText(path, FormatSettings(s), why);
}

std::string WithValues(std::string_view text, const Settings& s,
                       const std::vector<SettingValue>& which) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.emplace_back(text.substr(start, end - start));
    start = end;
  }
  if (!lines.empty() && lines.back().back() != '\n') lines.back() += '\n';
  for (const SettingValue& v : which) {
    const Row* row = FindRow(v.section, v.key);
    if (!row) continue;
    const std::string line = v.key + " = " + row->get(s) + "\n";
    std::string section;
    size_t sectionEnd = std::string::npos;  // after the section's last setting
    bool done = false;
    for (size_t i = 0; i < lines.size() && !done; ++i) {
      // `t` looks into lines[i], so it is not read again once that line is replaced.
      const std::string_view t = Trimmed(lines[i]);
      const bool header = t.starts_with('[');
      if (header) {
        section = std::string(Trimmed(t.substr(1, t.find(']') - 1)));
      } else if (section == v.section && NameOf(t) == v.key) {
        lines[i] = line;
        done = true;
      } else if (section == v.section && !NameOf(t).empty()) {
        sectionEnd = i + 1;
      }
      if (section == v.section && header) sectionEnd = i + 1;
    }
    if (done) continue;
    if (sectionEnd != std::string::npos) {
      lines.insert(lines.begin() + static_cast<ptrdiff_t>(sectionEnd), line);
    } else {
      lines.push_back("\n[" + v.section + "]\n");
      lines.push_back(line);
    }
  }
  std::string out;
  for (const std::string& l : lines) out += l;
  return out;
}

bool RememberSettings(const std::filesystem::path& path, const Settings& s,
                      const std::vector<SettingValue>& which, std::string* why) {
  std::string text = FormatSettings(Settings{});
  const platform::FileBytes file = platform::ReadRegularFile(path, kLargestFile + 1);
  if (file.problem != platform::FileBytes::Problem::Missing) {
    if (!file.Ok() || file.bytes.size() > kLargestFile) {
      *why = "cannot read the settings file " + path.string() + " (" +
             (file.Ok() ? "larger than 1 MiB" : file.why) + ")";
      return false;
    }
    text = file.bytes;
  }
  return WriteSettingsText(path, WithValues(text, s, which), why);
}

std::vector<SettingOption> SettingOptions() {
  std::vector<SettingOption> options;
  for (const Row& r : Rows()) {
    std::string name = r.key;
    for (char& c : name) {
      if (c == '_') c = '-';
    }
    // Screenshot and window keys are ambiguous alone ("scaled", "width").
    if (r.section == "screenshots") name = "scaled-screenshots";
    if (r.section == "window" && r.key != "scale" && r.key != "fullscreen") name = "window-" + name;
    if (r.section == "keyboard" || r.section == "pad") {
      name = (r.section == "pad" ? "pad-" : "key-") + r.key;
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    std::string help = r.comment.substr(0, r.comment.find('\n'));
    if (r.section == "keyboard" || r.section == "pad") help = r.section + " names for " + r.key;
    if (help.empty()) help = "the window's " + r.key + (r.key == "height" ? " in pixels" : "");
    options.push_back({"--" + name, r.section, r.key, help, r.isSwitch});
  }
  return options;
}

}  // namespace korvela
