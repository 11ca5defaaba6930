#include "text/markup.h"

#include <tuple>

namespace korvela {

namespace {

constexpr int kLastFlag =
    static_cast<int>(std::tuple_size_v<decltype(PlayerRecord::StoryFlags)>) - 1;

int HexDigit(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
  if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A') + 10;
  if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a') + 10;
  return -1;
}

// A story flag named by a code's argument, or null when there is no such flag.
uint8_t* Flag(PlayerRecord& player, int n) {
  if (n < 0 || n > kLastFlag) return nullptr;
  return &player.StoryFlags[static_cast<size_t>(n)];
}

}  // namespace

void MessageLines::Empty() {
  for (auto& line : Text) line.clear();
  Current = 0;
}

void MessageLines::NewLine() {
  if (++Current == kCount) Empty();
}

int MarkupReader::Argument() const {
  const int high = HexDigit(text_[pos_ + 1]);
  const int low = HexDigit(text_[pos_ + 2]);
  if (high < 0 || low < 0) return -1;
  return high * 16 + low;
}

MarkupStep MarkupReader::Step(MessageLines& lines, PlayerRecord& player) {
  if (pos_ >= text_.size()) return {MarkupAction::End, {}};
  const char32_t c = text_[pos_];
  MarkupStep step;
  switch (c) {
    case U'\\':
      lines.NewLine();
      break;
    case U'P':
      step.action = MarkupAction::PageWait;
      break;
    case U'e':
      return {MarkupAction::End, {}};
    case U'C':
      lines.Empty();
      break;
    case U'H':
      player.PlayerHp = player.PlayerStr;
      step.action = MarkupAction::Heal;
      break;
    case U'W':
      break;
    case U'w':
    case U'S':
    case U'R': {
      if (!HasArgument()) return {MarkupAction::End, {}};
      const int n = Argument();
      if (c == U'w') {
        if (n == 1) step = {MarkupAction::Voice, "Wave01.wav"};
        if (n == 2) step = {MarkupAction::Voice, "Wave02.wav"};
      } else if (uint8_t* flag = Flag(player, n)) {
        *flag = c == U'S' ? 1 : 0;
      }
      pos_ += 2;
      break;
    }
    case U'F': {
      if (!HasArgument()) return {MarkupAction::End, {}};
      const uint8_t* flag = Flag(player, Argument());
      // A flag beyond 3 (or no such flag) picks no branch: the digits are read on as text.
      if (!flag || *flag > 3) break;
      const char32_t letter = static_cast<char32_t>(U'a' + *flag);
      // The letter is looked for after the digits, so that a lowercase digit such as the "b"
      // of "0b" is never taken for the branch.
      const size_t target = text_.find(letter, pos_ + 3);
      if (target == std::u32string_view::npos) return {MarkupAction::End, {}};
      pos_ = target;
      break;
    }
    default:
      lines.Append(c);
      break;
  }
  ++pos_;
  return step;
}

}  // namespace korvela
