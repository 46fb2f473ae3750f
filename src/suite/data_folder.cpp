#include "suite/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <algorithm>

namespace meridian::suite {
namespace fs = std::filesystem;

fs::path DataFolder::defaultRoot() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "meridian";
  if (const char* home = std::getenv("HOME"); home && *home) return fs::path(home) / ".local" / "share" / "meridian";
  return fs::current_path() / "meridian-data";
}

DataFolder DataFolder::open(const std::string& requested) {
  std::string chosen = requested;
  if (chosen.empty())
    if (const char* env = std::getenv("MERIDIAN_DATA"); env && *env) chosen = env;
  DataFolder d{chosen.empty() ? defaultRoot() : fs::path(chosen)};
  std::error_code ec;
  for (const fs::path& p : {d.root, d.documents(), d.temporary()}) {
    fs::create_directories(p, ec);
    if (ec) throw std::runtime_error("data folder " + p.string() + " cannot be created: " + ec.message());
  }
  const fs::path probe = d.root / ".write-test";
  {
    std::ofstream out(probe);
    if (!out || !(out << "ok") || !out.flush())
      throw std::runtime_error("data folder " + d.root.string() + " is not writable");
  }
  fs::remove(probe, ec);
  return d;
}

std::vector<std::string> DataFolder::practiceTraces() const {
  std::vector<std::string> out;
  std::error_code ec;
  size_t documents = 0;
  for (auto it = fs::recursive_directory_iterator(this->documents(), ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    if (it->is_regular_file(ec)) ++documents;
  if (documents) out.push_back(std::to_string(documents) + " file(s) under " + this->documents().string());
  std::vector<std::string> kept;
  for (auto it = fs::directory_iterator(backups(), ec); !ec && it != fs::directory_iterator(); it.increment(ec))
    if (it->is_regular_file(ec)) kept.push_back(it->path().filename().string());
  if (!kept.empty()) {
    std::sort(kept.begin(), kept.end());
    out.push_back(std::to_string(kept.size()) + " backup(s) in " + backups().string() + ", the newest " + kept.back());
  }
  for (const char* leftover : {"meridian.db-wal", "meridian.db-shm"})
    if (fs::exists(root / leftover, ec)) out.push_back("the database's journal " + (root / leftover).string());
  return out;
}

std::string resolveDatabaseUrl(const std::string& requested, const DataFolder& data) {
  if (!requested.empty()) return requested;
  if (const char* env = std::getenv("MERIDIAN_DB"); env && *env) return env;
  return data.defaultDatabaseUrl();
}

}  // namespace meridian::suite
