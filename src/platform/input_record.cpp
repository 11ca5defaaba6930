#include "platform/input_record.h"

namespace platform {

std::unique_ptr<InputRecorder> InputRecorder::Open(const std::filesystem::path& path,
                                                   std::string_view header, std::string* error) {
  auto r = std::unique_ptr<InputRecorder>(new InputRecorder());
  r->out_.open(path, std::ios::trunc | std::ios::binary);
  r->out_ << header << std::flush;
  if (!r->out_) {
    *error = "cannot write the key record " + path.string();
    return nullptr;
  }
  return r;
}

void InputRecorder::Write(const InputEvent& e) {
  out_ << FormatInputEvent(e, /*byMoment=*/true) << std::endl;
}

}  // namespace platform
