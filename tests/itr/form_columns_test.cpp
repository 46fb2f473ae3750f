// The shipped tables of what each return form carries, and of the forms and
// their options: read strictly, a malformed line named with what is wrong.
#include <gtest/gtest.h>

#include <functional>

#include "itr/form_applicability.h"
#include "itr/form_columns.h"
#include "suite/return_forms.h"

namespace meridian::itr {
namespace {

std::string errorOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "";
}

TEST(FormTables, MalformedLinesAreRefusedWithTheirFault) {
  const std::string taxTitles = "forms,first_year,last_year,salary_tds,tcs,spouse_claims,tds_194ia,source\n";
  const std::string formTitles = "form,first_year,last_year,caption,option,source\n";
  const std::vector<std::tuple<std::string, std::function<void(const std::string&)>, std::string, std::string>> cases{
      {"a year in words", [](const std::string& t) { parseTaxColumns(t); }, taxTitles + "ITR-1,twenty,2014,yes,no,no,no,s\n",
       "\"twenty\" is not a year"},
      {"maybe for yes", [](const std::string& t) { parseTaxColumns(t); }, taxTitles + "ITR-1,2013,2014,maybe,no,no,no,s\n",
       "expected yes or no"},
      {"a form that is no form", [](const std::string& t) { parseTaxColumns(t); },
       taxTitles + "ITR-1 Form16,2013,2014,yes,no,no,no,s\n", "\"Form16\" is not a form code"},
      {"years the wrong way", [](const std::string& t) { parseTaxColumns(t); },
       taxTitles + "ITR-1,2015,2014,yes,no,no,no,s\n", "the last year comes before the first"},
      {"no source", [](const std::string& t) { parseTaxColumns(t); }, taxTitles + "ITR-1,2013,2014,yes,no,no,no,\n",
       "names its source"},
      {"no sections", [](const std::string& t) { parseDeductionSections(t); },
       "forms,first_year,last_year,sections,source\nITR-1,2013,2013, ,s\n", "no section listed"},
      {"option out of range", [](const std::string& t) { suite::parseReturnForms(t); },
       formTitles + "ITR-1,2007,2017,SAHAJ(ITR-&1),6,s\n", "an index from 0 to 5"},
      {"an option without a caption", [](const std::string& t) { suite::parseReturnForms(t); },
       formTitles + "ITR-1,2007,2017,,0,s\n", "has a caption, and only such a form"},
      {"a caption without an option", [](const std::string& t) { suite::parseReturnForms(t); },
       formTitles + "ITR-6,2007,2017,ITR-&6,,s\n", "has a caption, and only such a form"},
  };
  for (const auto& [why, read, text, fault] : cases) {
    const std::string error = errorOf([&, read = read, text = text] { read(text); });
    EXPECT_NE(error.find(fault), std::string::npos) << why << ": " << error;
  }
}

TEST(FormTables, TheShippedTablesAnswerByFormAndYear) {
  const std::vector<std::tuple<std::string, int, std::optional<std::array<bool, 4>>>> cases{
      {"ITR-1", 2013, std::array<bool, 4>{true, false, false, false}},
      {"ITR-1", 2014, std::array<bool, 4>{true, false, true, true}},
      {"ITR-1", 2015, std::array<bool, 4>{true, false, true, true}},  // TCS reached ITR-1 in A.Y. 2016-17
      {"ITR-1", 2016, std::array<bool, 4>{true, true, true, true}},
      {"ITR-2A", 2015, std::array<bool, 4>{true, true, true, true}},
      {"ITR-5", 2015, std::array<bool, 4>{false, true, false, true}},
      {"ITR-2A", 2014, std::nullopt},  // not prescribed before A.Y. 2015-16
      {"ITR-4", 2017, std::nullopt},
  };
  for (const auto& [form, year, expected] : cases) {
    const auto c = taxCreditColumns(form, year);
    ASSERT_EQ(c.has_value(), expected.has_value()) << form << " " << year;
    if (!c) continue;
    EXPECT_EQ((std::array<bool, 4>{c->salaryTds, c->tcs, c->spouseClaims, c->tds194IA}), *expected) << form << " " << year;
  }
  EXPECT_TRUE(deductionSectionsOf("ITR-4S", 2014)->count("80EE"));
  EXPECT_FALSE(deductionSectionsOf("ITR-4", 2013)->count("80EE"));
  EXPECT_TRUE(deductionSectionsOf("ITR-6", 2013)->count("80JJAA"));
  EXPECT_FALSE(deductionSectionsOf("ITR-6", 2013)->count("80C"));
}

TEST(FormTables, TheReturnScreensOptionsComeFromTheListOfForms) {
  ReturnYear y;
  y.year = 2016;
  y.statusCode = "I";
  const auto a = decideForms(y, 0, false);
  std::vector<std::pair<std::string, std::string>> options;
  for (const auto& o : a.options) options.push_back({o.code, o.caption});
  EXPECT_EQ(options, (std::vector<std::pair<std::string, std::string>>{{"ITR-1", "SAHAJ(ITR-&1)"},
                                                                       {"ITR-2", "ITR-&2"},
                                                                       {"ITR-3", "ITR-&3"},
                                                                       {"ITR-4S", "SUGAM(ITR-4&S)"},
                                                                       {"ITR-4", "ITR-&4"},
                                                                       {"ITR-2A", "IT&R-2A"}}));
  // Each option's form is one the workspace lists for the year.
  const auto listed = suite::returnFormsOf(2016);
  for (const auto& [code, caption] : options)
    EXPECT_NE(std::find(listed.begin(), listed.end(), code), listed.end()) << code;
  // Race-horse income is not kept: the rule says so rather than pass.
  bool raceHorses = false;
  for (const auto& n : a.notExamined) raceHorses = raceHorses || n.find("Race Horse(s)") != std::string::npos;
  EXPECT_TRUE(raceHorses);
}

}  // namespace
}  // namespace meridian::itr
