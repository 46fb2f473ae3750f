// The due date of a client's return: the category row a client falls in for
// an A.Y. and the dates stored for it.
#include <gtest/gtest.h>

#include "common/dates.h"
#include "host/client_due_date.h"
#include "support/session_fixture.h"

namespace meridian::host {
namespace {

class ClientDueDate : public testsupport::SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    signed_ = signIn(makeUser("clerk"));
  }
  host::Base& base() { return signed_.session->component().base(); }
  void master(const std::string& code, const std::string& status) {
    conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES (?, ?, ?)", {code, "Client " + code, status});
  }
  void person(const std::string& code, const std::string& linkedTo, const std::string& auditc,
              const std::string& status = "INDIVIDUAL") {
    conn().execute("INSERT INTO owner1 (code, code_no, f_nm, auditc, status) VALUES (?, ?, ?, ?, ?)",
                   {code, linkedTo, "Person " + code, auditc, status});
  }
  void yearAudit(const std::string& code, int year, const std::string& flag) {
    conn().execute("INSERT INTO new_tab (code_no, ass_year, auditc) VALUES (?, ?, ?)",
                   {code, std::to_string(year), flag});
  }
  struct Expect {
    int statc;
    std::string due, extended;
  };
  void check(const std::string& code, int year, const Expect& e) {
    const std::string where = code + " " + std::to_string(year);
    EXPECT_EQ(clientCategory(year, readClientFacts(conn(), base(), code, year)), e.statc) << where;
    auto [due, extended] = clientDueDates(conn(), base(), code, year);
    EXPECT_EQ(due, parseDmy(e.due)) << where;
    if (e.extended.empty()) EXPECT_FALSE(extended.has_value()) << where;
    else EXPECT_EQ(extended, parseDmy(e.extended)) << where;
  }

  Signed signed_;
};

