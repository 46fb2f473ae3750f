#include "suite/computation/year_settings.h"

#include <tuple>

#include "common/dates.h"
#include "common/years.h"
#include "db/rows.h"
#include "host/year_row.h"
#include "suite/computation/set_off_priority.h"
#include "suite/computation/year_options.h"
#include "suite/heads/year_input_loader.h"

namespace meridian::suite::computation {
namespace {

Money moneyIn(const db::Row& row, std::string_view column) { return row.money(column).value_or(Money()); }

db::Value amount(Money m) { return db::Value(m.text()); }

engine::InterestOption option(bool computed, Money byHand) {
  if (computed) return {engine::InterestChoice::charge, Money()};
  return {engine::InterestChoice::byHand, byHand};
}

// The engine reads the settings of the year it computes: interest computed
// or typed in, the date interest runs to, and the set-off order.
void loadSettingsPart(db::Connection& conn, const heads::YearSource& source, engine::YearInput& in,
                      heads::LoadNotes& notes) {
  const YearSettings s = loadYearSettings(conn, {source.dataSet, source.year});
  in.interest = interestOptions(s.interest);
  in.selfAssessmentForInterest = selfAssessmentForInterest(s.interest);
  if (s.interest.uptoInputDate && !in.filingDate)
    if (auto date = parseDmy(s.interest.computationDate)) in.filingDate = *date;
  if (!s.priorities.empty()) in.setOffPriority = toEngine(parsePriorities(s.priorities));
}

const heads::YearInputPartRegistration registered{"computation settings", &loadSettingsPart};

}  // namespace

YearSettings loadYearSettings(db::Connection& conn, const YearKey& key) {
  YearSettings s;
  auto& i = s.interest;
  const auto income = conn.query(
      "SELECT a234, b234, c234, selfy, selfy1, todate, dt_tax_det FROM income WHERE code_no = ? AND ass_year = ?",
      {key.dataSet, key.year});
  if (!income.empty()) {
    const auto& r = income.front();
    i.a234 = static_cast<int>(r.integer("a234", 1));
    i.b234 = static_cast<int>(r.integer("b234", 1));
    i.c234 = static_cast<int>(r.integer("c234", 3));
    i.selfy = static_cast<int>(r.integer("selfy", 2));
    i.selfy1 = static_cast<int>(r.integer("selfy1", 1));
    i.uptoInputDate = r.integer("todate", 0) == 1;
    i.computationDate = r.text("dt_tax_det");
  }
  const auto typed = db::selectWhere(conn, "incint234", {{"code_no", key.dataSet}, {"ass_year", key.year}});
  if (!typed.empty()) {
    i.byHand234a = moneyIn(typed.front(), "int234a");
    i.byHand234b = moneyIn(typed.front(), "int234b");
    i.byHand234c = moneyIn(typed.front(), "int234c");
  }
  auto& g = s.signer;
  const auto year = conn.query("SELECT opts, telsh, psr, fpsr, caps FROM new_tab WHERE code_no = ? AND ass_year = ?",
                               {key.dataSet, std::to_string(key.year)});
  if (!year.empty()) {
    const auto& r = year.front();
    g.options = r.text("opts");
    g.showTelephone = r.integer("telsh", 0) == 1;
    g.name = r.text("psr");
    g.fatherName = r.text("fpsr");
    g.capacity = r.text("caps");
  }
  const auto sign = db::selectWhere(conn, "miscsigndet", {{"code_no", key.dataSet}, {"tyear", key.year}});
  if (!sign.empty()) {
    const auto& r = sign.front();
    g.relation = r.text("relat");
    g.showPan = r.integer("panopt", 0) == 1;
    g.pan = r.text("pan");
    g.place = r.text("place");
  }
  s.priorities = conn.scalar("SELECT priorities FROM cylatbl WHERE code_no = ? AND tyear = ?", {key.dataSet, key.year});
  return s;
}

Signer asShown(Signer g) {
  if (g.relation.empty()) g.relation = "Son/Daughter of";
  if (g.place.empty()) g.place = "##COMMON##";
  std::string boxes;
  for (int k = 0; k < kYearOptionCount; ++k) boxes += yearOptionOn(g.options, static_cast<YearOption>(k)) ? '1' : '0';
  g.options = boxes;
  return g;
}

void saveYearSettings(db::Connection& conn, const YearKey& key, const YearSettings& s) {
  const auto& i = s.interest;
  const Signer g = asShown(s.signer);
  auto tx = conn.begin();
  const YearSettings stored = loadYearSettings(conn, key);
  const Signer was = asShown(stored.signer);
  const auto codes = [](const InterestCodes& c) {
    return std::tie(c.a234, c.b234, c.c234, c.selfy, c.selfy1, c.uptoInputDate, c.computationDate);
  };
  const auto typed = [](const InterestCodes& c) { return std::tie(c.byHand234a, c.byHand234b, c.byHand234c); };
  const auto yearRow = [](const Signer& x) {
    return std::tie(x.options, x.showTelephone, x.name, x.fatherName, x.capacity);
  };
  const auto signDetails = [](const Signer& x) { return std::tie(x.relation, x.showPan, x.pan, x.place); };
  const bool codesChanged = codes(i) != codes(stored.interest);
  const bool typedChanged = typed(i) != typed(stored.interest);
  const bool yearRowChanged = yearRow(g) != yearRow(was);
  const bool signChanged = signDetails(g) != signDetails(was);
  const bool prioritiesChanged = s.priorities != stored.priorities;
  if (!codesChanged && !typedChanged && !yearRowChanged && !signChanged && !prioritiesChanged) return;
  // The workspace writes the year row when the year is opened; settings of a
  // year never opened would have nowhere to go.
  const db::Pairs yearKey{{"code_no", key.dataSet}, {"ass_year", key.year}};
  if (conn.scalar("SELECT COUNT(*) FROM income WHERE code_no = ? AND ass_year = ?", {key.dataSet, key.year}) == "0")
    throw YearNotOpened("A.Y. " + assessmentYearText(key.year) + " of " + key.dataSet +
                        " is not opened yet: open the year in the workspace first.");
  if (codesChanged)
    db::updateWhere(conn, "income",
                    {{"a234", i.a234},
                     {"b234", i.b234},
                     {"c234", i.c234},
                     {"selfy", i.selfy},
                     {"selfy1", i.selfy1},
                     {"todate", i.uptoInputDate ? 1 : 0},
                     {"dt_tax_det", i.computationDate}},
                    yearKey);
  if (typedChanged) {
    db::deleteWhere(conn, "incint234", yearKey);
    db::insertRow(conn, "incint234",
                  {{"code_no", key.dataSet},
                   {"ass_year", key.year},
                   {"int234a", amount(i.byHand234a)},
                   {"int234b", amount(i.byHand234b)},
                   {"int234c", amount(i.byHand234c)}});
  }
  if (yearRowChanged)
    host::writeYearRow(conn, key.dataSet.substr(0, key.dataSet.find('^')), key.dataSet, key.year,
                       {{"opts", g.options},
                        {"telsh", g.showTelephone ? 1 : 0},
                        {"psr", g.name},
                        {"fpsr", g.fatherName},
                        {"caps", g.capacity}});
  const db::Pairs signKey{{"code_no", key.dataSet}, {"tyear", key.year}};
  if (signChanged) {
    db::deleteWhere(conn, "miscsigndet", signKey);
    db::insertRow(conn, "miscsigndet",
                  {{"code_no", key.dataSet},
                   {"tyear", key.year},
                   {"relat", g.relation},
                   {"panopt", g.showPan ? 1 : 0},
                   {"pan", g.pan},
                   {"place", g.place}});
  }
  if (prioritiesChanged) {
    db::deleteWhere(conn, "cylatbl", signKey);
    if (!s.priorities.empty())
      db::insertRow(conn, "cylatbl", {{"code_no", key.dataSet}, {"tyear", key.year}, {"priorities", s.priorities}});
  }
  tx.commit();
}

std::array<engine::InterestOption, 3> interestOptions(const InterestCodes& codes) {
  return {option(codes.a234 != 0, codes.byHand234a), option(codes.b234 != 0, codes.byHand234b),
          option(codes.c234 != 0 && codes.c234 != 2, codes.byHand234c)};
}

engine::SelfAssessmentForInterest selfAssessmentForInterest(const InterestCodes& codes) {
  engine::SelfAssessmentForInterest o;
  switch (codes.selfy) {
    case 0: o.for234a = engine::SelfAssessment234a::none; break;
    case 4: o.for234a = engine::SelfAssessment234a::allBeforeReturn; break;
    default: o.for234a = engine::SelfAssessment234a::byDueDate; break;
  }
  o.for234b = codes.selfy1 != 0;
  return o;
}

}  // namespace meridian::suite::computation
