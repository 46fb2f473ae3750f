#pragma once
// One server per data folder: a second server on the same folder would keep
// its own idea of the open sessions and scratch files and could overwrite the
// first one's work. The lock is the kernel's, so it goes with the process,
// even when the process is killed.
#include <filesystem>
#include <string>

namespace meridian::suite {

class FolderLock {
 public:
  // Takes the folder's server lock or throws with one clear line naming the
  // process that holds it.
  static FolderLock take(const std::filesystem::path& folder);
  // Whether a running server holds the folder's lock now.
  static bool heldByAnother(const std::filesystem::path& folder);
  FolderLock(FolderLock&& other) noexcept;
  FolderLock& operator=(FolderLock&&) = delete;
  ~FolderLock();

 private:
  explicit FolderLock(int fd) : fd_(fd) {}
  int fd_ = -1;
};

}  // namespace meridian::suite
