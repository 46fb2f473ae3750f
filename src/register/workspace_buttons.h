#pragma once
// The workspace's head and task buttons: what each opens (a form of a sibling
// module, a screen of this module, or a step of the workspace itself), which
// head it carries forward first, and for which years and clients it applies.
#include <string>
#include <vector>

namespace meridian::reg {

struct WorkspaceButton {
  const char* control;
  const char* caption;
  const char* frame;                // "famheads" or "famtasks"
  const char* progId = nullptr;     // a sibling module's form ...
  const char* member = nullptr;
  const char* screen = nullptr;     // ... or a screen of this module by name
  const char* carry = nullptr;      // the head carried forward first (carry_forward.csv)
  const char* counts = nullptr;     // the head counted again first (SetSHBCnos)
  bool guarded = false;             // changes the year's data: the return-state guard asks first
};

// Every button in its frame's order. Buttons that open nothing from this
// table (progId and screen both null) are the workspace's own steps.
const std::vector<WorkspaceButton>& workspaceButtons();
const WorkspaceButton* workspaceButton(const std::string& control);

// The persons a button applies to, by the year row's status code (Part of
// the host's working context: 0 individual ... 10 artificial juridical person).
enum class Persons { all, individuals, notIndividualOrHuf, trusts, companies };

// Whether the button applies to the year and the client's status code; a
// button not listed among the year-bound ones always applies.
bool buttonApplies(const std::string& control, int year, int statusCode);

// The alternate tax that reaches the client in the year: MAT (s.115JB) for
// a company, AMT (s.115JC) for a limited liability partnership and other
// persons from the year it reached them; none before.
enum class AlternateTax { none, mat, amt };
AlternateTax alternateTaxOf(int statusCode, bool limitedLiability, int year);

// The deductions form of the year (ObjDeduct or ObjDeductN).
const char* deductionsMember(int year);
// The general-information form of the return components for the client.
const char* generalInformationMember(int statusCode);
// The return component of the year's forms: PrjReturnsNew or PrjReturnsOld.
const char* returnComponent(int year);
// The first A.Y. whose returns the return screen of this module prepares.
constexpr int kFirstYearOfReturnScreen = 2013;
// Online activities with the department's portal reach back to A.Y. 2007-08.
constexpr int kFirstYearOnline = 2007;

}  // namespace meridian::reg
