#include "suite/year_computation.h"

#include "common/text.h"
#include "common/years.h"
#include "db/connection.h"
#include "host/client_particulars.h"
#include "suite/engine/compute_year.h"
#include "suite/engine/summary_row.h"
#include "suite/engine/year_law.h"

namespace meridian::suite {
namespace {

// The statuses the engine computes, by the status code of the year row.
engine::Status engineStatus(int code, const std::string& text) {
  switch (code) {
    case 0: return engine::Status::individual;
    case 1: return engine::Status::huf;
    case 2:
    case 3:
    case 8: return engine::Status::aopBoi;
    case 4: return engine::Status::cooperative;
    case 5: return text.find("LIMITED LIABILITY") != std::string::npos ? engine::Status::llp : engine::Status::firm;
    case 6:
    case 7: return engine::Status::company;
    default: break;
  }
  throw engine::CannotCompute("The computation of a " + (text.empty() ? std::string("client of this status") : text) +
                              " is not part of the computation engine yet.");
}

engine::Residence residenceOf(const std::string& text) {
  const std::string t = upperCase(trimmed(text));
  if (t == "NON RESIDENT") return engine::Residence::nonResident;
  if (t == "NOT ORDINARY") return engine::Residence::notOrdinarilyResident;
  return engine::Residence::resident;
}

// The parts of the input no reader fills yet, in the engine's order.
const std::vector<std::string>& partsNotReadYet() {
  static const std::vector<std::string> parts = {
      "salary", "house property", "business", "capital gains", "other sources", "agricultural income",
      "losses brought forward", "deductions", "taxes paid", "relief"};
  return parts;
}

std::string listed(const std::vector<std::string>& parts) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) out += (i ? ", " : "") + parts[i];
  return out;
}

}  // namespace

LoadedYear loadYearFromTables(host::Base& base, const std::string& code, int year) {
  LoadedYear loaded;
  engine::YearInput& in = loaded.input;
  in.year = year;
  auto client = host::ClientParticulars::load(base, code, year);
  if (!client) throw engine::CannotCompute("No client has the code " + code + ".");
  const std::string stored =
      base.DbObj().scalar("SELECT status FROM income WHERE code_no = ? AND ass_year = ?", {code, year}, "");
  const int statusCode = stored.empty() ? client->statusCode() : std::stoi(stored);
  in.status = engineStatus(statusCode, client->status);
  in.residence = residenceOf(client->residentialStatus);
  in.sex = upperCase(client->sex) == "FEMALE" ? engine::Sex::female : engine::Sex::male;
  if (client->person) in.dob = client->birthOrIncorporation;
  loaded.unread = partsNotReadYet();
  return loaded;
}

void EngineComputation::ITCalcProc() {
  const std::string code = client_.vt_RTCode_No.get().empty() ? client_.vT_Code_No.get() : client_.vt_RTCode_No.get();
  const int year = client_.vT_Year.get();
  const engine::YearLaw* law = engine::lawOf(year);
  if (!law) throw engine::CannotCompute("The computation engine does not compute A.Y. " + assessmentYearText(year) + ".");
  LoadedYear loaded = loader(base_, code, year);
  YearComputation c{code, year, std::move(loaded.unread), engine::computeYear(loaded.input), {}};
  c.figures = engine::resultContextOf(c.result, *law);
  const engine::ResultContext& f = c.figures;
  results_.figures = {
      {"vTot_ITTAX", f.vTot_ITTAX},       {"vSurcharge", f.vSurcharge},     {"VEducess", f.VEducess},
      {"vINT_Payable", f.vINT_Payable},   {"Vall_tds_tot", f.Vall_tds_tot}, {"vall_tcs_tot", f.vall_tcs_tot},
      {"Vtot_adv_tax", f.Vtot_adv_tax},   {"vtot_self_tax", f.vtot_self_tax}, {"vi_tax_tot", f.vi_tax_tot},
      {"VChVIADedTot", f.VChVIADedTot},   {"vTotRelief", f.vTotRelief},
      {"vRoundedOffToNearest10", f.vRoundedOffToNearest10},
      {"GrossTotalIncome", c.result.grossTotalIncome},
      // Tax after relief with its interest, before the taxes paid: what an order compares.
      {"Vtaxbefadvtax", c.result.netTax + f.vINT_Payable},
  };
  last_ = std::move(c);
}

void EngineComputation::writeResultTables() {
  const std::string code = client_.vt_RTCode_No.get().empty() ? client_.vT_Code_No.get() : client_.vt_RTCode_No.get();
  const int year = client_.vT_Year.get();
  if (!last_ || last_->code != code || last_->year != year)
    throw std::runtime_error("The year has not been computed; its result tables were not rewritten.");
  if (!last_->unread.empty())
    throw std::runtime_error("The result tables were not rewritten: the computation does not read the year's " +
                             listed(last_->unread) + " yet.");
  const engine::SummaryRow row = engine::summaryRowOf(last_->result, last_->figures);
  db::Connection& conn = base_.DbObj();
  std::string columns = "code_no, assyear", marks = "?, ?";
  db::Params params{code, std::to_string(year)};
  for (size_t i = 0; i < row.size(); ++i) {
    columns += ", a" + std::to_string(i + 1);
    marks += ", ?";
    params.emplace_back(static_cast<long long>(row[i].wholeRupees()));
  }
  auto tx = conn.begin();
  conn.execute("DELETE FROM adv_n WHERE code_no = ? AND assyear = ?", {code, std::to_string(year)});
  conn.execute("INSERT INTO adv_n (" + columns + ") VALUES (" + marks + ")", params);
  tx.commit();
}

}  // namespace meridian::suite
