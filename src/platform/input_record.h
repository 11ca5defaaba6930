#pragma once
// Writes a recording in the moment form as it happens: the header first, then one line per key
// change, each flushed at once so that a session that ends abruptly still replays up to there.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "platform/input_script.h"

namespace platform {

class InputRecorder {
 public:
  // Creates (or empties) the file and writes the header. Returns nullptr and fills *error when
  // the file cannot be written.
  static std::unique_ptr<InputRecorder> Open(const std::filesystem::path& path,
                                             std::string_view header, std::string* error);
  void Write(const InputEvent& e);

 private:
  std::ofstream out_;
};

}  // namespace platform
