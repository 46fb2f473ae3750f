#include "suite/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace meridian::suite {
namespace {
std::filesystem::path lockFile(const std::filesystem::path& folder) { return folder / "server.lock"; }
}  // namespace

FolderLock FolderLock::take(const std::filesystem::path& folder) {
  const auto path = lockFile(folder);
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("cannot open " + path.string() + ": " + std::strerror(errno));
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    std::string holder;
    std::ifstream(path) >> holder;
    ::close(fd);
    throw std::runtime_error("another Meridian server" + (holder.empty() ? "" : " (process " + holder + ")") +
                             " is serving the data folder " + folder.string() + " already; stop it first");
  }
  const std::string pid = std::to_string(::getpid()) + "\n";
  if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, pid.data(), pid.size(), 0) < 0) {
    // The pid is only a courtesy for the message above; the lock holds without it.
  }
  return FolderLock(fd);
}

bool FolderLock::heldByAnother(const std::filesystem::path& folder) {
  int fd = ::open(lockFile(folder).c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return held;
}

FolderLock::FolderLock(FolderLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace meridian::suite