TEST_P(ClientDueDate, CategoryFollowsStatusAuditPartnershipReportAndState) {
  master("CO1", "PRIVATE LTD.");
  yearAudit("CO1", 2013, "Y");
  master("CO2", "PUBLIC LTD.");
  master("CO92", "PUBLIC LTD.");
  for (int y : {2011, 2016}) base().SetMiscOthInf("CO92", y, kReport92EKey, "Y");
  master("COJK", "PRIVATE LTD.");
  base().SetMiscOthInf("COJK", 2016, "ResAssInState2", "Y");
  base().SetMiscOthInf("COJK", 2014, "RESASSINJK", "1");
  master("COJK92", "PUBLIC LTD.");
  base().SetMiscOthInf("COJK92", 2014, "RESASSINJK", "Y");
  base().SetMiscOthInf("COJK92", 2014, kReport92EKey, "1");
  master("FA", "FIRM");
  for (int y : {2013, 2016}) yearAudit("FA", y, "Y");
  master("FN", "FIRM (LIMITED LIABILITY)");
  yearAudit("FN", 2016, "N");
  master("FX", "FIRM");  // no year row: its audit box is carried by its partners' owner1.auditc
  master("FGUJ", "FIRM");
  yearAudit("FGUJ", 2013, "Y");
  base().SetMiscOthInf("FGUJ", 2013, "RESASSINGUJ", "Y");
  master("PROP", "PROPRIETORSHIP");
  yearAudit("PROP", 2016, "Y");
  person("P1", "FA", "");
  person("P2", "FN", "Y");
  person("P3", "FX", "Y");
  person("P4", "PROP", "Y");  // a proprietor is no working partner
  person("I1", "", "");
  person("I2", "", "Y");
  person("I3", "", "Y");
  yearAudit("I3", 2016, "N");
  person("IJK", "", "");
  for (auto [y, key] : {std::pair{2016, "ResAssInState2"}, {2015, "ResAssInState2"}, {2014, "RESASSINJK"}})
    base().SetMiscOthInf("IJK", y, key, "Y");
  person("IGUJ", "", "");
  for (int y : {2013, 2015}) base().SetMiscOthInf("IGUJ", y, "RESASSINGUJ", "Y");
  person("IUK", "", "");
  base().SetMiscOthInf("IUK", 2013, "RESASSINUK", "Y");
  person("IEF", "", "");
  base().SetMiscOthInf("IEF", 2015, "REQEFILING", "Y");
  person("HUFB", "", "", "HUF");
  for (int y : {1995, 2008})
    conn().execute("INSERT INTO business_44ae (code_no, ass_year, bus_num, part_no, heavy) VALUES ('HUFB', ?, 1, 1, 1)", {y});
  person("HUFT", "", "", "HUF");  // its only business row is one the return-form choice does not count
  conn().execute("INSERT INTO business_44ae (code_no, ass_year, bus_num, part_no, heavy) VALUES ('HUFT', 1995, 1, 1, 2)");

  const struct {
    std::string code;
    int year;
    Expect e;
  } cases[] = {
      {"CO1", 2016, {2, "30/09/2016", "17/10/2016"}},
      {"CO92", 2016, {1, "30/11/2016", ""}},
      {"CO92", 2011, {1, "30/11/2011", ""}},
      {"CO1", 2011, {2, "30/09/2011", ""}},
      {"CO1", 2010, {1, "30/09/2010", "15/10/2010"}},
      {"CO1", 2013, {2, "30/09/2013", "31/10/2013"}},
      {"CO2", 2013, {3, "30/09/2013", ""}},
      {"COJK", 2016, {7, "30/09/2016", "17/10/2016"}},
      {"COJK", 2014, {7, "30/09/2014", "30/11/2014"}},
      {"COJK92", 2014, {8, "30/11/2014", ""}},
      {"FA", 2016, {3, "30/09/2016", "17/10/2016"}},
      {"FN", 2016, {9, "31/07/2016", "05/08/2016"}},
      {"FGUJ", 2013, {7, "30/09/2013", "31/10/2013"}},
      {"P1", 2016, {4, "30/09/2016", "17/10/2016"}},
      {"P1", 2013, {5, "30/09/2013", ""}},
      {"P2", 2016, {9, "31/07/2016", "05/08/2016"}},
      {"P3", 2016, {4, "30/09/2016", "17/10/2016"}},
      {"P4", 2016, {9, "31/07/2016", "05/08/2016"}},
      {"I1", 2016, {9, "31/07/2016", "05/08/2016"}},
      {"I1", 2008, {5, "31/07/2008", ""}},
      {"I1", 2006, {6, "31/07/2006", "31/10/2006"}},
      {"I1", 1995, {5, "30/06/1995", ""}},
      {"I2", 2016, {5, "30/09/2016", "17/10/2016"}},
      {"I2", 2003, {2, "31/10/2003", "01/12/2003"}},
      {"I3", 2016, {9, "31/07/2016", "05/08/2016"}},
      {"IJK", 2016, {6, "31/07/2016", "30/09/2016"}},
      {"IJK", 2015, {8, "31/07/2015", "31/08/2015"}},
      {"IJK", 2014, {9, "31/07/2014", ""}},
      {"IGUJ", 2015, {6, "31/07/2015", "07/09/2015"}},
      {"IGUJ", 2013, {8, "31/07/2013", "05/08/2013"}},
      {"IUK", 2013, {9, "31/07/2013", "31/10/2013"}},
      {"IEF", 2015, {7, "31/07/2015", "07/09/2015"}},
      {"HUFB", 1995, {4, "31/08/1995", ""}},
      {"HUFB", 2008, {6, "31/07/2008", ""}},
      {"HUFT", 1995, {5, "30/06/1995", ""}},
      {"NOBODY", 2016, {9, "31/07/2016", "05/08/2016"}},
  };
  for (const auto& c : cases) check(c.code, c.year, c.e);
}

TEST_P(ClientDueDate, WorksWithoutTheYearTablesAndWithoutADateForTheCategory) {
  master("CO1", "PRIVATE LTD.");
  master("FX", "FIRM");
  person("P3", "FX", "Y");
  person("I2", "", "Y");
  check("CO1", 2013, {3, "30/09/2013", ""});
  check("P3", 2016, {4, "30/09/2016", "17/10/2016"});
  check("I2", 2016, {5, "30/09/2016", "17/10/2016"});

  conn().execute("DELETE FROM duedt_master WHERE assyear = 2016 AND statc = 5");
  auto [due, extended] = clientDueDates(conn(), base(), "I2", 2016);
  EXPECT_FALSE(due.has_value());
  EXPECT_FALSE(extended.has_value());
}

MERIDIAN_ON_BOTH_ENGINES(ClientDueDate);

}  // namespace
}  // namespace meridian::host
