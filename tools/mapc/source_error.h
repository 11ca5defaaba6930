#pragma once
// A map source that cannot be compiled. The message names the file, and the layer and cell or
// the line of text where the fault lies.

#include <stdexcept>

namespace mapc {

struct SourceError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

}  // namespace mapc
