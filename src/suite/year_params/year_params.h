#pragma once
// The yearly parameters of the tax law: each one a list of changes, each change
// the assessment year from which a value holds and the Act, section, rule or
// notification that set it. A lookup for a year gives the value of the latest
// change at or before it. The estimator and the computation of returns read
// the same store.
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "suite/year_params/param_catalogue.h"
#include "suite/year_params/param_values.h"

namespace meridian::params {

struct Change {
  int fromYear = 0;
  Value value;
  std::string source;  // the Act and section (or rule, notification) that set it
  std::string note;    // where the figure departs from what the program once used, and why
  std::string where;   // file and line of the shipped data
};

// The data broke a rule; `faults` holds one line for each fault found.
struct InvalidParams : std::runtime_error {
  explicit InvalidParams(std::vector<std::string> f);
  std::vector<std::string> faults;
};

class YearParams {
 public:
  // Reads and checks parameter files given as (name, text); throws
  // InvalidParams naming every fault when any rule is broken.
  static YearParams fromFiles(const std::vector<std::pair<std::string, std::string>>& files);
  // The files the program carries under data/params/, read and checked once.
  static const YearParams& shipped();

  Amount amount(AmountParam p, int year) const { return integer(p.key, year); }
  BasisPoints rate(RateParam p, int year) const { return static_cast<BasisPoints>(integer(p.key, year)); }
  int count(CountParam p, int year) const { return static_cast<int>(integer(p.key, year)); }
  bool flag(FlagParam p, int year) const;
  const Scale& scale(ScaleParam p, int year) const;
  const SurchargeBands& surcharge(SurchargeParam p, int year) const;
  const InstalmentSchedule& schedule(ScheduleParam p, int year) const;

  // The change in force for a year. Throws std::out_of_range for an unknown
  // key or a year the parameter does not cover.
  const Change& inForce(std::string_view key, int year) const;
  const std::vector<Change>& changes(std::string_view key) const;

 private:
  std::int64_t integer(std::string_view key, int year) const;
  std::map<std::string, std::vector<Change>, std::less<>> byKey_;
};

// The faults of one parameter's changes (empty when sound): every value in its
// bounds and well formed, changes in year order from the parameter's first
// year to the latest covered, none repeating the value already in force, and
// each citing its Act, section, rule, notification or order.
std::vector<std::string> faultsOf(const ParamSpec& decl, const std::vector<Change>& changes);

}  // namespace meridian::params
