#include "host/client_list.h"

#include <spdlog/spdlog.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>

#include "common/paths.h"
#include "common/text.h"

namespace meridian::host {
namespace {
const std::map<std::string, std::string>& exclusionFiles() {
  static const std::map<std::string, std::string> files = {
      {"BL", "cma_data/bill.txt"}, {"CM", "cma_data/cma.txt"},  {"ED", "cma_data/editor.txt"},
      {"FM", "cma_data/frms.txt"}, {"IC", "cma_data/ic.txt"},   {"IT", "cma_data/it.txt"},
      {"TB", "cma_data/tbal.txt"}, {"FA", "cma_data/final.txt"}};
  return files;
}
}  // namespace

std::string exclusionFileOf(const std::string& moduleCode) {
  auto it = exclusionFiles().find(moduleCode);
  return it == exclusionFiles().end() ? "" : it->second;
}

const std::vector<std::string>& exclusionModules() {
  // This module's own list first: it is the one most often kept.
  static const std::vector<std::string> codes = [] {
    std::vector<std::string> out{"IT"};
    for (const auto& [code, file] : exclusionFiles())
      if (code != "IT") out.push_back(code);
    return out;
  }();
  return codes;
}

std::vector<std::string> readExclusions(const std::string& docPath, const std::string& moduleCode) {
  std::vector<std::string> codes;
  if (moduleCode.empty() || moduleCode == "?") return codes;
  const std::string file = exclusionFileOf(moduleCode);
  if (file.empty()) {
    spdlog::warn("client list: module code {} has no exclusion file", moduleCode);
    return codes;
  }
  std::ifstream in(docPath + "/" + file);
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    std::string code = trimmed(line, kWhitespace);
    if (code.empty()) continue;
    if (!safePathComponent(code)) {
      spdlog::warn("client list: {} line {} is not a client code; skipped", file, number);
      continue;
    }
    codes.push_back(code);
  }
  return codes;
}

ListQuery listQuery(const std::vector<std::string>& excluded, const std::string& filter, const db::Params& filterParams) {
  ListQuery q{"Select * From tempcltbl", {}};
  if (!excluded.empty()) {
    q.sql += " Where codeno Not In (";
    for (size_t i = 0; i < excluded.size(); ++i) {
      q.sql += i ? ",?" : "?";
      q.params.emplace_back(excluded[i]);
    }
    q.sql += ")";
    if (!filter.empty()) q.sql += " AND " + filter;
  } else if (!filter.empty()) {
    q.sql += " Where " + filter;
  }
  q.params.insert(q.params.end(), filterParams.begin(), filterParams.end());
  return q;
}

const std::vector<std::string>& defaultColumnTitles() {
  static const std::vector<std::string> titles = {"Code",       "Name",       "Status",       "Father/Husband Name",
                                                  "DOB/DOI",    "Address",    "Group Code",   "Group Name",
                                                  "Company Name", "E-mail",   "PAN"};
  return titles;
}

std::vector<bool> hiddenColumns(const std::string& layout, size_t columnCount) {
  std::vector<bool> hidden(columnCount, false);
  auto apply = [&](const std::string& text, bool logBad) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= text.size()) {
      size_t bar = text.find('|', start);
      parts.push_back(trimmed(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start), kWhitespace));
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
      char* end = nullptr;
      long col = std::strtol(parts[i].c_str(), &end, 10);
      if (parts[i].empty() || *end || col < 0 || static_cast<size_t>(col) >= columnCount ||
          (parts[i + 1] != "0" && parts[i + 1] != "1")) {
        if (logBad) spdlog::warn("client list: layout pair {}|{} names no column; skipped", parts[i], parts[i + 1]);
        continue;
      }
      hidden[static_cast<size_t>(col)] = parts[i + 1] == "0";
    }
  };
  apply(kDefaultLayout, false);
  if (!trimmed(layout, kWhitespace).empty()) apply(layout, true);
  return hidden;
}

}  // namespace meridian::host
