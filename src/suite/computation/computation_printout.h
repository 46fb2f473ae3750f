#pragma once
// The printed computation of total income (and the advance tax estimation)
// of one client year, written through the report writer: page header and
// footer, the header block about the client, the computation lines with
// their marker rows expanded, the due-date line and the declaration, or
// for the estimation the estimated computation and the advance-tax
// instalments.
#include <optional>
#include <string>
#include <vector>

#include "host/report_writer.h"
#include "suite/assets/depreciation.h"
#include "suite/computation/computation_sheet.h"
#include "suite/computation/printout_annexures.h"
#include "suite/computation/printout_general_info.h"
#include "suite/computation/printout_options.h"
#include "suite/computation/printout_statements.h"
#include "suite/computation/year_settings.h"
#include "suite/engine/result_context.h"

namespace meridian::suite::computation {

// The practitioner's own particulars (bill_othclient's first row).
struct Practitioner {
  std::string name, address, area, city, pincode, officePhone1, officePhone2, residencePhone1, residencePhone2,
      mobile;
};

struct BankAccount {
  std::string bank, branchAddress, ifsc, number, type;
  bool isDefault = false;
};

struct PrintoutData {
  ClientHeader client;
  int year = 0;
  engine::YearResult result;
  engine::ResultContext context;
  ComputationSheet sheet;
  CivilDate dueDate;
  std::optional<CivilDate> originalDueDate;  // when the due date was extended
  std::string dueDateReference;              // the order that extended it
  std::optional<Practitioner> practitioner;
  std::vector<BankAccount> banks;
  Signer signer;
  std::string fatherName;
  bool daughter = false;
  std::vector<std::string> declarationLines;  // the "Dec277A" file, placeholders unfilled
  std::vector<engine::DatedPayment> advancePayments;  // for the instalments' dates of payment
  std::optional<CivilDate> computationDate;           // "Upto Input date": the date interest runs to
  Annexures annexures;
  Statements statements;
  geninfo::GeneralInformation generalInfo;
  assets::DepreciationChart depreciation;  // the year's fixed-asset chart
};

enum class PrintMode { computation, estimate };

void printComputation(host::ReportWriter& rep, const PrintoutData& d, const PrintoutOptions& o, PrintMode mode);

// "July 31, 2016": the long form the due-date line uses.
std::string longDate(const CivilDate& d);
// The due-date line: the due date, or the date extended with the order
// that extended it, broken within the page.
std::vector<std::string> dueDateLines(const PrintoutData& d);
// The declaration's placeholders filled from the client and the signer.
std::string filledDeclaration(std::string line, const PrintoutData& d);

}  // namespace meridian::suite::computation
