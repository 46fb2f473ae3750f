// The filing particulars read back as the return screen keeps them: the
// section, notice, refund mode, preparer and verification of a data set; the
// client's accounts of the year; the second contacts, the client's own or
// the common ones; and the client's own particulars where nothing is kept.
#include <gtest/gtest.h>

#include "itr/filing_particulars.h"
#include "support/client_seed.h"
#include "support/db_fixture.h"

namespace meridian::itr {
namespace {

class FilingParticularsLoad : public testsupport::DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }
  void store(const std::string& owner, int year, const std::string& key, const std::string& value) {
    conn().execute("INSERT INTO misc_oth_inf (code_no, ass_year, skey, svalue) VALUES (?, ?, ?, ?)",
                   {owner, year, key, value});
  }
};

TEST_P(FilingParticularsLoad, NothingKeptGivesTheClientsOwnVerification) {
  auto f = loadFilingParticulars(conn(), "I1", "2016-17");
  EXPECT_EQ(f.year, 2016);
  EXPECT_EQ(f.client, "I1");
  EXPECT_EQ(f.sectionCode, "");
  EXPECT_EQ(f.refundMode, RefundMode::none);
  EXPECT_TRUE(f.bankAccounts.empty());
  EXPECT_EQ(f.defaultAccount(), nullptr);
  EXPECT_EQ(f.verification.name, "KAVITA RAO");
  EXPECT_EQ(f.verification.fatherName, "SURESH");
  EXPECT_EQ(f.verification.pan, "BBBPK5678L");
  EXPECT_EQ(f.verification.place, "PUNE");
  EXPECT_FALSE(f.preparer.has_value());
}

TEST_P(FilingParticularsLoad, EverythingKeptForARevisionReadsBack) {
  const std::string rev = "I1^R-1";
  conn().execute("INSERT INTO geninfo_miscinf (code_no, ass_year, section) VALUES (?, 2015, '18')", {rev});
  conn().execute("INSERT INTO trp_master (trpnm, trpid) VALUES ('ANIL MEHTA', 'TRPAB1234C')");
  const std::string trp = conn().scalar("SELECT srno FROM trp_master WHERE trpid = 'TRPAB1234C'");
  conn().execute(
      "INSERT INTO geninfo_retdet (code_no, ass_year, trpsrno, trpamt, refm, vername, verfname, verpan, verplace, "
      "verdate) VALUES (?, 2015, ?, 1500.50, 'B', 'K RAO', 'S RAO', 'BBBPK5678L', 'MUMBAI', '30/07/2015')",
      {rev, std::stoi(trp)});
  // Accounts belong to the client, not to the data set.
  conn().execute(
      "INSERT INTO bank_details (code_no, yr, srno, banknm, ifsc, acno, actyp, defbank) VALUES "
      "('I1', 2015, 2, 'GHBK', 'GHBK0000123', '5010012345', 'SAVING', 'Y'), "
      "('I1', 2015, 1, 'DSB', 'DSEB0001234', '30012345678', 'CURRENT', 'N'), "
      "('I1', 2014, 1, 'OLD', 'DSEB0009999', '111222333', 'SAVING', 'Y')");
  store(rev, 2015, "NOTICENO139_9", "DEF/139(9)/42");
  store(rev, 2015, "NOTICEDT139_9", "15/01/2016");
  store("I1", 0, "MOBNO2CH", "1");
  store("I1", 0, "MOBNO2", "9876500000");
  store("##COMMON##", 0, "MOBNO2", "9000000000");
  store("##COMMON##", 0, "EMAILID2", "office@example.in");

  auto f = loadFilingParticulars(conn(), rev, "2015");
  EXPECT_EQ(f.client, "I1");
  EXPECT_EQ(f.sectionCode, "18");
  ASSERT_NE(f.section(), nullptr);
  EXPECT_EQ(f.section()->text, "In response to notice u/s 139(9)");
  EXPECT_EQ(f.noticeNo, "DEF/139(9)/42");
  ASSERT_TRUE(f.noticeDate.has_value());
  EXPECT_EQ(formatDmy(*f.noticeDate), "15/01/2016");
  EXPECT_EQ(f.refundMode, RefundMode::bankDeposit);
  ASSERT_EQ(f.bankAccounts.size(), 2u);
  EXPECT_EQ(f.bankAccounts[0].bankName, "DSB");
  ASSERT_NE(f.defaultAccount(), nullptr);
  EXPECT_EQ(f.defaultAccount()->ifsc, "GHBK0000123");
  EXPECT_EQ(f.verification.name, "K RAO");
  EXPECT_EQ(f.verification.place, "MUMBAI");
  ASSERT_TRUE(f.preparer.has_value());
  EXPECT_EQ(f.preparer->id, "TRPAB1234C");
  EXPECT_EQ(f.preparer->amount, Money::paise(150050));
  EXPECT_EQ(f.mobile2, "9876500000");
  EXPECT_FALSE(f.mobile2Common);
  EXPECT_EQ(f.email2, "office@example.in");
  EXPECT_TRUE(f.email2Common);
}

