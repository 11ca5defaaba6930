#include "platform/headless_platform.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>

#include "platform/image_io.h"
#include "platform/midi_length.h"
#include "platform/music_command.h"

namespace platform {

namespace {

constexpr uint64_t kMusicTimerMs = 1000;
// A run that stops yielding is cut off this long after its end time, so a stuck loop cannot
// hang a test.
constexpr uint64_t kOverrunMs = 60000;

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(float value) {
  if (!std::isfinite(value)) return "null";  // JSON has no NaN or infinity
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
  return text;
}

HeadlessPlatform::HeadlessPlatform(HeadlessOptions options) : options_(std::move(options)) {
  std::stable_sort(options_.shots.begin(), options_.shots.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  if (!options_.logPath.empty()) {
    log_.open(options_.logPath, std::ios::trunc);
    if (!log_) std::cerr << "korvela: cannot write the log " << options_.logPath << "\n";
  }
}

HeadlessPlatform::~HeadlessPlatform() { Finish(); }

void HeadlessPlatform::ApplyDueInput() {
  while (nextInput_ < options_.input.size() && options_.input[nextInput_].ms <= now_) {
    const InputEvent& e = options_.input[nextInput_++];
    switch (e.kind) {
      case InputEvent::Kind::Down:
        Press(e.key);
        break;
      case InputEvent::Kind::Up:
        Release(e.key);
        break;
      case InputEvent::Kind::Quit:
        quitPending_ = true;
        break;
    }
  }
  if (options_.untilMs && now_ >= *options_.untilMs) quitPending_ = true;
}

void HeadlessPlatform::WriteDueShots() {
  while (nextShot_ < options_.shots.size() && options_.shots[nextShot_].first <= now_) {
    const auto& path = options_.shots[nextShot_++].second;
    std::string error;
    if (lastFrame_.Empty() || !SavePng(lastFrame_, path, &error)) {
      std::cerr << "korvela: screenshot " << path << " not written "
                << (error.empty() ? "(nothing shown yet)" : error) << "\n";
    } else {
      Record("shot", path.string());
    }
  }
}

void HeadlessPlatform::Advance(uint32_t ms) {
  // Step from one script event or screenshot time to the next, so that a press and a release
  // inside one long sleep both happen, in order.
  const uint64_t target = now_ + ms;
  for (;;) {
    ApplyDueInput();
    WriteDueShots();
    if (now_ >= target) break;
    uint64_t next = target;
    if (nextInput_ < options_.input.size()) {
      next = std::min<uint64_t>(next, options_.input[nextInput_].ms);
    }
    if (nextShot_ < options_.shots.size()) {
      next = std::min<uint64_t>(next, options_.shots[nextShot_].first);
    }
    now_ = next;
  }
  if (options_.untilMs && now_ > *options_.untilMs + kOverrunMs) throw QuitRequested{};
}

void HeadlessPlatform::ScheduleInput(const InputEvent& e) {
  InputEvent due = e;
  due.ms = static_cast<uint32_t>(std::max<uint64_t>(e.ms, now_));
  auto& input = options_.input;
  const auto at =
      std::upper_bound(input.begin() + static_cast<std::ptrdiff_t>(nextInput_), input.end(), due.ms,
                       [](uint32_t ms, const InputEvent& other) { return ms < other.ms; });
  input.insert(at, due);
}

uint32_t HeadlessPlatform::Clock() {
  ApplyDueInput();
  return static_cast<uint32_t>(now_);
}

void HeadlessPlatform::Sleep(uint32_t ms) { Advance(ms); }

void HeadlessPlatform::Yield() {
  ApplyDueInput();
  while (!releases_.empty()) {
    const int code = releases_.front();
    releases_.pop_front();
    if (events_) events_->KeyUp(code);
  }
  if (now_ - lastTimerTick_ >= kMusicTimerMs) {
    // Several seconds without a yield give one tick, not several.
    lastTimerTick_ = now_ - (now_ - lastTimerTick_) % kMusicTimerMs;
    if (events_) events_->MusicTimer();
  }
  if (quitPending_) {
    quitPending_ = false;
    if (events_) events_->Close();
    throw QuitRequested{};
  }
}

KeyState HeadlessPlatform::QueryKey(Key key) {
  ApplyDueInput();
  const int i = static_cast<int>(key);
  KeyState s{held_[i], pressed_[i]};
  pressed_[i] = false;
  return s;
}

void HeadlessPlatform::Press(Key key) {
  const int i = static_cast<int>(key);
  held_[i] = true;
  pressed_[i] = true;
}

void HeadlessPlatform::Release(Key key) {
  const int i = static_cast<int>(key);
  if (held_[i]) releases_.push_back(VirtualKeyCode(key));
  held_[i] = false;
}

void HeadlessPlatform::Present(const Surface& crt) {
  if (lastFrame_.Width() != 480 || lastFrame_.Height() != 384) lastFrame_ = Surface(480, 384);
  lastFrame_.BitBlt(0, 0, 480, 384, crt, 0, 0, RasterOp::SrcCopy);
  ++framesPresented_;
  if (presentCost_) Advance(presentCost_);
}

void HeadlessPlatform::SetCaption(std::string_view utf8) {
  caption_ = std::string(utf8);
  Record("caption", caption_);
}

std::string HeadlessPlatform::SendMusicCommand(std::string_view command) {
  Record("music", std::string(command));
  const auto c = ParseMusicCommand(command);
  if (!c || c->alias != "MIDI") return "";
  using Verb = MusicCommand::Verb;
  if (c->verb == Verb::Open) {
    const auto length = MidiFileLengthMs(c->path);
    if (musicOpen_ || !length) return "";  // an open alias, or a file that is not there
    musicOpen_ = true;
    musicPlaying_ = false;
    musicPosition_ = 0;
    musicLength_ = *length;
    return "";
  }
  if (!musicOpen_) return "";
  // A track that has played to its end stands stopped at its end.
  if (musicPlaying_ && now_ - musicStartedAt_ >= musicLength_) {
    musicPlaying_ = false;
    musicPosition_ = musicLength_;
  }
  switch (c->verb) {
    case Verb::Close:
      musicOpen_ = musicPlaying_ = false;
      return "";
    case Verb::Play:
      if (!musicPlaying_ && musicPosition_ < musicLength_) {
        musicPlaying_ = true;
        musicStartedAt_ = now_ - musicPosition_;
      }
      return "";
    case Verb::PlayFromStart:
      musicPlaying_ = true;
      musicStartedAt_ = now_;
      return "";
    case Verb::Stop:
      if (musicPlaying_) musicPosition_ = now_ - musicStartedAt_;
      musicPlaying_ = false;
      return "";
    case Verb::SeekToStart:
      musicPlaying_ = false;
      musicPosition_ = 0;
      return "";
    case Verb::Status:
      return musicPlaying_ ? "playing" : "stopped";
    case Verb::Open:
      break;
  }
  return "";
}

void HeadlessPlatform::PlaySound(const std::filesystem::path& wav) {
  Record("sound", wav.filename().string());
}

void HeadlessPlatform::ShowError(std::string_view message) {
  std::cerr << "korvela: " << message << "\n";
  Record("error", std::string(message));
}

void HeadlessPlatform::NoteFileWritten(const std::filesystem::path& path) {
  Record("file", path.string());
}

void HeadlessPlatform::NoteFrame(const FrameRecord& r) {
  lastRecord_ = r;
  if (!log_.is_open()) return;
  const std::string numbers = "\"hp\":" + JsonNumber(r.hp) + ",\"mp\":" + JsonNumber(r.mp);
  LogLine("{\"t\":" + std::to_string(now_) + ",\"frame\":{\"mode\":" + std::to_string(r.mode) +
          ",\"map\":" + JsonString(r.map) + ",\"origin\":[" + std::to_string(r.originX) + "," +
          std::to_string(r.originY) + "],\"scroll\":[" + std::to_string(r.scrollX) + "," +
          std::to_string(r.scrollY) + "],\"playerY\":" + std::to_string(r.playerY) +
          ",\"facing\":" + std::to_string(r.facing) + ",\"anim\":" + std::to_string(r.animStep) +
          "," + numbers + ",\"exp\":" + std::to_string(r.exp) + ",\"level\":" +
          std::to_string(r.level) + ",\"active\":{\"shots\":" + std::to_string(r.shots) +
          ",\"fires\":" + std::to_string(r.fires) + ",\"bombs\":" + std::to_string(r.bombs) +
          ",\"enemies\":" + std::to_string(r.enemies) + ",\"bosses\":" + std::to_string(r.bosses) +
          ",\"enemyShots\":" + std::to_string(r.enemyShots) + "}}}");
}

void HeadlessPlatform::Record(const std::string& what, const std::string& detail) {
  if (options_.keepEffects) effects_.push_back({static_cast<uint32_t>(now_), what, detail});
  LogLine("{\"t\":" + std::to_string(now_) + ",\"" + what + "\":" + JsonString(detail) + "}");
}

void HeadlessPlatform::LogLine(const std::string& json) {
  if (log_.is_open()) log_ << json << '\n';
}

void HeadlessPlatform::Finish() {
  // Shots asked for after the game stopped show its last frame.
  while (nextShot_ < options_.shots.size()) {
    options_.shots[nextShot_].first = static_cast<uint32_t>(now_);
    WriteDueShots();
  }
  if (log_.is_open()) log_.close();
}

}  // namespace platform
