#include "suite/client_list_table.h"

#include <algorithm>
#include <cctype>
#include "common/text.h"

namespace meridian::suite {
namespace {

std::string joinNonEmpty(std::initializer_list<std::string> parts, const std::string& sep) {
  std::string out;
  for (const auto& p : parts) {
    std::string t = p;
    t.erase(0, t.find_first_not_of(' '));
    t.erase(t.find_last_not_of(' ') + 1);
    if (t.empty()) continue;
    if (!out.empty()) out += sep;
    out += t;
  }
  return out;
}

struct ListRow {
  std::string code, name, stat, fnm, dob, addr, grpcode, grpnm, compnm, email, pan;
};

void groupOf(db::Connection& conn, ListRow& r) {
  auto g = conn.query(
      "SELECT grp_trans.code_no AS grpcode, grp_m.nm AS grpnm FROM grp_trans LEFT JOIN grp_m ON grp_m.code = "
      "grp_trans.code_no WHERE grp_trans.c_code = ? ORDER BY grp_trans.code_no",
      {r.code});
  if (!g.empty()) {
    r.grpcode = g.front().text("grpcode");
    r.grpnm = g.front().text("grpnm");
  }
}

void write(db::Connection& conn, const ListRow& r) {
  conn.execute("DELETE FROM tempcltbl WHERE codeno = ?", {r.code});
  conn.execute(
      "INSERT INTO tempcltbl (codeno, name, stat, fnm, dob, addr, grpcode, grpnm, compnm, email, pan) "
      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
      {r.code, r.name, r.stat, r.fnm, r.dob, r.addr, r.grpcode, r.grpnm, r.compnm, r.email, r.pan});
}

ListRow fromMainInfo(const db::Row& m) {
  ListRow r;
  r.code = m.text("code_no");
  r.name = m.text("nm");
  r.stat = m.text("status");
  if (upperCase(r.stat) == "FIRM" && m.text("llp") == "LLP_Y") r.stat = "FIRM (Limited Liability)";
  r.dob = m.text("doi");
  r.addr = joinedAddress(m);
  r.email = m.text("email");
  r.pan = m.text("pan");
  return r;
}

ListRow fromOwner(db::Connection& conn, const db::Row& o) {
  ListRow r;
  r.code = o.text("code");
  r.name = joinNonEmpty({o.text("f_nm"), o.text("m_nm"), o.text("l_nm")}, " ");
  r.stat = o.text("status").empty() ? "INDIVIDUAL" : o.text("status");
  r.fnm = relationName(o.text("sex"), joinNonEmpty({o.text("fat_f_nm"), o.text("fat_m_nm"), o.text("fat_l_nm")}, " "));
  r.dob = o.text("dob");
  r.addr = joinedAddress(o);
  r.email = o.text("email");
  r.pan = o.text("pan");
  if (!o.text("code_no").empty()) r.compnm = conn.scalar("SELECT nm FROM main_info1 WHERE code_no = ?", {o.text("code_no")});
  return r;
}

}  // namespace

std::string relationName(const std::string& sex, const std::string& fatherName) {
  if (fatherName.empty()) return "";
  if (upperCase(fatherName).rfind("W/O ", 0) == 0) return fatherName;
  return (upperCase(sex) == "FEMALE" ? "D/o " : "S/o ") + fatherName;
}

std::string joinedAddress(const db::Row& row) {
  std::string pin = row.text("pin");
  if (pin == "0") pin.clear();
  return joinNonEmpty({row.text("h_no"), row.text("h_nm"), row.text("street"), row.text("area"), row.text("city"),
                       row.text("state"), pin},
                      ", ");
}

void refreshClientListRow(db::Connection& conn, const std::string& code) {
  auto tx = conn.begin();
  auto m = conn.query("SELECT * FROM main_info1 WHERE code_no = ?", {code});
  auto o = conn.query("SELECT * FROM owner1 WHERE code = ?", {code});
  if (!m.empty()) {
    ListRow r = fromMainInfo(m.front());
    groupOf(conn, r);
    write(conn, r);
    // Persons linked to the client show its name as their company.
    for (const auto& p : conn.query("SELECT * FROM owner1 WHERE code_no = ?", {code})) {
      ListRow pr = fromOwner(conn, p);
      groupOf(conn, pr);
      write(conn, pr);
    }
  } else if (!o.empty()) {
    ListRow r = fromOwner(conn, o.front());
    groupOf(conn, r);
    write(conn, r);
  } else {
    conn.execute("DELETE FROM tempcltbl WHERE codeno = ?", {code});
  }
  tx.commit();
}

void rebuildClientList(db::Connection& conn) {
  auto tx = conn.begin();
  conn.execute("DELETE FROM tempcltbl");
  for (const auto& m : conn.query("SELECT * FROM main_info1")) {
    ListRow r = fromMainInfo(m);
    groupOf(conn, r);
    write(conn, r);
  }
  for (const auto& o : conn.query("SELECT * FROM owner1")) {
    ListRow r = fromOwner(conn, o);
    groupOf(conn, r);
    write(conn, r);
  }
  tx.commit();
}

}  // namespace meridian::suite
