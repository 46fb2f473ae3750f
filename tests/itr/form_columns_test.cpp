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
      {"a section twice", [](const std::string& t) { parseDeductionSections(t); },
       "forms,first_year,last_year,sections,source\nITR-1,2013,2013,80C 80D 80C,s\n", "a section listed twice"},
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
}

// Each row is a fact of the Act or of the year's form that a wrong row of the
// Chapter VI-A table would break.
TEST(FormTables, ChapterVIASectionsFollowTheActYearByYear) {
  const std::vector<std::tuple<std::string, int, std::string, bool, std::string>> cases{
      {"ITR-4", 2013, "80EE", false, "80EE enacted for A.Y. 2014-15"},
      {"ITR-4S", 2014, "80EE", true, "first year of 80EE"},
      {"ITR-2A", 2015, "80EE", true, "the balance of the interest in 2015-16"},
      {"ITR-4", 2016, "80EE", false, "80EE lapsed until A.Y. 2017-18"},
      {"ITR-2", 2015, "80CCD(1B)", false, "80CCD(1B) from A.Y. 2016-17"},
      {"ITR-2", 2016, "80CCD(1B)", true, "80CCD(1B) from A.Y. 2016-17"},
      {"ITR-1", 2016, "80IA", false, "ITR-1 carries no undertaking's profits"},
      {"ITR-2A", 2015, "80IB", false, "ITR-2A carries no undertaking's profits"},
      {"ITR-4", 2016, "80IA", true, "business income goes in ITR-4"},
      {"ITR-5", 2015, "80QQB", false, "authors' royalties: individuals only"},
      {"ITR-6", 2016, "80RRB", false, "patent royalties: individuals only"},
      {"ITR-5", 2014, "80P", true, "co-operative societies file ITR-5"},
      {"ITR-6", 2014, "80P", false, "80P is for co-operative societies"},
      {"ITR-5", 2016, "80GGB", false, "contributions by Indian companies only"},
      {"ITR-6", 2013, "80JJAA", true, "new workmen of Indian companies"},
      {"ITR-5", 2014, "80JJAA", false, "new workmen: Indian companies only before A.Y. 2017-18"},
      {"ITR-6", 2014, "80C", false, "80C is for individuals and HUFs"},
      {"ITR-4", 2013, "80IE", true, "ITR-4's Schedule 80-IC gives the North-Eastern States"},
      {"ITR-4", 2016, "80IE", true, "ITR-4's Schedule 80-IC gives the North-Eastern States"},
      {"ITR-5", 2015, "80IE", true, "Section80IC of ITR-5 adds 80-IE"},
      {"ITR-6", 2013, "80IE", true, "Section80IC of ITR-6 adds 80-IE"},
      {"ITR-4S", 2014, "80IE", false, "SUGAM has no Schedule 80-IC"},
      {"ITR-2", 2014, "80IE", false, "ITR-2 has no Schedule 80-IC"},
      {"ITR-1", 2015, "80IE", false, "ITR-1 carries no undertaking's profits"},
  };
  for (const auto& [form, year, section, listed, why] : cases) {
    const auto sections = deductionSectionsOf(form, year);
    ASSERT_TRUE(sections) << form << " " << year;
    EXPECT_EQ(sections->count(section) == 1, listed) << form << " " << year << " " << section << ": " << why;
  }
}

// The check reads the table for ITR-1 to ITR-6 of every year the return screen
// serves: a form and year without a row would leave it "not examined".
TEST(FormTables, EveryServedFormAndYearHasItsChapterVIASections) {
  for (int year = 2013; year <= 2016; ++year)
    for (const auto& form : suite::returnFormsOf(year)) {
      if (form == "ITR-7") continue;  // trusts: no Chapter VI-A schedule is checked
      EXPECT_TRUE(deductionSectionsOf(form, year).has_value()) << form << " " << year;
    }
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
  // Race-horse income is a computed figure: with no computation the rule says so rather than pass.
  bool raceHorses = false;
  for (const auto& n : a.notExamined) raceHorses = raceHorses || n.find("Race Horse(s)") != std::string::npos;
  EXPECT_TRUE(raceHorses);
}

}  // namespace
}  // namespace meridian::itr
