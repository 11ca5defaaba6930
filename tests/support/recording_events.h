#pragma once
// A window-event handler for platform tests: writes down what arrives, and ends the program on
// a close as the game's own handler does.

#include <string>
#include <vector>

#include "platform/platform.h"

namespace korvela::testing {

struct RecordingEvents : platform::WindowEvents {
  std::vector<std::string> seen;  // "keyup 39", "timer", "close"
  void KeyUp(int code) override { seen.push_back("keyup " + std::to_string(code)); }
  void MusicTimer() override { seen.push_back("timer"); }
  void Close() override {
    seen.push_back("close");
    throw platform::QuitRequested{};
  }
};

}  // namespace korvela::testing
