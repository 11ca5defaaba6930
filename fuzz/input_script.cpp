// Input scripts as a player might hand-edit them: any text is either a list of events or a
// reported error, and every event parsed is written back as a line that parses to itself.

#include "platform/input_script.h"

#include <cstdlib>
#include <string>

#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  const auto events = platform::ParseInputScript(fuzz::AsText(data, size), &error);
  if (!events) {
    if (error.empty()) std::abort();  // a refusal must say why
    return 0;
  }
  std::string written;
  for (const auto& e : *events) written += platform::FormatInputEvent(e) + "\n";
  const auto again = platform::ParseInputScript(written, &error);
  if (!again || again->size() != events->size()) std::abort();
  for (size_t i = 0; i < events->size(); ++i) {
    const auto& a = (*events)[i];
    const auto& b = (*again)[i];
    if (a.ms != b.ms || a.kind != b.kind ||
        (a.kind != platform::InputEvent::Kind::Quit && a.key != b.key)) {
      std::abort();
    }
  }
  return 0;
}
