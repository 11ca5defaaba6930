#include "platform/headless_platform.h"

#include <algorithm>
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

HeadlessPlatform::HeadlessPlatform(HeadlessOptions options) : options_(std::move(options)) {
  std::stable_sort(options_.shots.begin(), options_.shots.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  if (!options_.logPath.empty() && !log_.Open(options_.logPath)) {
    std::cerr << "korvela: cannot write the log " << options_.logPath << "\n";
  }
}

HeadlessPlatform::~HeadlessPlatform() { Finish(); }

bool HeadlessPlatform::InputDue() const {
  if (nextInput_ >= options_.input.size()) return false;
  const InputEvent& e = options_.input[nextInput_];
  return options_.inputByMoment ? e.moment <= Moment() : e.ms <= now_;
}

void HeadlessPlatform::ApplyDueInput() {
  while (InputDue()) {
    const InputEvent& e = options_.input[nextInput_++];
    switch (e.kind) {
      case InputEvent::Kind::Down:
        Press(e.key);
        break;
      case InputEvent::Kind::Up:
        Release(e.key);
        break;
      case InputEvent::Kind::Quit:
        RequestQuit();
        break;
    }
  }
  if (options_.untilMs && now_ >= *options_.untilMs) RequestQuit();
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
    if (nextInput_ < options_.input.size() && !options_.inputByMoment) {
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
  CountMoment();
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
  CountMoment();
  return s;
}

void HeadlessPlatform::Press(Key key) {
  const int i = static_cast<int>(key);
  held_[i] = true;
  pressed_[i] = true;
  NoteInput(InputEvent::Kind::Down, key);
}

void HeadlessPlatform::Release(Key key) {
  const int i = static_cast<int>(key);
  if (held_[i]) releases_.push_back(VirtualKeyCode(key));
  held_[i] = false;
  NoteInput(InputEvent::Kind::Up, key);
}

void HeadlessPlatform::RequestQuit() {
  if (!quitPending_) NoteInput(InputEvent::Kind::Quit, Key::Escape);
  quitPending_ = true;
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
  log_.Frame(now_, r);
}

void HeadlessPlatform::Record(const std::string& what, const std::string& detail) {
  if (options_.keepEffects) effects_.push_back({static_cast<uint32_t>(now_), what, detail});
  log_.Effect(now_, what, detail);
}

void HeadlessPlatform::Finish() {
  // Shots asked for after the game stopped show its last frame.
  while (nextShot_ < options_.shots.size()) {
    options_.shots[nextShot_].first = static_cast<uint32_t>(now_);
    WriteDueShots();
  }
  log_.Close();
}

}  // namespace platform
