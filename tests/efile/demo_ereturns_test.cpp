// The e-returns of the demo's entered years: every client year a
// practitioner would file in ITR-1 is gathered from the stored year as the
// return screen keeps its particulars, written, checked by the program and
// by xmllint, and digested.
#include <gtest/gtest.h>

#include <filesystem>

#include "itr/efile/ereturn_source.h"
#include "itr/efile/produce_ereturn.h"
#include "suite/efile/efile_credentials.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/heads/demo_heads.h"
#include "support/session_fixture.h"
#include "support/xmllint.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

constexpr int kYear = 2016;

// The demo's years that take ITR-1 for A.Y. 2016-17, and why the others do not.
struct DemoYear {
  const char* code;
  bool itr1;
  const char* why;
};
constexpr DemoYear kDemoYears[] = {
    {"C0801", true, "salary and a self-occupied house on a loan"},
    {"C0802", true, "pension and family pension"},
    {"C0803", true, "interest of a senior citizen"},
    {"C0804", true, "salary and one let-out flat"},
    {"C0805", true, "salary, one self-occupied house, donations"},
    {"C0806", true, "two employers in the year"},
    {"C0807", true, "pension, deposits and advance tax"},
    {"C0808", true, "salary with exempt allowances"},
    {"C0809", false, "two houses: ITR-1 takes one"},
    {"C0810", true, "salary and a half share of one let-out flat"},
    {"C0811", true, "pension and NSC interest"},
    {"C0812", true, "a government teacher's salary"},
    {"C0813", false, "a house-property loss brought forward"},
    {"C0814", false, "lottery winnings"},
    {"C0815", true, "salary arrears with relief u/s 89"},
    {"C0816", false, "a capital loss brought forward"},
    {"C0817", false, "a Hindu undivided family"},
    {"C0818", true, "a non-resident with one let-out flat and deposits"},
    {"C0819", true, "a family pension below the limit: a nil return"},
    {"C0820", true, "salary, TCS and a donation to a political party"},
};

// The demo keeps each year's particulars as the return screen would (the
// section, the savings account for the refund, the verification).
class DemoEReturns : public testsupport::SessionTest {};

TEST_P(DemoEReturns, EveryItr1YearIsWrittenValidAndDigested) {
  suite::heads::seedDemoHeads(conn());
  suite::efile::EfileCredentials credentials(conn());
  credentials.save(kYear, {"SW12345678", "A1b2C3d4E5f6G7h", "0003"});
  auto signedIn = signIn(makeUser("clerk", true));
  host::Base& base = signedIn.session->component().base();
  const std::string dir = testsupport::scratchDir("demo_ereturns");
  int written = 0;
  for (const DemoYear& demo : kDemoYears) {
    SCOPED_TRACE(std::string(demo.code) + ": " + demo.why);
    if (!demo.itr1) continue;
    const auto gathered =
        gatherEReturn(base, {demo.code, demo.code, kYear, "ITR-1", "31/07/2016"}, std::nullopt, RegisterEntry{});
    EXPECT_TRUE(gathered.notes.empty());
    const fs::path file = fs::path(dir) / (std::string(demo.code) + ".xml");
    const auto produced = produceEReturn(gathered.input, file, credentials);
    ASSERT_EQ(produced.result, ProduceResult::written) << produced.error;
    EXPECT_EQ(produced.digest.size(), 44u);
    EXPECT_EQ(testsupport::xmllint(*suite::efile::rootSchemaFor(kYear, "ITR-1"), file).exitCode, 0);
    ++written;
  }
  EXPECT_EQ(written, 15);
  fs::remove_all(dir);
}

TEST_P(DemoEReturns, AYearWithoutASectionOrClientIsRefusedInWords) {
  suite::heads::seedDemoHeads(conn());
  auto signedIn = signIn(makeUser("clerk", true));
  host::Base& base = signedIn.session->component().base();
  conn().execute("UPDATE geninfo_miscinf SET section = '' WHERE code_no = 'C0801' AND ass_year = ?", {kYear});
  try {
    gatherEReturn(base, {"C0801", "C0801", kYear, "ITR-1", "31/07/2016"}, std::nullopt, RegisterEntry{});
    ADD_FAILURE() << "a year without a section was gathered";
  } catch (const CannotGatherReturn& e) {
    EXPECT_EQ(std::string(e.what()), kNoSectionChosen);
  }
  EXPECT_THROW(gatherEReturn(base, {"NOSUCH", "NOSUCH", kYear, "ITR-1", "31/07/2016"}, std::nullopt, {}),
               CannotGatherReturn);
}

MERIDIAN_ON_BOTH_ENGINES(DemoEReturns);

}  // namespace
}  // namespace meridian::itr::efile
