#include "bot_platform.h"

namespace autoplay {

namespace {

// The game waits between frames only inside its blocking steps; a short wait is part of a
// frame, so the player looks again only after this much quiet.
constexpr uint64_t kQuietMs = 150;

}  // namespace

BotPlatform::BotPlatform(platform::HeadlessOptions options, Brain& brain)
    : HeadlessPlatform(std::move(options)), brain_(brain) {}

void BotPlatform::Answer(const Senses& s) {
  if (quitting_) return;
  const KeySet want = brain_.Decide(s);
  for (int k = 0; k < platform::kKeyCount; ++k) {
    if (want[k] == held_[k]) continue;
    platform::InputEvent e;
    e.ms = static_cast<uint32_t>(s.now + 1);
    e.kind = want[k] ? platform::InputEvent::Kind::Down : platform::InputEvent::Kind::Up;
    e.key = static_cast<platform::Key>(k);
    ScheduleInput(e);
  }
  held_ = want;
}

void BotPlatform::Sleep(uint32_t ms) {
  const uint64_t quiet = Now() - lastFrameAt_;
  if (quiet >= kQuietMs) Answer({Now(), nullptr, quiet, game_});
  HeadlessPlatform::Sleep(ms);
}

void BotPlatform::NoteFrame(const platform::FrameRecord& record) {
  HeadlessPlatform::NoteFrame(record);
  lastFrameAt_ = Now();
  Answer({Now(), &record, 0, game_});
}

void BotPlatform::SetCaption(std::string_view utf8) {
  HeadlessPlatform::SetCaption(utf8);
  brain_.Hear("caption", std::string(utf8));
}

std::string BotPlatform::SendMusicCommand(std::string_view command) {
  brain_.Hear("music", std::string(command));
  return HeadlessPlatform::SendMusicCommand(command);
}

void BotPlatform::PlaySound(const std::filesystem::path& wav) {
  HeadlessPlatform::PlaySound(wav);
  brain_.Hear("sound", wav.filename().string());
}

void BotPlatform::NoteFileWritten(const std::filesystem::path& path) {
  HeadlessPlatform::NoteFileWritten(path);
  brain_.Hear("file", path.filename().string());
}

void BotPlatform::Quit() {
  if (quitting_) return;
  quitting_ = true;
  platform::InputEvent e;
  e.ms = static_cast<uint32_t>(Now() + 1);
  e.kind = platform::InputEvent::Kind::Quit;
  ScheduleInput(e);
}

std::string BotPlatform::Script() const {
  std::string out;
  for (const auto& e : ScriptEvents()) out += platform::FormatInputEvent(e) + "\n";
  return out;
}

}  // namespace autoplay
