#pragma once
// The short lists the head screens offer in their cells: each entry's code is
// what the table stores (the department's code where its returns have one),
// its caption what the user sees and may type the start of.
#include <vector>

#include "suite/heads/cell_type.h"

namespace meridian::suite::heads::choices {

// GOV, PSU, OTH: the returns' employer categories.
const std::vector<Choice>& employerCategories();
// HRA, LTA, CONV, CEA, OTH: allowances of which s.10 exempts a part.
const std::vector<Choice>& exemptAllowances();
// Y let out, D deemed let out, N self-occupied: the returns' codes.
const std::vector<Choice>& houseUses();
// SB, INT, DIV, FP, OTH: receipts taxed under other sources at normal rates.
const std::vector<Choice>& otherSourceNatures();
// Exempt income by kind.
const std::vector<Choice>& exemptIncomeKinds();
// Incomes of other sources taxed at special rates: 5BB winnings, 5BBE
// unexplained income (the return's section codes).
const std::vector<Choice>& specialRateSections();
// 1 NSC, 2 KVP.
const std::vector<Choice>& savingsCertificates();
// Losses brought forward by their part number (0 house property ... 8 specified business).
const std::vector<Choice>& lossParts();
// The head an income with tax deducted belongs to (1 salary ... 5 other sources).
const std::vector<Choice>& incomeHeads();
// The sections of Chapter VI-A claimed on the deductions screen (80G apart).
const std::vector<Choice>& deductionSections();
// 100, 50, 100L, 50L: the share of a donation allowed and whether the
// qualifying limit of s.80G(4) applies.
const std::vector<Choice>& doneeCategories();

}  // namespace meridian::suite::heads::choices
