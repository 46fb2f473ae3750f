// One way to read a client: the same name however its parts are stored, and
// the year's particulars over the master's.
#include <gtest/gtest.h>

#include "host/client_particulars.h"
#include "support/client_seed.h"
#include "support/session_fixture.h"

namespace meridian::host {
namespace {

class ClientParticularsTest : public testsupport::PracticeTest {
 protected:
  Base& base() { return comp().base(); }
};

TEST_P(ClientParticularsTest, NamesJoinTheSameWayWhateverIsStored) {
  // NULL parts, blank parts and blanks around parts are all no part.
  conn().execute("INSERT INTO owner1 (code, f_nm, m_nm, l_nm, fat_f_nm, fat_m_nm, fat_l_nm) VALUES "
                 "('N1', 'ANIL', NULL, 'MEHTA', ' SURESH ', '', 'MEHTA')");
  conn().execute("INSERT INTO owner1 (code, f_nm, m_nm, l_nm) VALUES ('N2', 'ARJUN', 'K', 'RAO')");
  conn().execute("INSERT INTO owner1 (code, f_nm, m_nm, l_nm) VALUES ('N3', 'MADHAVI', NULL, NULL)");
  struct Case {
    const char *code, *name, *first, *middle, *surname, *father;
  } cases[] = {
      {"N1", "ANIL MEHTA", "ANIL", "", "MEHTA", "SURESH MEHTA"},
      {"N2", "ARJUN K RAO", "ARJUN", "K", "RAO", ""},
      {"N3", "MADHAVI", "", "", "MADHAVI", ""},  // one name: the returns need it as the surname
      {"C1", "KAVERI TEXTILES PRIVATE LIMITED", "", "", "KAVERI TEXTILES PRIVATE LIMITED", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code);
    auto p = ClientParticulars::load(base(), c.code, 0);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->name(), c.name);
    const DepartmentName d = p->departmentName();
    EXPECT_EQ(d.first, c.first);
    EXPECT_EQ(d.middle, c.middle);
    EXPECT_EQ(d.surnameOrOrgName, c.surname);
    EXPECT_EQ(p->fatherName(), c.father);
  }
  EXPECT_FALSE(ClientParticulars::load(base(), "NOBODY", 2016));
}

TEST_P(ClientParticularsTest, TheYearRowOverridesTheMasterForItsYear) {
  base().SetClOthVars("F1", "AADHAAR", "123412341234");
  conn().execute(
      "INSERT INTO new_tab (code_no, ass_year, h_no, street, city, state, pin, pan, nation, off_nm, off_city, off_pin, ward) "
      "VALUES ('F1^R-1', '2016', '7', 'ANNA SALAI', 'CHENNAI', 'TAMIL NADU', 600006, 'AAAFS1234K', 'RESIDENT', "
      "'BRANCH', 'MADURAI', 625001, 'WARD 3')");
  auto master = ClientParticulars::load(base(), "F1", 0);
  ASSERT_TRUE(master);
  EXPECT_EQ(master->address.oneLine(), "12, MOUNT ROAD, CHENNAI, TAMIL NADU, 600002");
  EXPECT_EQ(master->officeName, "SHAH AND SONS HEAD OFFICE");
  EXPECT_EQ(master->aadhaar, "123412341234");
  EXPECT_EQ(master->status, "FIRM");
  EXPECT_EQ(master->statusClass(), 2);

  // A revised return's data set: the firm's master, the data set's year row.
  auto revised = ClientParticulars::load(base(), "F1^R-1", 2016);
  ASSERT_TRUE(revised);
  EXPECT_EQ(revised->code, "F1");
  EXPECT_EQ(revised->name(), "SHAH AND SONS");
  EXPECT_EQ(revised->address.oneLine(), "7, ANNA SALAI, CHENNAI, TAMIL NADU, 600006");
  EXPECT_EQ(revised->address.stateCode(), "29");
  EXPECT_EQ(revised->officeName, "BRANCH");
  EXPECT_EQ(revised->office.oneLine(), "MADURAI, 625001");
  EXPECT_EQ(revised->ward, "WARD 3");
  EXPECT_EQ(revised->residentialStatus, "RESIDENT");
  auto otherYear = ClientParticulars::load(base(), "F1^R-1", 2015);
  ASSERT_TRUE(otherYear);
  EXPECT_EQ(otherYear->address.oneLine(), master->address.oneLine()) << "another year has no row: the master holds";
}

MERIDIAN_ON_BOTH_ENGINES(ClientParticularsTest);

}  // namespace
}  // namespace meridian::host
