// The map compiler's search texts over any UTF-8 (or not) text: either 256 records of exactly
// 200 Shift-JIS bytes or mapc's own error naming the line.

#include <cstdlib>
#include <string>

#include "search_texts.h"
#include "source_error.h"
#include "support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const mapc::TextRecords records =
        mapc::ParseSearchTexts(std::string(fuzz::AsText(data, size)), "fuzz.txt");
    for (const std::string& r : records) {
      if (r.size() != mapc::kTextBytes) std::abort();
    }
  } catch (const mapc::SourceError&) {
  }
  return 0;
}
