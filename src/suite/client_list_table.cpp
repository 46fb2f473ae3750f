#include "suite/client_list_table.h"

#include <algorithm>
#include <cctype>
#include <map>
#include "common/text.h"
#include "db/rows.h"
#include "host/client_particulars.h"

namespace meridian::suite {
namespace {

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
  db::upsertRow(conn, "tempcltbl", {{"codeno", r.code}},
                {{"name", r.name}, {"stat", r.stat}, {"fnm", r.fnm}, {"dob", r.dob}, {"addr", r.addr},
                 {"grpcode", r.grpcode}, {"grpnm", r.grpnm}, {"compnm", r.compnm}, {"email", r.email}, {"pan", r.pan}});
}

bool isWifeOf(const std::string& relation) { return upperCase(relation).rfind("W/O ", 0) == 0; }

// A list row whose relation says "W/o " (a wife, named by her husband) keeps
// it: the master holds only the father's name, so a rebuild would otherwise
// turn it back into "D/o ".
void keepWifeOf(ListRow& r, const std::string& storedRelation) {
  if (isWifeOf(storedRelation)) r.fnm = storedRelation;
}

// The "W/o " relations the list holds, by client code.
std::map<std::string, std::string> wifeOfRelations(db::Connection& conn) {
  std::map<std::string, std::string> out;
  for (const auto& row : conn.query("SELECT codeno, fnm FROM tempcltbl WHERE UPPER(fnm) LIKE 'W/O %'"))
    out.emplace(row.text("codeno"), row.text("fnm"));
  return out;
}

std::string storedRelation(db::Connection& conn, const std::string& code) {
  return conn.scalar("SELECT fnm FROM tempcltbl WHERE codeno = ?", {code});
}

// The list row of a client whose master row was read already.
ListRow listRow(db::Connection& conn, const db::Row& master, bool person) {
  const auto p = host::ClientParticulars::fromMaster(master, person);
  ListRow r;
  r.code = p.code;
  r.name = p.name();
  r.stat = p.status;
  if (!person && upperCase(r.stat) == "FIRM" && master.text("llp") == "LLP_Y") r.stat = "FIRM (Limited Liability)";
  if (person) r.fnm = relationName(p.sex, p.fatherName());
  // Shown as stored: the list does not reformat a date it cannot read.
  r.dob = master.text(person ? "dob" : "doi");
  r.addr = p.address.oneLine();
  r.email = p.email;
  r.pan = p.pan;
  if (!p.linkedTo.empty()) r.compnm = conn.scalar("SELECT nm FROM main_info1 WHERE code_no = ?", {p.linkedTo});
  return r;
}

}  // namespace

std::string relationName(const std::string& sex, const std::string& fatherName) {
  if (fatherName.empty()) return "";
  if (isWifeOf(fatherName)) return fatherName;
  return (upperCase(sex) == "FEMALE" ? "D/o " : "S/o ") + fatherName;
}

void refreshClientListRow(db::Connection& conn, const std::string& code) {
  auto tx = conn.begin();
  auto m = conn.query("SELECT * FROM main_info1 WHERE code_no = ?", {code});
  auto o = conn.query("SELECT * FROM owner1 WHERE code = ?", {code});
  if (!m.empty()) {
    ListRow r = listRow(conn, m.front(), false);
    groupOf(conn, r);
    write(conn, r);
    // Persons linked to the client show its name as their company.
    for (const auto& p : conn.query("SELECT * FROM owner1 WHERE code_no = ?", {code})) {
      ListRow pr = listRow(conn, p, true);
      keepWifeOf(pr, storedRelation(conn, pr.code));
      groupOf(conn, pr);
      write(conn, pr);
    }
  } else if (!o.empty()) {
    ListRow r = listRow(conn, o.front(), true);
    keepWifeOf(r, storedRelation(conn, code));
    groupOf(conn, r);
    write(conn, r);
  } else {
    db::deleteWhere(conn, "tempcltbl", {{"codeno", code}});
  }
  tx.commit();
}

void rebuildClientList(db::Connection& conn) {
  auto tx = conn.begin();
  const auto wivesOf = wifeOfRelations(conn);
  conn.execute("DELETE FROM tempcltbl");
  for (const auto& m : conn.query("SELECT * FROM main_info1")) {
    ListRow r = listRow(conn, m, false);
    groupOf(conn, r);
    write(conn, r);
  }
  for (const auto& o : conn.query("SELECT * FROM owner1")) {
    ListRow r = listRow(conn, o, true);
    if (auto it = wivesOf.find(r.code); it != wivesOf.end()) keepWifeOf(r, it->second);
    groupOf(conn, r);
    write(conn, r);
  }
  tx.commit();
}

}  // namespace meridian::suite
