#pragma once
// The statements and schedules printed with the computation: remuneration,
// interest and share of profit from firms (at the sheet's marker), and under
// their settings the KVP and NSC held and the items of exempt income.
#include <optional>
#include <string>
#include <vector>

#include "common/dates.h"
#include "common/money.h"
#include "db/connection.h"
#include "host/report_writer.h"
#include "suite/heads/member_shares.h"

namespace meridian::suite::computation {

struct FirmShareRow {  // business_firm
  std::string firm, pan, sharePercent;
  Money shareOfProfit, salary, interest, commission;
};

struct CertificateRow {  // rebate_nsc: KVP (rebtyp 2) or NSC (rebtyp 1)
  std::optional<CivilDate> purchased;
  Money amount;
  std::string number, issuedBy, rate;
  Money interest;
};

struct ItemDetailTable {  // incitemdet: the rows of one kind of exempt income
  std::string type;  // its heading
  std::vector<std::pair<std::string, Money>> items;
};

struct Annexures {
  std::vector<FirmShareRow> firms;
  std::vector<heads::member_shares::Row> memberShares;  // memsharedet
  std::vector<CertificateRow> kvp, nsc;
  std::vector<ItemDetailTable> itemDetails;
};

struct AnnexureSwitches {
  bool borders = false;
  bool kvp = false;      // KVPDet
  bool nsc = false;      // NSCDet
  bool items = false;    // CompAnnex
};

// Reads what the data set's year holds; tables missing from an older
// database give nothing.
Annexures loadAnnexures(db::Connection& conn, const std::string& dataSet, int year);

// "STATEMENT OF REMUNERATION AND INTEREST FROM FIRMS", when there are firms.
void printFirmStatement(host::ReportWriter& rep, const Annexures& a, bool borders);
// "DETAILS OF KVP" and "DETAILS OF NSC", as the switches ask.
void printCertificates(host::ReportWriter& rep, const Annexures& a, const AnnexureSwitches& on);
// The items of exempt income, one table per kind, under CompAnnex.
void printItemDetails(host::ReportWriter& rep, const Annexures& a, const AnnexureSwitches& on);

}  // namespace meridian::suite::computation
