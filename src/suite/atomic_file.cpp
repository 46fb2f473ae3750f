#include "suite/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace meridian::suite {
namespace fs = std::filesystem;
namespace {

std::runtime_error failure(const std::string& what, const fs::path& file, int error) {
  return std::runtime_error(what + " " + file.string() + ": " + std::strerror(error));
}

// A name beside the target that no other writer picks at the same moment.
fs::path sideFileFor(const fs::path& target) {
  static thread_local std::mt19937_64 random{std::random_device{}()};
  std::ostringstream name;
  name << "." << target.filename().string() << "." << std::hex << random() << ".part";
  return target.parent_path() / name.str();
}

void writeAll(int fd, std::string_view bytes, const fs::path& file) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      throw failure("cannot write", file, errno);
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

// The rename is only durable once the folder itself is synced.
void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string readWholeFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw failure("cannot read", file, errno);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw failure("cannot read", file, errno);
  return bytes.str();
}

namespace {

void replaceWhole(const fs::path& target, std::string_view bytes, bool sync) {
  const fs::path side = sideFileFor(target);
  std::error_code ec;
  const auto status = fs::status(target, ec);
  const mode_t mode = fs::exists(status) ? static_cast<mode_t>(status.permissions() & fs::perms::all) : 0644;
  const int fd = ::open(side.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (fd < 0) throw failure("cannot create", side, errno);
  bool stillOpen = true;
  try {
    writeAll(fd, bytes, side);
    if (::fchmod(fd, mode) != 0) throw failure("cannot set the permissions of", side, errno);
    if (sync && ::fsync(fd) != 0) throw failure("cannot sync", side, errno);
    stillOpen = false;
    if (::close(fd) != 0) throw failure("cannot close", side, errno);
  } catch (...) {
    if (stillOpen) ::close(fd);
    fs::remove(side, ec);
    throw;
  }
  if (::rename(side.c_str(), target.c_str()) != 0) {
    const int error = errno;
    fs::remove(side, ec);
    throw failure("cannot replace", target, error);
  }
  if (sync) syncFolder(target.parent_path());
}

}  // namespace

void writeFileAtomically(const fs::path& target, std::string_view bytes) { replaceWhole(target, bytes, true); }

void writeFileAtomicallyUnsynced(const fs::path& target, std::string_view bytes) {
  replaceWhole(target, bytes, false);
}

void syncFileSystem(const fs::path& anyPathOnIt) {
  const int fd = ::open(anyPathOnIt.empty() ? "." : anyPathOnIt.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw failure("cannot open", anyPathOnIt, errno);
  const int result = ::syncfs(fd);
  const int error = errno;
  ::close(fd);
  if (result != 0) throw failure("cannot sync the disk of", anyPathOnIt, error);
}

}  // namespace meridian::suite
