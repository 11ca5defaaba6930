#include "support/private_mount.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace korvela::testing {

namespace {

std::string Reason(const std::string& what) { return what + ": " + std::strerror(errno); }

bool WriteProcFile(const char* path, const std::string& text) {
  std::ofstream out(path);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

// Moves this process into a mount namespace of its own (through a user namespace when it is
// not privileged), once.
bool EnterPrivateMounts(std::string* why) {
  static bool entered = false;
  static std::string failure;
  if (entered) return true;
  if (!failure.empty()) {
    *why = failure;
    return false;
  }
  if (::unshare(CLONE_NEWNS) != 0) {
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
      failure = Reason("no private mount namespace");
      *why = failure;
      return false;
    }
    WriteProcFile("/proc/self/setgroups", "deny");
    if (!WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1")) {
      failure = "cannot map the user into a user namespace";
      *why = failure;
      return false;
    }
  }
  // Nothing mounted here may reach the rest of the system.
  if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
    failure = Reason("cannot make the mounts private");
    *why = failure;
    return false;
  }
  entered = true;
  return true;
}

}  // namespace

ScopedTmpfs::ScopedTmpfs(std::filesystem::path where, const std::string& options)
    : where_(std::move(where)) {
  if (!EnterPrivateMounts(&why_)) return;
  if (::mount("tmpfs", where_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
    why_ = Reason("cannot mount a tmpfs");
    return;
  }
  mounted_ = true;
}

ScopedTmpfs::~ScopedTmpfs() {
  if (mounted_) ::umount2(where_.c_str(), MNT_DETACH);
}

bool ScopedTmpfs::MakeReadOnly() {
  if (::mount(nullptr, where_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
    why_ = Reason("cannot make the tmpfs read-only");
    return false;
  }
  return true;
}

}  // namespace korvela::testing
