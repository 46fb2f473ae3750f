// A director's DIN in a company's return and a designated partner's DPIN in
// an LLP's: each case changes one fact of a plain year so that the check
// stops or asks with its exact words, and the case beside it passes; the
// returns the checks do not concern see nothing of them.
#include <gtest/gtest.h>

#include "itr/check_cases.h"
#include "itr/filing_checks.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

using testing::plainYear;
using testing::resultOf;

FilingParticulars ready() { return testing::readyParticulars("CURRENT"); }
const CivilDate kToday = *makeDate(1, 8, 2017);

const std::string kNoDin =
    "'Director Identification Number (DIN) issued by MCA, in case of Director' is not filled in General Information "
    "-> Key Persons.";
const std::string kNoDpin =
    "'Designated Partner Identification No.' is not filled in General Information -> Partner/Member Info.\r\n\r\n"
    "Continue without 'Designated Partner Identification No.' ?";

const std::string kNoKeyPerson =
    "No Key Person is entered in General Information -> Key Persons.\r\n\r\nReturn Form [ITR-6] gives the name, "
    "designation and PAN of the company's key persons, and for a Director the 'Director Identification Number (DIN) "
    "issued by MCA'.";
const std::string kNoDirector =
    "No Director is entered in General Information -> Key Persons.\r\n\r\nEnter the company's Directors, each "
    "with the 'Director Identification Number (DIN) issued by MCA'.";

KeyPersonFacts person(const char* designation, const char* din) { return {"ANITA DESAI", designation, din}; }

// Two partners of half each, so that the partners' own check passes.
void partners(ReturnYear& y, const char* firstDpin, const char* secondDpin) {
  y.members = {{"P1", "INDIVIDUAL", 500000, firstDpin}, {"P2", "INDIVIDUAL", 500000, secondDpin}};
}

TEST(KeyPersonChecks, EachStopsOrAsksOnItsFactAndPassesBesideIt) {
  const std::vector<testing::StopCase> cases{
      {"a director without DIN", "ITR-6", "PVT", 2016, "Key persons",
       [](ReturnYear& y) { y.keyPersons = {person("DIR", "00012345"), person("DIR", "")}; },
       [](ReturnYear& y) { y.keyPersons = {person("DIR", "00012345"), person("DIR", "00067890")}; },
       CheckOutcome::stopped, kNoDin},
      {"a managing director of a public company without DIN", "ITR-6", "PUB", 2013, "Key persons",
       [](ReturnYear& y) { y.keyPersons = {person("MD", "")}; },
       [](ReturnYear& y) { y.keyPersons = {person("MD", "00012345")}; }, CheckOutcome::stopped, kNoDin},
      {"a whole-time director without DIN beside a secretary without one", "ITR-6", "PVT", 2015, "Key persons",
       [](ReturnYear& y) { y.keyPersons = {person("CS", ""), person("WTD", "")}; },
       [](ReturnYear& y) { y.keyPersons = {person("CS", ""), person("WTD", "00012345")}; }, CheckOutcome::stopped,
       kNoDin},
      {"a company with no key person at all", "ITR-6", "PVT", 2016, "Key persons",
       [](ReturnYear& y) { y.keyPersons = {}; }, [](ReturnYear& y) { y.keyPersons = {person("DIR", "00012345")}; },
       CheckOutcome::stopped, kNoKeyPerson},
      {"a foreign company with no key person: the form still names them", "ITR-6", "PVT_F", 2016, "Key persons",
       [](ReturnYear& y) { y.keyPersons = {}; }, [](ReturnYear& y) { y.keyPersons = {person("DIR", "")}; },
       CheckOutcome::stopped, kNoKeyPerson},
      {"a public company's secretary but no director", "ITR-6", "PUB", 2014, "Key persons",
       [](ReturnYear& y) { y.keyPersons = {person("CS", "")}; },
       [](ReturnYear& y) { y.keyPersons = {person("CS", ""), person("MD", "00012345")}; }, CheckOutcome::stopped,
       kNoDirector},
      {"an LLP's partner without DPIN", "ITR-5", "LLP", 2014, "Designated partners",
       [](ReturnYear& y) { partners(y, "00011111", ""); }, [](ReturnYear& y) { partners(y, "00011111", "00022222"); },
       CheckOutcome::asked, kNoDpin},
  };
  testing::expectEachStopsAndPassesBeside(cases, ready(), kToday);
}

