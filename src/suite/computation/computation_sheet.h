#pragma once
// The computation of a client's year as the computation screen's grid
// (`flex`) holds it: the header block about the client (rows 0 to
// vCOMPUT_ROWS), then the computation lines, caption and amounts, with the
// marker rows the printout expands ("##BANKDETAILS##", "LOSSES TABLE").
#include <optional>
#include <string>
#include <vector>

#include "common/money.h"
#include "suite/engine/year_result.h"

namespace meridian::suite::computation {

struct SheetRow {
  enum class Kind {
    header,  // caption and value about the client
    title,   // a head or section title, no amounts
    line,    // a figure inside a head (inner column)
    total,   // the figure a head or step comes to (outer column)
    marker,  // caption only, expanded by the printout
    loss,    // a row of the losses table after the "LOSSES TABLE" marker
  };
  Kind kind = Kind::line;
  std::string caption;
  std::string value;  // header rows
  std::optional<Money> inner, outer;
  engine::LossRow loss;
  // A line of the tax worked slab by slab or rate by rate, shown only when
  // the user asks for slabs and rates (ShowSlab).
  bool rateWorking = false;
};

struct ClientHeader {
  std::string code, name, status, pan, residentialStatus, ward, email, phone, mobile, aadhaar;
  std::string birthOrIncorporation;  // dd/mm/yyyy
  bool person = true;
  std::string officeAddress, residentialAddress;
  std::string group;  // the GROUP row as the sheet carries it: code and name
  std::string groupCode, groupName;  // the client's group (grp_trans, grp_m)
  std::string communicationCity;  // the city of the address new_tab.addo names for communication
};

struct ComputationSheet {
  std::vector<SheetRow> rows;
  int headerLast = -1;  // vCOMPUT_ROWS: the last row of the header block
};

// The header block: GROUP, CODE NO., NAME OF ASSESSEE, the addresses, then
// the paired rows (STATUS, WARD NO ...); `bankMarker` adds the row that
// places the bank accounts.
// A rate in basis points as the printout words it: "10%", "12.5%", "Nil".
std::string percentText(int basisPoints);

// The caption of one line of the tax's working: the income, the slice of
// the scale it falls in or the section that sets its rate, and the rate.
std::string rateCaption(const engine::RatedIncome& r);

// The computation: each head as computed, set-off, gross total income,
// Chapter VI-A, total income, the losses table, then the tax.
// bankMarker: the client has bank accounts (##BANKDETAILS## in the header);
// firmMarker: the client is a partner whose statement of firms follows the
// business head (##PARTREMUSTATEMENT##); memberMarker: the client is a member
// of an AOP or BOI whose statement of shares follows (##MEMSHARESTATEMENT##).
ComputationSheet computationSheet(const ClientHeader& client, const engine::YearResult& r, bool bankMarker,
                                  bool firmMarker = false, bool memberMarker = false);

}  // namespace meridian::suite::computation
