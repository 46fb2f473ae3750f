// The workspace's head and task buttons: which apply by status and year, and
// what each does when clicked while its screen is or is not installed.
#include <gtest/gtest.h>

#include "register/workspace_fixture.h"

namespace meridian::reg::testing {
namespace {

class WorkspaceButtons : public WorkspaceTest {};

TEST(WorkspaceButtonRules, ButtonsApplyByStatusAndYearAsTheLawStood) {
  struct Case {
    const char* control;
    int year;
    int status;
    bool applies;
  } cases[] = {
      {"cmd_salary", 2016, 0, true},      {"cmd_salary", 2016, 1, false},     {"cmd_salary", 2016, 5, false},
      {"cmd_spfdbus", 2009, 5, false},    {"cmd_spfdbus", 2010, 5, true},     {"cmdSchPTI", 2015, 0, false},
      {"cmdSchPTI", 2016, 0, true},       {"cmddtaa", 2011, 0, false},        {"cmddtaa", 2012, 0, true},
      {"cmdappfund", 2016, 3, true},      {"cmdappfund", 2016, 2, false},     {"cmdfbt", 2005, 5, false},
      {"cmdfbt", 2006, 5, true},          {"cmdfbt", 2009, 6, true},          {"cmdfbt", 2010, 6, false},
      {"cmdfbt", 2008, 0, false},         {"cmdfbt", 2008, 1, false},         {"famonline", 2006, 0, false},
      {"famonline", 2007, 0, true},       {"cmd_house", 2000, 9, true},       {"cmdSch5A", 2013, 0, false},
      {"cmdSch5A", 2014, 0, true},        {"cmdSch5A", 2016, 5, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(buttonApplies(c.control, c.year, c.status), c.applies) << c.control << " " << c.year << " " << c.status;
}

TEST(WorkspaceButtonRules, TheAlternateTaxReachesEachPersonFromItsYear) {
  struct Case {
    int status;
    bool llp;
    int year;
    AlternateTax tax;
  } cases[] = {
      {6, false, 2000, AlternateTax::none}, {6, false, 2001, AlternateTax::mat}, {7, false, 2016, AlternateTax::mat},
      {5, true, 2011, AlternateTax::none},  {5, true, 2012, AlternateTax::amt},  {5, false, 2012, AlternateTax::none},
      {5, false, 2013, AlternateTax::amt},  {0, false, 2013, AlternateTax::amt}, {0, false, 2012, AlternateTax::none},
  };
  for (const auto& c : cases)
    EXPECT_EQ(alternateTaxOf(c.status, c.llp, c.year), c.tax) << c.status << " " << c.llp << " " << c.year;
  EXPECT_STREQ(deductionsMember(2005), "ObjDeduct");
  EXPECT_STREQ(deductionsMember(2006), "ObjDeductN");
}

TEST_P(WorkspaceButtons, TheScreenShowsTheButtonsOfTheClientAndYear) {
  struct Case {
    const char* client;
    int year;
    std::vector<const char*> enabled, disabled;
    const char* matAmt;
    const char* form29;
    bool online;
  } cases[] = {
      {"F1", 2016, {"cmdmatamt", "cmd29BC", "cmdSchPTI", "cmd_house"}, {"cmd_salary", "cmdfbt", "cmdappfund"},
       "AMT U/s 115JC", "Form 29C", true},
      {"C1", 2016, {"cmdmatamt", "cmd29BC"}, {"cmd_salary"}, "MAT U/s 115JB", "Form 29B", true},
      {"I1", 2012, {"cmd_salary", "cmddtaa"}, {"cmdmatamt", "cmd29BC", "cmdSchPTI"}, "MAT U/s 115JB", "Form 29B", true},
      {"F1", 2006, {"cmdfbt"}, {"cmd_spfdbus", "cmdmatamt"}, "MAT U/s 115JB", "Form 29B", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.client) + " " + std::to_string(c.year));
    open(c.client, c.year);
    for (const char* b : c.enabled) EXPECT_TRUE((*ws_)[b].enabled) << b;
    for (const char* b : c.disabled) EXPECT_FALSE((*ws_)[b].enabled) << b;
    EXPECT_EQ((*ws_)["cmdmatamt"].caption, c.matAmt);
    EXPECT_EQ((*ws_)["cmd29BC"].caption, c.form29);
    EXPECT_EQ((*ws_)["famonline"].visible, c.online);
    host().desktop().close(*ws_);
  }
}

TEST_P(WorkspaceButtons, AButtonWhoseScreenIsNotInstalledSaysSoAndEveryOtherOpensItsScreen) {
  open("F1", 2016);
  struct Case {
    const char* control;
    std::string message;  // "" when a screen opens
    const char* opens;
  } cases[] = {
      {"cmdsetup", "", "frmsetup1"},
      {"cmd29BC", "The Form 29C screen is not part of this installation yet.", nullptr},
      {"cmdOthForms", "The Forms (Other than ITR) screen is not part of this installation yet.", nullptr},
      {"mnufaac", "The Final Accounts screen is not part of this installation yet.", nullptr},
      {"cmdonlineact", "The Client Login screen is not part of this installation yet.", nullptr},
      {"cmdgen", "", "GetGenInfooth"},
      {"cmdpinf", "", "frmsetup2"},
      {"cmdchprn", "", "ChallanList"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control);
    host().base().Temp_Code = "";
    const size_t m = mark();
    click(c.control);
    if (c.opens) {
      EXPECT_TRUE(textsSince(m).empty());
      EXPECT_NE(&top(), ws_.get()) << "a screen opened over the workspace";
      host().desktop().close(top());
    } else {
      EXPECT_EQ(textsSince(m), (std::vector<std::string>{c.message}));
      EXPECT_EQ(&top(), ws_.get());
    }
  }
  click("cmdchprn");
  EXPECT_EQ(host().base().Temp_Code.get(), "F1") << "the sibling is told the client first";
}

MERIDIAN_ON_BOTH_ENGINES(WorkspaceButtons);

}  // namespace
}  // namespace meridian::reg::testing
