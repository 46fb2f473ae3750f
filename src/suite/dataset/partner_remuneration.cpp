#include "suite/dataset/partner_remuneration.h"

#include <algorithm>

namespace meridian::suite::dataset {
namespace {
constexpr const char* kHolderKey = "PARTREMUDS";
constexpr const char* kFigures = "pro_rate, intt_rate, intt, remun, profit, allremu, remall";
}  // namespace

PartnerRemuneration::PartnerRemuneration(db::Connection& conn, std::string firm, int year)
    : conn_(conn), firm_(std::move(firm)), year_(year) {}

bool PartnerRemuneration::available() {
  // Only a client with persons linked to it (a firm's partners) has any.
  if (!available_) {
    available_ = conn_.exists("SELECT 1 FROM owner1 WHERE code_no = ?", {firm_});
    if (*available_) {
      const auto tables = conn_.tables();
      auto has = [&](const char* name) { return std::find(tables.begin(), tables.end(), name) != tables.end(); };
      available_ = has("part_remu") && has("nremutbl") && has("misc_oth_inf");
    }
  }
  return *available_;
}

std::string PartnerRemuneration::holder() {
  auto rs = conn_.query("SELECT svalue FROM misc_oth_inf WHERE code_no = ? AND ass_year = ? AND skey = ?",
                        {firm_, year_, kHolderKey});
  // Before the register ever switched, part_remu holds the original's rows.
  return rs.empty() ? firm_ : rs.front().text(0);
}

void PartnerRemuneration::setHolder(const std::string& code) {
  conn_.execute("DELETE FROM misc_oth_inf WHERE code_no = ? AND ass_year = ? AND skey = ?", {firm_, year_, kHolderKey});
  conn_.execute("INSERT INTO misc_oth_inf (code_no, ass_year, skey, svalue) VALUES (?, ?, ?, ?)",
                {firm_, year_, kHolderKey, code});
}

void PartnerRemuneration::snapshot(const std::string& code) {
  conn_.execute("DELETE FROM nremutbl WHERE code_no = ? AND t_year = ?", {code, year_});
  conn_.execute(std::string("INSERT INTO nremutbl (code_no, code, t_year, ") + kFigures + ") SELECT ?, code, t_year, " +
                    kFigures + " FROM part_remu WHERE t_year = ? AND code IN (SELECT code FROM owner1 WHERE code_no = ?)",
                {code, year_, firm_});
}

void PartnerRemuneration::makeCurrent(const std::string& code) {
  if (!available()) return;
  const std::string held = holder();
  if (held == code) return;
  if (!held.empty()) snapshot(held);
  conn_.execute("DELETE FROM part_remu WHERE t_year = ? AND code IN (SELECT code FROM owner1 WHERE code_no = ?)",
                {year_, firm_});
  conn_.execute(std::string("INSERT INTO part_remu (code, t_year, ") + kFigures + ") SELECT code, t_year, " + kFigures +
                    " FROM nremutbl WHERE code_no = ? AND t_year = ?",
                {code, year_});
  setHolder(code);
}

void PartnerRemuneration::beforeCopyFrom(const std::string& from) {
  if (available() && holder() == from) snapshot(from);
}

void PartnerRemuneration::afterDelete(const std::string& code) {
  if (available() && holder() == code) setHolder("");
}

void PartnerRemuneration::beforeRelabel(const std::string& from, const std::string& to) {
  if (!available()) return;
  const std::string held = holder();
  if (held == from) {
    snapshot(from);
    setHolder(to);
  } else if (held == to) {
    // part_remu held the rows of the data set being replaced: they go with it.
    setHolder("");
  }
}

}  // namespace meridian::suite::dataset
