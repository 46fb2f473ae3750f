#include "suite/backup_dump.h"

#include <zlib.h>

#include <nlohmann/json.hpp>
#include <stdexcept>

namespace meridian::suite {
namespace {

using json = nlohmann::json;

bool validUtf8(const std::string& s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const size_t extra = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xe ? 2 : (c >> 3) == 0x1e ? 3 : 99;
    if (extra == 99 || i + extra >= s.size() + (extra == 0)) return false;
    for (size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xc0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

std::string hexOf(const std::string& s) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : s) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}

std::string fromHex(const std::string& h) {
  std::string out;
  for (size_t i = 0; i + 1 < h.size(); i += 2) out.push_back(static_cast<char>(std::stoi(h.substr(i, 2), nullptr, 16)));
  return out;
}

// Text that is not UTF-8 (old data typed in another code page) is kept byte
// for byte as hex, never "repaired".
json valueJson(const std::optional<std::string>& v) {
  if (!v) return nullptr;
  if (validUtf8(*v)) return *v;
  return json{{"hex", hexOf(*v)}};
}

std::optional<std::string> valueOf(const json& j) {
  if (j.is_null()) return std::nullopt;
  if (j.is_object()) return fromHex(j.value("hex", ""));
  return j.get<std::string>();
}

class GzipFile {
 public:
  GzipFile(const std::filesystem::path& p, const char* mode) : file_(gzopen(p.c_str(), mode)), path_(p) {
    if (!file_) throw std::runtime_error("cannot open " + p.string());
  }
  ~GzipFile() {
    if (file_) gzclose(file_);
  }
  void line(const json& j) {
    const std::string text = j.dump() + "\n";
    if (gzwrite(file_, text.data(), static_cast<unsigned>(text.size())) != static_cast<int>(text.size()))
      throw std::runtime_error("cannot write " + path_.string() + " (is the disk full?)");
  }
  void close() {
    const int rc = gzclose(file_);
    file_ = nullptr;
    if (rc != Z_OK) throw std::runtime_error("cannot finish " + path_.string() + " (is the disk full?)");
  }
  // The next line, or nullopt at the end of the file; complete() tells
  // whether it ended as a line does (a file cut short ends mid-line).
  std::optional<std::string> next() {
    std::string out;
    char buf[65536];
    for (;;) {
      if (!gzgets(file_, buf, sizeof buf)) {
        complete_ = false;
        if (out.empty()) return std::nullopt;
        return out;
      }
      out += buf;
      if (!out.empty() && out.back() == '\n') {
        out.pop_back();
        complete_ = true;
        return out;
      }
    }
  }
  bool complete() const { return complete_; }

 private:
  gzFile file_;
  std::filesystem::path path_;
  bool complete_ = true;
};

}  // namespace

DumpCounts writeDump(db::Connection& conn, const std::filesystem::path& file) {
  GzipFile out(file, "wb6");
  DumpCounts counts;
  // One transaction: every table is read as of the same moment.
  auto tx = conn.beginReading();
  std::vector<int> migrations;
  for (const auto& r : conn.query("SELECT version FROM schema_migrations ORDER BY version"))
    migrations.push_back(static_cast<int>(r.integer("version")));
  out.line({{"meridian", "backup"}, {"format", 1}, {"engine", conn.engine() == db::Engine::sqlite ? "sqlite" : "mysql"},
            {"migrations", migrations}});
  for (const auto& table : conn.tables()) {
    const auto rows = conn.query("SELECT * FROM " + table);
    out.line({{"table", table}, {"columns", rows.columns().names()}});
    for (const auto& row : rows) {
      json values = json::array();
      for (const auto& v : row.values()) values.push_back(valueJson(v));
      out.line(values);
      ++counts.rows;
    }
    ++counts.tables;
  }
  out.line({{"end", true}, {"tables", counts.tables}, {"rows", counts.rows}});
  tx.commit();
  out.close();
  return counts;
}

DumpCounts readDump(const std::filesystem::path& file, const DumpReader& reader) {
  GzipFile in(file, "rb");
  auto head = in.next();
  json h = head ? json::parse(*head, nullptr, false) : json();
  if (!h.is_object() || h.value("meridian", "") != "backup")
    throw std::runtime_error(file.string() + " is not a Meridian backup");
  if (h.value("format", 0) != 1) throw std::runtime_error(file.string() + " is a backup of a newer Meridian");
  if (reader.onHead) reader.onHead(h.value("migrations", std::vector<int>{}));
  DumpCounts seen;
  while (auto line = in.next()) {
    if (!in.complete()) break;
    json j = json::parse(*line, nullptr, false);
    if (j.is_array()) {
      std::vector<std::optional<std::string>> row;
      row.reserve(j.size());
      for (const auto& v : j) row.push_back(valueOf(v));
      if (reader.onRow) reader.onRow(row);
      ++seen.rows;
    } else if (j.is_object() && j.contains("table")) {
      if (reader.onTable) reader.onTable(j["table"].get<std::string>(), j.value("columns", std::vector<std::string>{}));
      ++seen.tables;
    } else if (j.is_object() && j.value("end", false)) {
      if (j.value("rows", size_t{0}) != seen.rows || j.value("tables", size_t{0}) != seen.tables)
        throw std::runtime_error(file.string() + " does not hold what its end line counts");
      return seen;
    } else {
      throw std::runtime_error(file.string() + " holds a line that is not part of a backup");
    }
  }
  throw std::runtime_error(file.string() + " was cut short: it has no end line");
}

}  // namespace meridian::suite
