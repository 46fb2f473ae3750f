#include "support/client_seed.h"

#include "suite/client_list_table.h"

namespace meridian::testsupport {

void seedPractice(db::Connection& conn) {
  const char* mainInfo =
      "INSERT INTO main_info1 (code_no, nm, status, doi, pan, h_no, street, city, state, pin, llp, reg_no) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
  conn.execute(mainInfo, {"F1", "SHAH AND SONS", "FIRM", "01/04/2001", "AAAFS1234K", "12", "MOUNT ROAD", "CHENNAI",
                          "TAMIL NADU", 600002, "LLP_N", ""});
  conn.execute(mainInfo, {"C1", "KAVERI TEXTILES PRIVATE LIMITED", "PRIVATE LTD.", "15/06/2010", "AABCK1234L", "4",
                          "RING ROAD", "SURAT", "GUJARAT", 395002, "", "U17110GJ2010PTC061234"});
  conn.execute(mainInfo, {"F10", "TEN BROTHERS", "FIRM", "", "AAAFT1111Q", "", "", "", "", 0, "", ""});
  const char* owner =
      "INSERT INTO owner1 (code, code_no, f_nm, m_nm, l_nm, fat_f_nm, sex, dob, pan, city, state, pin, auditc) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
  conn.execute(owner, {"P1", "F1", "RAVI", "", "SHAH", "MOHAN", "MALE", "02/03/1970", "ABCPS1234D", "CHENNAI",
                       "TAMIL NADU", 600002, "0"});
  conn.execute(owner, {"I1", "", "KAVITA", "", "RAO", "SURESH", "FEMALE", "05/05/1985", "BBBPK5678L", "PUNE",
                       "MAHARASHTRA", 411001, "0"});
  conn.execute("INSERT INTO off_info (code_no, nm, city, state, pin) VALUES (?, ?, ?, ?, ?)",
               {"F1", "SHAH AND SONS HEAD OFFICE", "CHENNAI", "TAMIL NADU", 600001});
  conn.execute("INSERT INTO new_tab (code_no, ass_year, city, state, pin, auditc) VALUES (?, ?, ?, ?, ?, ?)",
               {"P1", "2016", "CHENNAI", "TAMIL NADU", 600002, "0"});
  suite::rebuildClientList(conn);
}

const std::vector<std::string>& clientTables() {
  static const std::vector<std::string> tables = {"main_info1",      "owner1",         "off_info",    "new_tab",
                                                  "geninfo_miscinf", "form3a_geninfo", "misc_oth_inf", "cl_oth_vars",
                                                  "tempcltbl",       "grp_trans",      "adv_tax",     "income"};
  return tables;
}

std::map<std::string, std::vector<std::string>> snapshot(TestDatabase& db) {
  std::map<std::string, std::vector<std::string>> out;
  for (const auto& t : clientTables()) out[t] = db.dump(t);
  return out;
}

}  // namespace meridian::testsupport
