// The identification numbers the corporate registry gives the persons who
// sign for a company or an LLP: a director's DIN in a company's return and a
// designated partner's DPIN in an LLP's.
#include "itr/check_list.h"
#include "suite/geninfo/key_persons.h"

namespace meridian::itr {
namespace {

// LLPs have had to name their designated partners' DPIN from A.Y. 2014-15.
constexpr int kFirstYearOfDpin = 2014;

}  // namespace

void keyPersonsCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  // A foreign company's directors hold no DIN of the Indian registry.
  if (r.form != "ITR-6" || (y.statusCode != "PVT" && y.statusCode != "PUB")) return;
  const std::string what = "Key persons";
  if (y.missingTables.count("geninfo_schh_13"))
    return c.notExamined(what, "The key persons (table geninfo_schh_13) are not kept here.");
  for (const auto& p : y.keyPersons)
    if (suite::geninfo::isDirector(p.designation) && p.din.empty())
      return c.stop(what,
                    "'Director Identification Number (DIN) issued by MCA, in case of Director' is not filled in General "
                    "Information -> Key Persons.",
                    "cmdproceed");
  c.pass(what);
}

void designatedPartnersCheck(Checks& c, const ReturnYear& y, const CheckRequest& r) {
  if (r.form != "ITR-5" || y.statusCode != "LLP" || y.year < kFirstYearOfDpin) return;
  const std::string what = "Designated partners";
  for (const auto& m : y.members)
    if (m.dpin.empty())
      return c.ask(what,
                   "'Designated Partner Identification No.' is not filled in General Information -> Partner/Member "
                   "Info." + kTwoLines + "Continue without 'Designated Partner Identification No.' ?",
                   "cmdproceed");
  c.pass(what);
}

}  // namespace meridian::itr
