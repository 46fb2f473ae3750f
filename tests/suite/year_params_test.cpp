// The yearly parameters: the shipped data passes its own checks, every
// parameter answers for every year it covers, and each kind of slip in the
// data is refused with a line that says where and what.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "common/embedded_files.h"
#include "suite/year_params/year_params.h"

namespace meridian::params {
namespace {

using Files = std::vector<std::pair<std::string, std::string>>;

Files shippedFiles() {
  Files out;
  for (const auto& f : embedded::all()) {
    const std::string path = f.path;
    if (path.starts_with("data/params/") && path.ends_with(".txt")) out.emplace_back(path, std::string(f.bytes));
  }
  return out;
}

// The faults found in the shipped files after `edit`; empty when they pass.
std::vector<std::string> faultsAfter(const std::function<void(Files&)>& edit) {
  Files files = shippedFiles();
  edit(files);
  try {
    YearParams::fromFiles(files);
  } catch (const InvalidParams& e) {
    return e.faults;
  }
  return {};
}

// Appends a line to the file that holds its parameter (the first file for a
// parameter no file holds).
std::function<void(Files&)> adding(std::string line) {
  return [line](Files& files) {
    const std::string key = line.substr(0, line.find(' '));
    auto it = std::find_if(files.begin(), files.end(),
                           [&](const auto& f) { return f.second.find("\n" + key + " |") != std::string::npos; });
    (it == files.end() ? files.front() : *it).second += "\n" + line + "\n";
  };
}

// Replaces the first occurrence of a text in the file that holds it.
std::function<void(Files&)> replacing(std::string from, std::string to) {
  return [from, to](Files& files) {
    for (auto& [name, text] : files)
      if (auto at = text.find(from); at != std::string::npos) {
        text.replace(at, from.size(), to);
        return;
      }
    FAIL() << "no file holds " << from;
  };
}

TEST(YearParams, ShippedDataIsSoundAndCoversEveryYear) {
  ASSERT_FALSE(shippedFiles().empty());
  const YearParams& p = YearParams::shipped();
  for (const ParamSpec& decl : catalogue())
    for (int y = decl.firstYear; y <= kLatestYear; ++y) {
      SCOPED_TRACE(std::string(decl.key) + " " + std::to_string(y));
      EXPECT_NO_THROW(p.inForce(decl.key, y));
    }
}

TEST(YearParams, ValueInForceIsTheLatestChangeAtOrBeforeTheYear) {
  const YearParams& p = YearParams::shipped();
  // s.87A: none to 2013-14, 2000 from 2014-15, 5000 from 2017-18.
  EXPECT_EQ(p.amount(key::rebate87aMax, 2013), 0);
  EXPECT_EQ(p.amount(key::rebate87aMax, 2014), 2000);
  EXPECT_EQ(p.amount(key::rebate87aMax, 2016), 2000);
  EXPECT_EQ(p.amount(key::rebate87aMax, 2017), 5000);
  EXPECT_NE(p.inForce(key::rebate87aMax.key, 2016).source.find("Finance Act, 2013"), std::string::npos);
  EXPECT_THROW(p.inForce(key::limit80tta.key, 2012), std::out_of_range);  // starts with A.Y. 2013-14
  EXPECT_THROW(p.inForce(key::rebate87aMax.key, kLatestYear + 1), std::out_of_range);
  EXPECT_THROW(p.inForce("no.such.key", 2016), std::out_of_range);
}

TEST(YearParams, RefusesEachKindOfSlip) {
  struct Case {
    const char* name;
    std::function<void(Files&)> edit;
    const char* fault;  // a part of the line that must be reported
  } cases[] = {
      {"unknown key", adding("rate.firms | 2016-17 | 3000 | Finance Act, 2016 |"), "unknown parameter \"rate.firms\""},
      {"too few fields", adding("rate.firm | 2016-17 | 3000"), "expected 5 fields"},
      {"year not of the A.Y. form", adding("rate.firm | 2016 | 3000 | Finance Act, 2016 |"), "is not an assessment year"},
      {"year halves disagree", adding("rate.firm | 2016-18 | 3000 | Finance Act, 2016 |"), "is not an assessment year"},
      {"rate typed as a percentage with a point", replacing("rate.stcg_111a | 2009-10 | 1500", "rate.stcg_111a | 2009-10 | 15.0"),
       "is not a whole number"},
      {"rate out of bounds", replacing("rate.stcg_111a | 2009-10 | 1500", "rate.stcg_111a | 2009-10 | 150000"),
       "outside 0 .. 4000"},
      {"change out of year order", adding("rate.firm | 2005-06 | 3200 | Finance Act, 2005 |"), "in year order"},
      {"after the latest year", adding("rate.firm | 2018-19 | 2500 | Finance Act, 2018 |"), "after the latest year"},
      {"a copied year", adding("rate.firm | 2017-18 | 3000 | Finance Act, 2017 |"), "repeats the value already in force"},
      {"a parameter in two files", [](Files& files) {
         for (auto& [name, text] : files)
           if (name.ends_with("set_off.txt")) text += "\nrate.firm | 2017-18 | 2500 | Finance Act, 2017 |\n";
       },
       "keep a parameter's changes in one file"},
      {"no citation", replacing("| Income-tax Act, 1961, s.115BB |", "| see the rates page |"), "must name its Act"},
      {"empty source", replacing("| Income-tax Act, 1961, s.115BB |", "|  |"), "must name its Act"},
      {"first change too late", replacing("rate.casual_115bb | 2005-06", "rate.casual_115bb | 2006-07"),
       "must start at A.Y. 2005-06"},
      {"parameter missing", [](Files& f) {
         for (auto& [name, text] : f)
           if (name.ends_with("set_off.txt")) text.clear();
       }, "setoff.carry_years.business: no value is given"},
      {"scale limits not rising", replacing("250000:0 500000:1000 1000000:2000 *:3000", "250000:0 200000:1000 1000000:2000 *:3000"),
       "limits must rise"},
      {"scale without an open top", replacing("10000:1000 20000:2000 *:3000", "10000:1000 20000:2000 30000:3000"),
       "the last step must be open"},
      {"scale rate falling", replacing("10000:1000 20000:2000 *:3000", "10000:1000 20000:500 *:3000"),
       "rates must not fall"},
      {"scale step malformed", replacing("10000:1000 20000:2000 *:3000", "10000-1000 20000:2000 *:3000"),
       "is not LIMIT:RATE"},
      {"surcharge thresholds not rising", replacing("10000000:700 100000000:1200", "100000000:700 10000000:1200"),
       "thresholds must rise"},
      {"surcharge band of 0 %", replacing("surcharge.firm | 2014-15 | 10000000:1000", "surcharge.firm | 2014-15 | 10000000:0"),
       "surcharge rate 0 is out of bounds"},
      {"schedule not reaching 100 %", replacing("0/0/0 3000/0/3 6000/0/3 10000/0/1", "0/0/0 3000/0/3 6000/0/3 9000/0/1"),
       "must bring the total to 10000"},
      {"schedule margin above the instalment", replacing("1500/1200/3 4500/3600/3 7500/0/3 10000/0/1 | Income-tax Act, 1961, s.211(1)(a)",
                                                        "1500/1600/3 4500/3600/3 7500/0/3 10000/0/1 | Income-tax Act, 1961, s.211(1)(a)"),
       "no-interest margin must lie within"},
      {"flag not yes or no", replacing("advance_tax.senior_exempt | 2013-14 | yes", "advance_tax.senior_exempt | 2013-14 | Y"),
       "is not yes or no"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto faults = faultsAfter(c.edit);
    ASSERT_FALSE(faults.empty());
    const bool found = std::any_of(faults.begin(), faults.end(),
                                   [&](const std::string& f) { return f.find(c.fault) != std::string::npos; });
    EXPECT_TRUE(found) << "first fault: " << faults.front();
  }
}

TEST(YearParams, FaultsSayWhereTheyAre) {
  const auto faults = faultsAfter(adding("rate.firms | 2016-17 | 3000 | Finance Act, 2016 |"));
  ASSERT_EQ(faults.size(), 1u);
  EXPECT_TRUE(faults.front().starts_with("data/params/")) << faults.front();
  EXPECT_NE(faults.front().find(".txt:"), std::string::npos) << faults.front();
}

}  // namespace
}  // namespace meridian::params
