#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace platform {

namespace {

FileBytes Failed(FileBytes::Problem problem, std::string why) {
  FileBytes result;
  result.problem = problem;
  result.why = std::move(why);
  return result;
}

std::string SystemReason(int error) { return std::generic_category().message(error); }

// Closes the descriptor however the read ends.
struct Descriptor {
  int fd;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

FileBytes ReadRegularFile(const std::filesystem::path& path, size_t maxBytes) {
  using Problem = FileBytes::Problem;
  if (path.empty()) return Failed(Problem::Missing, "no file name was given");
  const Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
  if (file.fd < 0) {
    const int error = errno;
    if (error == ENOENT) return Failed(Problem::Missing, "there is no such file");
    return Failed(Problem::Unreadable, SystemReason(error));
  }
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) return Failed(Problem::Unreadable, SystemReason(errno));
  if (S_ISDIR(info.st_mode)) return Failed(Problem::Folder, "it is a folder, not a file");
  if (S_ISFIFO(info.st_mode)) return Failed(Problem::NotRegular, "it is a FIFO, not a file");
  if (!S_ISREG(info.st_mode)) {
    return Failed(Problem::NotRegular, "it is a device or socket, not a file");
  }

  FileBytes result;
  const auto size = static_cast<size_t>(info.st_size);
  result.bytes.resize(std::min(size, maxBytes));
  size_t got = 0;
  while (got < result.bytes.size()) {
    const ssize_t n = ::read(file.fd, result.bytes.data() + got, result.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Failed(Problem::Unreadable, SystemReason(errno));
    if (n == 0) break;  // the file shrank while it was read
    got += static_cast<size_t>(n);
  }
  result.bytes.resize(got);
  return result;
}

}  // namespace platform
