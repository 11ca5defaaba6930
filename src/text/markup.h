#pragma once
// The mark-up of message texts, read one code point at a time. This part only changes the five
// lines, the story flags and the heroine's HP; what needs the screen, the keyboard or the sound
// (page waits, the status box, voices) is handed back to the message window as an action.
//
// Codes: "\" new line, "P" wait for Space, "e" end, "C" clear, "H" heal, "W" a pause only,
// "wNN" voice, "SNN" set flag, "RNN" clear flag, "FNN" branch to the letter a, b, c or d after
// it by the flag's value 0..3. NN is two hexadecimal digits. Every other character is text.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "game/game.h"

namespace korvela {

// The window's five lines and the one being typed into.
struct MessageLines {
  static constexpr int kCount = 5;
  std::array<std::u32string, kCount> Text;
  int Current = 0;

  void Empty();
  // Moves to the next line; after the fifth the window starts again from an empty top line.
  void NewLine();
  void Append(char32_t c) { Text[Current] += c; }
};

enum class MarkupAction {
  Next,      // the step is done: reprint, click and pause
  PageWait,  // wait for Space, then as Next
  Heal,      // HP was restored: show the status box, then as Next
  Voice,     // play MarkupStep::voice, then as Next
  End,       // the message is over
};

struct MarkupStep {
  MarkupAction action = MarkupAction::Next;
  std::string_view voice;  // the sound file, for MarkupAction::Voice
};

class MarkupReader {
 public:
  explicit MarkupReader(std::u32string_view text) : text_(text) {}

  // Acts on the code or character at the current position and moves past it. A text that runs
  // out (no "e", a code without its two digits, a branch whose letter never comes) ends there.
  MarkupStep Step(MessageLines& lines, PlayerRecord& player);
  size_t Position() const { return pos_; }

 private:
  // The two hex digits after the code at pos_, or -1 when they are missing or malformed.
  int Argument() const;
  bool HasArgument() const { return pos_ + 2 < text_.size(); }

  std::u32string_view text_;
  size_t pos_ = 0;
};

}  // namespace korvela
