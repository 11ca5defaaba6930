// Input scripts and recordings as a player might hand-edit them: any text is either a script or
// a reported error, and every script parsed is written back as text that parses to itself.

#include "platform/input_script.h"

#include <cstdlib>
#include <string>

#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  const auto script = platform::ParseInputFile(fuzz::AsText(data, size), &error);
  if (!script) {
    if (error.empty()) std::abort();  // a refusal must say why
    return 0;
  }
  std::string written;
  if (script->byMoment) {
    written = platform::FormatRecordingHeader(script->seed.value_or(0), script->startSave);
  }
  for (const auto& e : script->events) {
    written += platform::FormatInputEvent(e, script->byMoment) + "\n";
  }
  const auto again = platform::ParseInputFile(written, &error);
  if (!again || again->byMoment != script->byMoment ||
      again->events.size() != script->events.size()) {
    std::abort();
  }
  if (script->byMoment && again->startSave != script->startSave) std::abort();
  for (size_t i = 0; i < script->events.size(); ++i) {
    const auto& a = script->events[i];
    const auto& b = again->events[i];
    if (a.ms != b.ms || a.moment != b.moment || a.kind != b.kind ||
        (a.kind != platform::InputEvent::Kind::Quit && a.key != b.key)) {
      std::abort();
    }
  }
  return 0;
}
