#pragma once
// Which return forms a client year may use. The return screen offers six
// options (optsITRs1to4: 0 ITR-1, 1 ITR-2, 2 ITR-3, 3 ITR-4S, 4 ITR-4 or,
// for a firm, ITR-5, 5 ITR-2A); each rule that the year's data meets refuses
// some of them with its reason, and a refused option cannot be chosen.
#include <optional>
#include <string>
#include <vector>

#include "itr/return_year.h"

namespace meridian::itr {

// The forms the screen offers, by option index.
struct FormOption {
  int index = 0;
  std::string code;     // "ITR-1" ...
  std::string caption;  // "SAHAJ(ITR-&1)" ...
  bool visible = true;
  std::vector<std::string> reasons;  // empty: usable
  bool usable() const { return reasons.empty(); }
  // The reasons one to a line (CR LF between), as the option's Tag holds them.
  std::string reasonText() const;
};

// The form family the workspace passes the screen, from the status number
// (vStatus_Read), the year and vMRR.
std::string formFamily(int status, int year, bool mrr);
// Whether the family lets the user choose among forms; the fixed ones
// ("ITR-5", "ITR-6", "ITR-7") are the form itself.
bool isFamilyOfChoices(const std::string& family);

// A caption without its accelerator, as a form code: "SAHAJ(ITR-&1)" ->
// "ITR-1", "SUGAM(ITR-4&S)" -> "ITR-4S", "ITR-&5" -> "ITR-5".
std::string formCodeOfCaption(const std::string& caption);

// The XML status code of Part A of the return ("-" for none).
std::string xmlStatusCode(const std::string& statusCode, const std::string& form, int year, bool electronic);

struct Applicability {
  std::string family;
  bool choices = false;            // the option frame is shown
  std::vector<FormOption> options; // six, by index, when there are choices
  std::string fixedForm;           // the form when there are none
  // What the rules could not examine, and why ("Capital gains: table capital_depr is not in this database.").
  std::vector<std::string> notExamined;

  const FormOption* option(const std::string& code) const;
  // The forms that may be chosen, in option order (or the fixed form).
  std::vector<std::string> usableForms() const;
  // The form a practitioner files when several may be used: the first usable
  // one in the family's order ("ITR-1/2A/2/3/4S/4"), which runs from the
  // simplest form to the fullest; "" when none may be used.
  std::string preferredForm() const;
};

// The forms of a family in its own order: "ITR-1/2A/2/3/4S/4(As Applicable)"
// -> ITR-1, ITR-2A, ITR-2, ITR-3, ITR-4S, ITR-4.
std::vector<std::string> formsOfFamily(const std::string& family);

Applicability decideForms(const ReturnYear& y, int status, bool mrr);

// A message that refuses the choice, and why: "ITR-2 can not be used :" and
// the reasons, one to a line.
std::string refusalMessage(const FormOption& o);

// The A.Y. 2017-18 gate: the words that stop any return of a year whose
// forms are not notified, or nothing.
std::optional<std::string> yearNotNotified(int year, const std::string& form, bool electronic);

// Whether a paper return may be filed; the reason it may not.
std::optional<std::string> paperFilingRefusal(const ReturnYear& y, const std::string& form,
                                              bool filedUnder139_4B = false);

}  // namespace meridian::itr
