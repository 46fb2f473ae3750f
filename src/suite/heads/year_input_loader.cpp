#include "suite/heads/year_input_loader.h"

#include <memory>
#include <utility>

#include "common/text.h"
#include "common/years.h"
#include "host/status.h"

namespace meridian::suite::heads {
namespace {

std::vector<std::pair<std::string, YearInputPart>>& parts() {
  static std::vector<std::pair<std::string, YearInputPart>> list;
  return list;
}

engine::Status statusOf(const std::string& text, bool llp) {
  switch (host::statusCode(upperCase(text))) {
    case 0: return engine::Status::individual;
    case 1: return engine::Status::huf;
    case 2:
    case 3:
    case 8: return engine::Status::aopBoi;
    case 4: return engine::Status::cooperative;
    case 5: return llp ? engine::Status::llp : engine::Status::firm;
    case 6:
    case 7: return engine::Status::company;
    default: throw CannotLoadYear("the computation does not cover the status \"" + text + "\" yet");
  }
}

engine::Residence residenceOf(const std::string& nation) {
  const std::string n = upperCase(trimmed(nation));
  if (n == "NON RESIDENT" || n == "NON-RESIDENT") return engine::Residence::nonResident;
  if (n == "NOT ORDINARY" || n == "NOT ORDINARILY RESIDENT") return engine::Residence::notOrdinarilyResident;
  return engine::Residence::resident;
}

// The person: a row of owner1 (persons) or main_info1 (every other client);
// the year's particulars (new_tab) may say the residence differently.
void loadPerson(db::Connection& conn, const YearSource& s, engine::YearInput& in) {
  std::string nation;
  const auto person = conn.query("SELECT status, sex, dob, nation FROM owner1 WHERE code = ?", {s.client});
  if (!person.empty()) {
    const auto& p = person.front();
    in.status = statusOf(p.text("status").empty() ? "INDIVIDUAL" : p.text("status"), false);
    in.sex = upperCase(p.text("sex")) == "FEMALE" ? engine::Sex::female : engine::Sex::male;
    in.dob = parseDmy(p.text("dob"));
    nation = p.text("nation");
  } else {
    const auto other = conn.query("SELECT status, llp FROM main_info1 WHERE code_no = ?", {s.client});
    if (other.empty()) throw CannotLoadYear("no client \"" + s.client + "\"");
    const std::string status = other.front().text("status");
    const bool llp = other.front().text("llp").rfind("LLP_Y", 0) == 0 ||
                     upperCase(status).find("LIMITED LIABILITY") != std::string::npos;
    in.status = statusOf(status, llp);
  }
  const std::string yearNation =
      conn.scalar("SELECT nation FROM new_tab WHERE code_no = ? AND ass_year = ?", {s.dataSet, std::to_string(s.year)});
  in.residence = residenceOf(trimmed(yearNation).empty() ? nation : yearNation);
}

}  // namespace

YearInputPartRegistration::YearInputPartRegistration(std::string name, YearInputPart part) {
  parts().emplace_back(std::move(name), std::move(part));
}

LoadedYear loadYearInput(db::Connection& conn, const YearSource& source) {
  LoadedYear out;
  out.input.year = source.year;
  loadPerson(conn, source, out.input);
  for (const auto& [name, part] : parts()) part(conn, source, out.input, out.notes);
  return out;
}

std::vector<std::string> yearInputParts() {
  std::vector<std::string> names;
  for (const auto& [name, part] : parts()) names.push_back(name);
  return names;
}

}  // namespace meridian::suite::heads
