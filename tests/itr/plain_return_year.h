#pragma once
// A client year with nothing in it that any check turns on: computed, filed
// on time under section 139(1), with a default bank account and the
// verification filled in. Each test changes one fact of it.
#include "itr/filing_checks.h"

namespace meridian::itr::testing {

inline ReturnYear plainYear(int year, const std::string& status = "I") {
  ReturnYear y;
  y.dataSet = y.client = "I1";
  y.year = year;
  y.statusCode = status;
  y.input = engine::YearInput{};
  y.input->year = year;
  y.input->filingDate = makeDate(20, 7, year);
  y.result = engine::YearResult{};
  return y;
}

inline FilingParticulars readyParticulars(const std::string& accountType = "SAVING") {
  FilingParticulars f;
  f.sectionCode = "11";
  f.bankAccounts = {{1, "DAKSHIN SETU BANK", "DSEB0001234", "", "30012345678", accountType, true}};
  f.verification = {"KAVITA RAO", "SURESH RAO", "BBBPK5678L", "PUNE", makeDate(20, 7, 2016)};
  return f;
}

}  // namespace meridian::itr::testing
