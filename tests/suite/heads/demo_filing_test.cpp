// Every individual's year of the demo carries what its return needs besides
// the figures, as the return screen reads it back: a section, the refund
// paid into a savings account with an IFSC of the schemas' form, and the
// verification by the person, dated inside the filing window of the year.
#include <gtest/gtest.h>

#include <filesystem>

#include "itr/filing_particulars.h"
#include "suite/demo_practice.h"
#include "support/db_fixture.h"

namespace meridian::suite::heads {
namespace {

class DemoFilings : public testsupport::DbTest {};

TEST_P(DemoFilings, EveryIndividualsYearCanBeFiledWithoutTyping) {
  const std::string dir = testsupport::scratchDir("demo-filings");
  suite::seedDemoPractice(conn(), suite::DataFolder::open(dir), {.clients = 3});
  // The demo's persons with a year entered head by head.
  const auto years = conn().query(
      "SELECT i.code_no, i.ass_year, o.f_nm, o.l_nm, o.pan, o.city FROM income i JOIN owner1 o ON o.code = i.code_no "
      "WHERE i.code_no LIKE 'C08%' ORDER BY i.code_no, i.ass_year");
  ASSERT_EQ(years.size(), 28u) << "25 persons, three of them with the year before too";
  for (const auto& y : years) {
    const std::string code = y.text("code_no");
    const int year = std::stoi(y.text("ass_year"));
    SCOPED_TRACE(code + " " + std::to_string(year));
    const itr::FilingParticulars f = itr::loadFilingParticulars(conn(), code, std::to_string(year));
    EXPECT_EQ(f.sectionCode, "11");
    EXPECT_EQ(f.refundMode, itr::RefundMode::bankDeposit);
    ASSERT_NE(f.defaultAccount(), nullptr);
    EXPECT_TRUE(itr::isIfscWellFormed(f.defaultAccount()->ifsc)) << f.defaultAccount()->ifsc;
    EXPECT_EQ(f.defaultAccount()->accountType, itr::kSaving);
    EXPECT_EQ(f.verification.pan, y.text("pan"));
    EXPECT_EQ(f.verification.name.substr(0, y.text("f_nm").size()), y.text("f_nm"));
    EXPECT_TRUE(f.verification.name.ends_with(y.text("l_nm"))) << f.verification.name;
    EXPECT_EQ(f.verification.place, y.text("city"));
    ASSERT_TRUE(f.verification.date.has_value());
    // Signed after the previous year closed and by the latest due date of the year.
    EXPECT_GT(*f.verification.date, (CivilDate{std::chrono::year(year), std::chrono::March, std::chrono::day(31)}));
    EXPECT_LE(*f.verification.date, (CivilDate{std::chrono::year(year), std::chrono::September, std::chrono::day(30)}));
  }
  std::filesystem::remove_all(dir);
}

MERIDIAN_ON_BOTH_ENGINES(DemoFilings);

}  // namespace
}  // namespace meridian::suite::heads
