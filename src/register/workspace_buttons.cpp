#include "register/workspace_buttons.h"

namespace meridian::reg {

const std::vector<WorkspaceButton>& workspaceButtons() {
  static const std::vector<WorkspaceButton> buttons = {
      // control            caption                                          frame       sibling component          member            screen   carry                 counts guarded
      {"cmd_salary",        "&Salary",                                       "famheads", "PrjSalary.Forms",         "ObjSalary",      nullptr, "salary",             "S",   true},
      {"cmd_house",         "&House Property",                               "famheads", "PrjOtherHeads.Forms",     "ObjHouseProp",   nullptr, "house",              "H",   true},
      {"cmd_business",      "Business / Profession",                         "famheads", "PrjBusiness.Forms",       "objbusiness",    nullptr, "business",           "B",   true},
      {"cmd_ad44",          "44AD, AE, AF",                                  "famheads", "PrjBusiness.Forms",       "Objad44",        nullptr, "presumptive",        nullptr, true},
      {"cmd_firm",          "Income from Firms in which you are partner",    "famheads", "PrjBusiness.Forms",       "Objfirm",        nullptr, "firm",               nullptr, true},
      {"cmd_aop",           "Share of Income as Member of AOP/BOI",          "famheads", "PrjBusiness.Forms",       "Objaop",         nullptr, nullptr,              nullptr, true},
      {"cmd_spfdbus",       "Specified Business u/s 35AD",                   "famheads", "PrjBusiness.Forms",       "Obj35AD",        nullptr, "specified_business", nullptr, true},
      {"cmd_agri",          "&Agriculture && Clubbing of Income",            "famheads", "PrjUtilities.Forms",      "ObjAgriculture", nullptr, "agriculture",        nullptr, true},
      {"cmd_captial",       " &Capital Gain",                                "famheads", "PrjOtherHeads.Forms",     "ObjIncCap",      nullptr, nullptr,              nullptr, true},
      {"Command4",          "&Other / Exempt /NSC / KVP",                    "famheads", "PrjOtherHeads.Forms",     "ObjOtherIncome", nullptr, nullptr,              nullptr, true},
      {"cmdsprate",         "Special &Rate Provisions",                      "famheads", "PrjOtherHeads.Forms",     "ObjSpRateInc",   nullptr, nullptr,              nullptr, true},
      {"cmdSchPTI",         "Sch-PTI",                                       "famheads", "PrjOtherHeads.Forms",     "SchPTI",         nullptr, nullptr,              nullptr, true},
      {"cmdSch5A",          "Sch-5A",                                        "famheads", "PrjOtherHeads.Forms",     "ObjSch5A",       nullptr, nullptr,              nullptr, true},
      {"cmdSchFA",          "Sch-FA",                                        "famheads", "PrjOtherHeads.Forms",     "ObjSchFA",       nullptr, nullptr,              nullptr, true},
      {"cmdcgdeemed",       "Deemed Capital Gain",                           "famheads", "PrjOtherHeads.Forms",     "ObjCapDeemed",   nullptr, nullptr,              nullptr, true},
      {"cmdcgdepr",         "Capital Gain u/s 50",                           "famheads", "PrjOtherHeads.Forms",     "ObjCapDepr",     nullptr, nullptr,              nullptr, true},
      {"cmd_loss",          "&Losses",                                       "famheads", "PrjDeductions.Forms",     "ObjLoss",        nullptr, nullptr,              nullptr, true},
      {"Command6",          "&Deductions",                                   "famheads", "PrjDeductions.Forms",     nullptr,          nullptr, nullptr,              nullptr, true},
      {"cmd_rebate",        "&Rebate",                                       "famheads", "PrjDeductions.Forms",     "ObjRebate",      nullptr, nullptr,              nullptr, true},
      {"cmd_taxdetail",     "&Tax Details",                                  "famheads", "PrjDeductions.Forms",     "Objtaxdetail",   nullptr, nullptr,              nullptr, true},
      {"cmddtaa",           "DTAA",                                          "famheads", "PrjDeductions.Forms",     "ObjSchFSITR",    nullptr, nullptr,              nullptr, true},
      {"cmdschddt",         "Sch-DDT/BBS",                                   "famheads", "PrjDeductions.Forms",     "ObjSchDDT",      nullptr, nullptr,              nullptr, true},
      {"cmdappfund",        "Application of Fund",                           "famheads", "PrjDeductions.Forms",     "ObjAppfund",     nullptr, nullptr,              nullptr, true},
      {"cmdmatamt",         "MAT U/s 115JB",                                 "famheads", "PrjDeductions.Forms",     nullptr,          nullptr, nullptr,              nullptr, true},
      {"cmdchprn",          "Challan Print",                                 "famtasks", "PrjUtilities.Forms",      "ObjChallan",     nullptr, nullptr,              nullptr, false},
      {"cmdpinf",           "&Modify Permanent Information",                 "famtasks", nullptr,                   nullptr,          "frmsetup2"},
      {"cmdsetup",          "Set&Up",                                        "famtasks", nullptr,                   nullptr,          "frmsetup1", nullptr,          nullptr, true},
      {"cmdcomp",           "Com&Putation",                                  "famtasks"},
      {"cmd29BC",           "Form 29B",                                      "famtasks", nullptr,                   nullptr,          nullptr, nullptr,              nullptr, true},
      {"cmdgen",            "&General Information (B/S, P&&L)",              "famtasks", nullptr,                   nullptr,          nullptr, nullptr,              nullptr, true},
      {"cmdbank",           "Bank Details",                                  "famtasks"},
      {"cmdcc",             "Credit Card",                                   "famtasks"},
      {"cmdOthForms",       "Forms (Other than ITR)",                        "famtasks"},
      {"mnufaac",           "Final Accounts",                                "famtasks"},
      {"cmdfbt",            "&FBT Details",                                  "famtasks", nullptr,                   nullptr,          nullptr, nullptr,              nullptr, true},
  };
  return buttons;
}

const WorkspaceButton* workspaceButton(const std::string& control) {
  for (const auto& b : workspaceButtons())
    if (control == b.control) return &b;
  return nullptr;
}

namespace {

bool appliesTo(Persons persons, int statusCode) {
  switch (persons) {
    case Persons::all: return true;
    case Persons::individuals: return statusCode == 0;
    case Persons::notIndividualOrHuf: return statusCode != 0 && statusCode != 1;
    case Persons::trusts: return statusCode == 3;
    case Persons::companies: return statusCode == 6 || statusCode == 7;
  }
  return true;
}

struct ButtonYears {
  const char* control;
  int firstYear, lastYear;
  Persons persons;
  const char* source;
};

const ButtonYears kButtonYears[] = {
    {"cmd_salary", 0, 9999, Persons::individuals, "s.15: salary is the income of an individual employee"},
    {"cmd_spfdbus", 2010, 9999, Persons::all, "s.35AD, inserted by the Finance (No. 2) Act, 2009, from A.Y. 2010-11"},
    {"cmdSchPTI", 2016, 9999, Persons::all,
     "Schedule PTI of the return forms from A.Y. 2016-17 (income of business trusts and investment funds, ss.115UA, 115UB)"},
    {"cmdSch5A", 2014, 9999, Persons::individuals,
     "Schedule 5A of the return forms from A.Y. 2014-15 (s.5A: spouses governed by the Portuguese Civil Code)"},
    {"cmdSchFA", 2012, 9999, Persons::all,
     "Schedule FA of the return forms from A.Y. 2012-13 (assets and accounts of a resident outside India)"},
    {"cmddtaa", 2012, 9999, Persons::all, "Schedules FSI and TR of the return forms from A.Y. 2012-13 (relief u/ss 90, 90A, 91)"},
    {"cmdschddt", 2014, 9999, Persons::companies,
     "Schedule DDT/BBS of ITR-6 from A.Y. 2014-15 (s.115-O; s.115QA, inserted by the Finance Act, 2013)"},
    {"cmdappfund", 0, 9999, Persons::trusts, "s.11: application of the income of a charitable or religious trust"},
    {"cmdfbt", 2006, 2009, Persons::notIndividualOrHuf,
     "Chapter XII-H (fringe benefit tax, employers other than individuals and HUFs, s.115W), inserted by the Finance "
     "Act, 2005, from A.Y. 2006-07; not applicable from A.Y. 2010-11 (Finance (No. 2) Act, 2009)"},
    {"famonline", kFirstYearOnline, 9999, Persons::all, "the department's e-filing portal"},
};

struct AlternateTaxYears {
  AlternateTax tax;
  enum { companies, limitedLiabilityPartnerships, otherPersons } persons;
  int firstYear;
  const char* source;
};

const AlternateTaxYears kAlternateTaxYears[] = {
    {AlternateTax::mat, AlternateTaxYears::companies, 2001, "s.115JB, inserted by the Finance Act, 2000, from A.Y. 2001-02"},
    {AlternateTax::amt, AlternateTaxYears::limitedLiabilityPartnerships, 2012,
     "s.115JC, inserted by the Finance Act, 2011, from A.Y. 2012-13 for limited liability partnerships"},
    {AlternateTax::amt, AlternateTaxYears::otherPersons, 2013,
     "s.115JC as substituted by the Finance Act, 2012: every person other than a company from A.Y. 2013-14"},
};

}  // namespace

bool buttonApplies(const std::string& control, int year, int statusCode) {
  for (const auto& b : kButtonYears)
    if (control == b.control) return b.firstYear <= year && year <= b.lastYear && appliesTo(b.persons, statusCode);
  return true;
}

AlternateTax alternateTaxOf(int statusCode, bool limitedLiability, int year) {
  const bool company = statusCode == 6 || statusCode == 7;
  for (const auto& a : kAlternateTaxYears) {
    const bool reaches = a.persons == AlternateTaxYears::companies                      ? company
                         : a.persons == AlternateTaxYears::limitedLiabilityPartnerships ? limitedLiability
                                                                                          : !company;
    if (reaches && year >= a.firstYear) return a.tax;
  }
  return AlternateTax::none;
}

const char* deductionsMember(int year) {
  // Chapter VI-A was recast around s.80C, which took the place of the
  // rebate u/s 88, by the Finance Act, 2005, from A.Y. 2006-07.
  return year >= 2006 ? "ObjDeductN" : "ObjDeduct";
}

const char* generalInformationMember(int statusCode) {
  if (statusCode == 3) return "GetGenInfoTrust";
  if (statusCode == 0 || statusCode == 1) return "GetGenInfo";
  return "GetGenInfooth";
}

const char* returnComponent(int year) { return year >= kFirstYearOfReturnScreen ? "PrjReturnsNew.Forms" : "PrjReturnsOld.Forms"; }

}  // namespace meridian::reg
