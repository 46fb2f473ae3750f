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
  if (r.form != "ITR-6") return;
  const std::string what = "Key persons";
  if (y.missingTables.count("geninfo_schh_13"))
    return c.notExamined(what, "The key persons (table geninfo_schh_13) are not kept here.");
  // The form's Part A-GEN names at least one key person of every company (the
  // department's schema requires KeyPersons in PartA_GEN2For6): a return
  // without them would be refused on upload, so it is not produced.
  if (y.keyPersons.empty())
    return c.stop(what,
                  "No Key Person is entered in General Information -> Key Persons." + kTwoLines +
                      "Return Form [ITR-6] gives the name, designation and PAN of the company's key persons, and for "
                      "a Director the 'Director Identification Number (DIN) issued by MCA'.",
                  "cmdproceed");
  // A foreign company's directors hold no DIN of the Indian registry.
  if (y.statusCode != "PVT" && y.statusCode != "PUB") return c.pass(what);
  bool director = false;
  for (const auto& p : y.keyPersons) {
    if (!suite::geninfo::isDirector(p.designation)) continue;
    director = true;
    if (p.din.empty())
      return c.stop(what,
                    "'Director Identification Number (DIN) issued by MCA, in case of Director' is not filled in General "
                    "Information -> Key Persons.",
                    "cmdproceed");
  }
  // Every Indian company has a Board of Directors (s.149(1), Companies Act,
  // 2013): key persons without one leave the directors' DINs unreported.
  if (!director)
    return c.stop(what,
                  "No Director is entered in General Information -> Key Persons." + kTwoLines +
                      "Enter the company's Directors, each with the 'Director Identification Number (DIN) issued by "
                      "MCA'.",
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