TEST(KeyPersonChecks, OnlyTheReturnsTheyConcernAreChecked) {
  const std::vector<testing::UnkeptCase> cases{
      {"a foreign company's directors hold no DIN", "ITR-6", "PVT_F", 2016,
       [](ReturnYear& y) { y.keyPersons = {person("DIR", "")}; }, "Key persons", false, ""},
      {"a firm's return names no key persons", "ITR-5", "FIRM", 2016, [](ReturnYear& y) { y.keyPersons = {}; },
       "Key persons", false, ""},
      {"a firm has no designated partners", "ITR-5", "FIRM", 2016, [](ReturnYear& y) { partners(y, "", ""); },
       "Designated partners", false, ""},
      {"an LLP before A.Y. 2014-15", "ITR-5", "LLP", 2013, [](ReturnYear& y) { partners(y, "", ""); },
       "Designated partners", false, ""},
      {"key persons where their table is not kept", "ITR-6", "PVT", 2016,
       [](ReturnYear& y) { y.missingTables = {"geninfo_schh_13"}; }, "Key persons", true, "geninfo_schh_13"},
  };
  testing::expectEachNotExaminedWhereItMatters(cases, ready(), kToday);
}

// The facts come from the year's key persons of the data set and from the
// persons the register links to the client.
class KeyPersonsFromTables : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  std::optional<CheckResult> check(const ReturnYear& y, const char* form, const char* name) {
    return resultOf(runFilingChecks(y, ready(), {form, true, kToday}), name);
  }
};

TEST_P(KeyPersonsFromTables, DirectorsAndDesignatedPartnersAreRead) {
  conn().execute("INSERT INTO geninfo_schh_13 (code_no, ass_year, srno, name, desig, pan, din) VALUES "
                 "('C1', 2016, 1, 'ANITA DESAI', 'DIR', 'AAAPD1234K', '00012345'), "
                 "('C1', 2016, 2, 'VIKRAM DESAI', 'MD', 'AAAPD5678L', ''), "
                 "('C1^R-1', 2016, 1, 'VIKRAM DESAI', 'MD', 'AAAPD5678L', '00067890')");
  const ReturnYear company = readReturnYear(conn(), "C1", 2016);
  ASSERT_EQ(company.keyPersons.size(), 2u);
  EXPECT_EQ(company.keyPersons[1].designation, "MD");
  const auto stopped = check(company, "ITR-6", "Key persons");
  ASSERT_TRUE(stopped.has_value());
  EXPECT_EQ(stopped->message, kNoDin);
  // The revision's own key persons have their DIN.
  EXPECT_FALSE(check(readReturnYear(conn(), "C1^R-1", 2016), "ITR-6", "Key persons").has_value());

  // F1 as an LLP: P1 has a DPIN, I1 (made a partner here) has none.
  conn().execute("UPDATE owner1 SET code_no = 'F1' WHERE code = 'I1'");
  conn().execute("UPDATE owner1 SET dpin = '00011111' WHERE code = 'P1'");
  conn().execute("INSERT INTO part_remu (code, t_year, pro_rate, intt, remun) VALUES "
                 "('I1', 2016, 50, 0, 0), ('P1', 2016, 50, 0, 0)");
  const auto asked = check(readReturnYear(conn(), "F1", 2016, true), "ITR-5", "Designated partners");
  ASSERT_TRUE(asked.has_value());
  EXPECT_EQ(asked->outcome, CheckOutcome::asked);
  EXPECT_EQ(asked->message, kNoDpin);
  conn().execute("UPDATE owner1 SET dpin = '00022222' WHERE code = 'I1'");
  EXPECT_FALSE(check(readReturnYear(conn(), "F1", 2016, true), "ITR-5", "Designated partners").has_value());
}

MERIDIAN_ON_BOTH_ENGINES(KeyPersonsFromTables);

}  // namespace
}  // namespace meridian::itr
