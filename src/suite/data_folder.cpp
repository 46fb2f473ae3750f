#include "suite/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

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

std::string resolveDatabaseUrl(const std::string& requested, const DataFolder& data) {
  if (!requested.empty()) return requested;
  if (const char* env = std::getenv("MERIDIAN_DB"); env && *env) return env;
  return data.defaultDatabaseUrl();
}

}  // namespace meridian::suite
