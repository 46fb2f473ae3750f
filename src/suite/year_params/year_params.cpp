#include "suite/year_params/year_params.h"

#include <algorithm>

#include "common/embedded_files.h"
#include "suite/year_params/param_text.h"

namespace meridian::params {
namespace {

std::string joined(const std::vector<std::string>& lines) {
  std::string out = "the yearly parameters are not sound:";
  for (const auto& l : lines) out += "\n  " + l;
  return out;
}

constexpr std::string_view kFolder = "data/params/";

}  // namespace

InvalidParams::InvalidParams(std::vector<std::string> f) : std::runtime_error(joined(f)), faults(std::move(f)) {}

YearParams YearParams::fromFiles(const std::vector<std::pair<std::string, std::string>>& files) {
  std::vector<std::string> faults;
  YearParams p;
  for (const auto& [name, text] : files) {
    for (auto& row : readRows(name, text, faults)) {
      const ParamSpec* decl = findSpec(row.key);
      if (!decl) {
        faults.push_back(row.where + ": unknown parameter \"" + row.key + "\"");
        continue;
      }
      const auto year = yearFromText(row.from);
      std::string why;
      const auto value = parseValue(decl->kind, row.value, why);
      if (!year) faults.push_back(row.where + ": \"" + row.from + "\" is not an assessment year such as 2016-17");
      if (!value) faults.push_back(row.where + ": " + why);
      if (!year || !value) continue;
      auto& list = p.byKey_[row.key];
      // A parameter's history is read in one place, top to bottom.
      const std::string fileOfFirst = list.empty() ? name : list.front().where.substr(0, name.size());
      if (!list.empty() && fileOfFirst != name) {
        faults.push_back(row.where + ": " + row.key + " is already given in " + list.front().where +
                         "; keep a parameter's changes in one file");
        continue;
      }
      list.push_back({*year, *value, row.source, row.note, row.where});
    }
  }
  // Year order is checked on the rows as written, so no sorting here.
  for (const auto& decl : catalogue()) {
    auto it = p.byKey_.find(decl.key);
    const auto found = faultsOf(decl, it == p.byKey_.end() ? std::vector<Change>{} : it->second);
    faults.insert(faults.end(), found.begin(), found.end());
  }
  if (!faults.empty()) throw InvalidParams(std::move(faults));
  return p;
}

const YearParams& YearParams::shipped() {
  static const YearParams p = [] {
    std::vector<std::pair<std::string, std::string>> files;
    for (const auto& f : embedded::all()) {
      const std::string_view path = f.path;
      if (path.substr(0, kFolder.size()) == kFolder && path.ends_with(".txt") && !path.ends_with("README.txt"))
        files.emplace_back(std::string(path), std::string(f.bytes));
    }
    return fromFiles(files);
  }();
  return p;
}

const std::vector<Change>& YearParams::changes(std::string_view key) const {
  auto it = byKey_.find(key);
  if (it == byKey_.end()) throw std::out_of_range("no yearly parameter \"" + std::string(key) + "\"");
  return it->second;
}

const Change& YearParams::inForce(std::string_view key, int year) const {
  const auto& list = changes(key);
  auto it = std::upper_bound(list.begin(), list.end(), year, [](int y, const Change& c) { return y < c.fromYear; });
  if (it == list.begin() || year > kLatestYear)
    throw std::out_of_range("the yearly parameter \"" + std::string(key) + "\" has no value for A.Y. beginning " +
                            std::to_string(year));
  return *std::prev(it);
}

std::int64_t YearParams::integer(std::string_view key, int year) const {
  return std::get<std::int64_t>(inForce(key, year).value);
}

bool YearParams::flag(FlagParam p, int year) const { return std::get<bool>(inForce(p.key, year).value); }

const Scale& YearParams::scale(ScaleParam p, int year) const { return std::get<Scale>(inForce(p.key, year).value); }

const SurchargeBands& YearParams::surcharge(SurchargeParam p, int year) const {
  return std::get<SurchargeBands>(inForce(p.key, year).value);
}

const InstalmentSchedule& YearParams::schedule(ScheduleParam p, int year) const {
  return std::get<InstalmentSchedule>(inForce(p.key, year).value);
}

}  // namespace meridian::params
