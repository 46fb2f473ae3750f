#pragma once
// The data folder: the SQLite database, the documents (DocPath) and the
// temporary files. Chosen by --data, else MERIDIAN_DATA, else a per-user folder.
#include <filesystem>
#include <string>
#include <vector>

namespace meridian::suite {

struct DataFolder {
  std::filesystem::path root;
  std::filesystem::path documents() const { return root / "documents"; }
  std::filesystem::path temporary() const { return root / "tmp"; }
  std::filesystem::path backups() const { return root / "backups"; }
  // What the folder holds of a practice besides its database (documents,
  // backups), said in words; empty for a fresh folder.
  std::vector<std::string> practiceTraces() const;
  std::string defaultDatabaseUrl() const { return "sqlite://" + (root / "meridian.db").string(); }

  // Resolves the folder and makes sure it can be written; throws with one
  // clear line when it cannot.
  static DataFolder open(const std::string& requested);
  static std::filesystem::path defaultRoot();
};

// Resolves the database URL from --db, else MERIDIAN_DB, else the data folder's SQLite file.
std::string resolveDatabaseUrl(const std::string& requested, const DataFolder& data);

}  // namespace meridian::suite
