#pragma once
// The year table memsharedet as the screen, the computation and the
// printout read it: one AOP or BOI of which the client is a member per row,
// with the member's share of its income and how the AOP or BOI is charged
// on its own income (the stored code of `tax_basis`).
#include <optional>
#include <string>
#include <vector>

#include "db/connection.h"
#include "suite/engine/year_input.h"
#include "suite/heads/cell_type.h"
#include "suite/heads/year_rows.h"

namespace meridian::suite::heads::member_shares {

inline const YearTable kTable{.table = "memsharedet", .yearColumn = "t_year", .serialColumn = "srno"};

// M, N, X with the captions the screen offers.
const std::vector<Choice>& taxBasisChoices();
// The stored code's meaning; nothing for a code not offered (blank among them).
std::optional<engine::AopTaxed> taxedOf(const std::string& code);
// How the printout names the basis: "Max. Marginal Rate", "Normal Rates", "Not Chargeable".
std::string basisCaption(const std::string& code);

struct Row {
  std::string name, pan, sharePercent, basis;
  Money share;
};
// The rows of a data set's year in the screen's order; none when the table
// is missing from an older database.
std::vector<Row> read(db::Connection& conn, const std::string& dataSet, int year);

}  // namespace meridian::suite::heads::member_shares
