#pragma once
// Small file systems for fault tests: a tmpfs mounted in a mount namespace of the test process's
// own, so no other process sees it and it goes away with the process. Where the system allows
// neither that nor a user namespace, the calls say why and the test skips.

#include <filesystem>
#include <string>

namespace korvela::testing {

// A tmpfs with the given options (e.g. "size=64k") on the existing folder `where`, unmounted at
// the end. When it cannot be mounted, Mounted() is false and Why() says what stopped it.
class ScopedTmpfs {
 public:
  ScopedTmpfs(std::filesystem::path where, const std::string& options);
  ~ScopedTmpfs();
  ScopedTmpfs(const ScopedTmpfs&) = delete;
  ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;

  bool Mounted() const { return mounted_; }
  const std::string& Why() const { return why_; }
  // Makes it read-only (for everyone, root included); false with Why() when it cannot.
  bool MakeReadOnly();

 private:
  std::filesystem::path where_;
  bool mounted_ = false;
  std::string why_;
};

}  // namespace korvela::testing