// The signer's capacity goes with the data set's verification; where none is
// kept there, the capacity the year's computation settings give the signer.
TEST_P(FilingParticularsLoad, TheSignersCapacityIsKeptPerDataSet) {
  conn().execute("DELETE FROM new_tab WHERE code_no = 'C1' AND ass_year = '2016'");
  conn().execute("INSERT INTO new_tab (code_no, ass_year, caps) VALUES ('C1', '2016', 'DIRECTOR')");
  EXPECT_EQ(loadFilingParticulars(conn(), "C1", "2016").verification.capacity, "DIRECTOR");

  auto revised = loadFilingParticulars(conn(), "C1^R-1", "2016");
  EXPECT_EQ(revised.verification.capacity, "");  // the revision's year row says nothing
  revised.verification.capacity = "MANAGING DIRECTOR";
  saveFilingParticulars(conn(), revised);
  EXPECT_EQ(loadFilingParticulars(conn(), "C1^R-1", "2016").verification.capacity, "MANAGING DIRECTOR");
  // The original keeps its own.
  EXPECT_EQ(loadFilingParticulars(conn(), "C1", "2016").verification.capacity, "DIRECTOR");
}

TEST_P(FilingParticularsLoad, AYearThatDoesNotReadIsRefused) {
  EXPECT_THROW(loadFilingParticulars(conn(), "I1", "A.Y."), std::invalid_argument);
}

MERIDIAN_ON_BOTH_ENGINES(FilingParticularsLoad);

TEST(FilingSections, CodesFollowTheDepartmentsNumbering) {
  const std::vector<std::pair<int, std::string>> itemToCode{{1, "11"}, {2, "12"}, {3, "13"}, {4, "14"}, {5, "15"},
                                                            {6, "17"}, {7, "18"}, {8, "16"}, {9, "19"}, {10, "20"}};
  for (const auto& [item, code] : itemToCode) {
    const FilingSection* s = filingSectionOfCode(code);
    ASSERT_NE(s, nullptr) << code;
    EXPECT_EQ(s->item, item) << code;
  }
  EXPECT_EQ(filingSectionOfCode(""), nullptr);
  EXPECT_EQ(filingSectionOfCode("21"), nullptr);
}

TEST(Ifsc, WellFormedCodes) {
  const std::vector<std::pair<std::string, bool>> cases{{"DSEB0001234", true},  {"GHBK0ABC123", true},
                                                        {"DSEB1001234", false}, {"dseb0001234", false},
                                                        {"DSEB000123", false},  {"DS1B0001234", false}};
  for (const auto& [ifsc, ok] : cases) EXPECT_EQ(isIfscWellFormed(ifsc), ok) << ifsc;
}

}  // namespace
}  // namespace meridian::itr
