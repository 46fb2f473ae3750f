#include "itr/return_review.h"

#include "common/years.h"

namespace meridian::itr {

ReturnReview reviewReturn(db::Connection& conn, const ReviewRequest& r) {
  ReturnReview v;
  v.year = readReturnYear(conn, r.dataSet, r.year);
  v.particulars = loadFilingParticulars(conn, r.dataSet, std::to_string(r.year));
  v.forms = decideForms(v.year, v.year.statusNumber, false);
  if (r.form.empty()) {
    v.form = v.forms.preferredForm();
  } else if (const FormOption* o = v.forms.option(r.form); o && !o->usable()) {
    v.formRefused = refusalMessage(*o);
  } else if (!o && v.forms.choices) {
    v.formRefused = r.form + " is not a form of this client's family " + v.forms.family + ".";
  } else if (!v.forms.choices && r.form != v.forms.fixedForm) {
    v.formRefused = r.form + " is not a form of this client's family " + v.forms.family + ".";
  } else {
    v.form = r.form;
  }
  if (v.form.empty()) return v;
  v.notNotified = yearNotNotified(r.year, v.form, r.electronic);
  if (v.notNotified) return v;
  v.checks = runFilingChecks(v.year, v.particulars, {v.form, r.electronic, r.today, r.dataSet.find("^R") != std::string::npos});
  return v;
}

nlohmann::json reviewJson(const ReturnReview& v) {
  using nlohmann::json;
  json forms = json::array();
  for (const auto& o : v.forms.options) {
    if (!o.visible) continue;
    forms.push_back({{"form", o.code}, {"usable", o.usable()}, {"reasons", o.reasons}});
  }
  if (!v.forms.choices) forms.push_back({{"form", v.forms.fixedForm}, {"usable", true}, {"reasons", json::array()}});
  json checks = json::array();
  for (const auto& c : v.checks) {
    json one{{"check", c.check}, {"result", outcomeName(c.outcome)}};
    if (!c.message.empty()) one["message"] = c.message;
    if (!c.focus.empty() && (c.outcome == CheckOutcome::stopped || c.outcome == CheckOutcome::asked)) one["focus"] = c.focus;
    checks.push_back(one);
  }
  json out{{"client", v.year.client},
           {"data_set", v.year.dataSet},
           {"ay", assessmentYearText(v.year.year)},
           {"status", v.year.statusCode},
           {"family", v.forms.family},
           {"forms", forms},
           {"not_examined", v.forms.notExamined},
           {"form", v.form},
           {"checks", checks}};
  if (!v.year.computationNote.empty()) out["computation"] = v.year.computationNote;
  if (v.formRefused) out["form_refused"] = *v.formRefused;
  if (v.notNotified) out["not_notified"] = *v.notNotified;
  const CheckResult* stop = firstStop(v.checks);
  out["ready"] = !v.form.empty() && !v.notNotified && !stop;
  return out;
}

}  // namespace meridian::itr
