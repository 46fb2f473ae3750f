// The computation settings screen driven as a practitioner drives it, on
// both engines: the interest boxes stored as their codes and shown again,
// interest typed by hand reaching the computation, the signer, the user's
// presentation settings, the set-off priorities and the bill particulars;
// refusals that write nothing.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "suite/computation/settings_form.h"
#include "suite/heads/year_input_loader.h"
#include "support/session_fixture.h"

namespace meridian::suite::computation {
namespace {

using ui::Answer;

class SettingsScreen : public testsupport::PracticeTest {
 protected:
  void SetUp() override {
    PracticeTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    // A new year row as the workspace writes it.
    conn().execute("INSERT INTO income (code_no, ass_year) VALUES ('I1', 2016)");
  }

  SettingsForm& open() {
    comp().clientCtx().vT_Code_No = std::string("I1");
    comp().clientCtx().vt_RTCode_No = std::string("I1");
    comp().clientCtx().vT_Year = 2016;
    auto s = comp().open("frmsetup1");
    form_ = dynamic_cast<SettingsForm*>(s.get());
    EXPECT_NE(form_, nullptr);
    return *form_;
  }
  void click(const std::string& control) {
    ui::Event e{control, ui::EventType::click};
    ASSERT_TRUE(form_->dispatch(e)) << control;
  }
  void escape() {
    ui::Event e{"", ui::EventType::keyDown, ui::keys::escape};
    ASSERT_TRUE(form_->dispatch(e));
  }

 public:
  ui::Control& at(const std::string& name) { return (*form_)[name]; }

 protected:
  std::string income(const std::string& column) {
    return conn().scalar("SELECT " + column + " FROM income WHERE code_no = 'I1' AND ass_year = 2016");
  }
  std::map<std::string, std::vector<std::string>> everyTable() {
    std::map<std::string, std::vector<std::string>> out;
    for (const auto& t : conn().tables()) out[t] = database().dump(t);
    return out;
  }

  SettingsForm* form_ = nullptr;
};

TEST_P(SettingsScreen, ANewYearShows234AAnd234BTickedAnd234CInItsThirdState) {
  open();
  EXPECT_EQ(at("Check1").value, 1);
  EXPECT_EQ(at("Check2").value, 1);
  EXPECT_EQ(at("Check3").value, 1);
  EXPECT_EQ(at("ChkDOI234C").value, 2);
  EXPECT_EQ(at("Check4").value, 2);
  EXPECT_EQ(at("Option3").value, 1);
  EXPECT_EQ(at("txtdof").text, "__/__/____");
  // The year's boxes as the printout takes a year never saved: the losses
  // table and depreciation chart on the computation's page, the due date
  // shown, the other boxes clear.
  std::string boxes;
  for (int k = 0; k < 11; ++k) boxes += at("opts1" + std::to_string(k)).value ? '1' : '0';
  EXPECT_EQ(boxes, "00000001101");
}

TEST_P(SettingsScreen, BoxStatesAreStoredAsTheirCodesAndShownAgain) {
  struct Case {
    int check3, doi, check4, tax234a;
    const char* c234;
    const char* selfy;
  } cases[] = {
      {1, 0, 1, 0, "4", "4"},  // ticked with the second box clear
      {1, 1, 1, 1, "5", "5"},  // both ticked
      {1, 2, 1, 2, "3", "3"},  // the second box grey
      {0, 1, 0, 1, "0", "0"},  // not computed
      {1, 0, 2, 0, "4", "2"},  // self-assessment box grey
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.c234) + "/" + c.selfy);
    open();
    at("Check3").value = c.check3;
    at("ChkDOI234C").value = c.doi;
    at("Check4").value = c.check4;
    at("ChkTax234A").value = c.tax234a;
    click("cmdback");
    EXPECT_EQ(income("c234"), c.c234);
    EXPECT_EQ(income("selfy"), c.selfy);
    open();
    EXPECT_EQ(at("Check3").value, c.check3);
    if (c.check3) EXPECT_EQ(at("ChkDOI234C").value, c.doi);
    EXPECT_EQ(at("Check4").value, c.check4);
    if (c.check4 == 1) EXPECT_EQ(at("ChkTax234A").value, c.tax234a);
    click("cmdback");
  }
}

TEST_P(SettingsScreen, RefusedEntriesWriteNothingAndKeepTheFocus) {
  struct Case {
    const char* name;
    std::function<void(SettingsScreen&)> enter;
    const char* message;
    const char* focus;
  } cases[] = {
      {"no date", [](SettingsScreen& t) { t.at("Option3").value = 0; t.at("Option4").value = 1; },
       "Please Enter Date.", "txtdof"},
      {"no such date",
       [](SettingsScreen& t) {
         t.at("Option3").value = 0;
         t.at("Option4").value = 1;
         t.at("txtdof").text = "31/02/2016";
       },
       "Invalid date. Enter date in dd/mm/yyyy.", "txtdof"},
      {"bad PAN", [](SettingsScreen& t) { t.at("txtpan").text = "ABCDE1234"; }, "Invalid PAN.", "txtpan"},
      {"bad interest", [](SettingsScreen& t) { t.at("txtint234b").text = "-500"; },
       "Enter a valid amount of interest.", "txtint234b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    open();
    at("Check1").value = 0;
    at("chkbord").value = 1;
    const auto before = everyTable();
    dialogs().clear();
    c.enter(*this);
    click("cmdback");
    EXPECT_EQ(dialogs().texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(form_->focus, c.focus);
    EXPECT_EQ(everyTable(), before);
    EXPECT_TRUE(form_->loaded) << "the screen stays open";
    form_->close();
  }
}

TEST_P(SettingsScreen, SavedSettingsReachTheTablesTheUsersSettingsAndTheComputation) {
  open();
  at("Check1").value = 0;  // 234A typed in
  at("txtint234a").text = "1500";
  at("Check3").value = 0;
  at("txtint234c").text = "275.50";
  at("Option3").value = 0;
  at("Option4").value = 1;
  at("txtdof").text = "30/09/2016";
  at("txtpsr").text = "KAVITA RAO";
  at("txtfpsr").text = "SURESH RAO";
  at("txtcaps").text = "SELF";
  at("cborelat").selectText("Daughter of");
  at("chkpanopt").value = 1;
  at("txtpan").text = "bbbpk5678l";
  at("cboplace").selectIndex(2);
  at("txtsignplace").text = "PUNE";
  at("chkbord").value = 1;
  at("optcompprn").selectIndex(2);
  at("opts12").value = 0;
  at("opts16").value = 1;
  click("cmdback");
  EXPECT_FALSE(form_->loaded);

  EXPECT_EQ(income("a234"), "0");
  EXPECT_EQ(income("c234"), "0");
  EXPECT_EQ(income("todate"), "1");
  EXPECT_EQ(income("dt_tax_det"), "30/09/2016");
  EXPECT_EQ(database().dump("incint234").size(), 1u);
  EXPECT_EQ(conn().scalar("SELECT relat FROM miscsigndet WHERE code_no = 'I1' AND tyear = 2016"), "Daughter of");
  EXPECT_EQ(conn().scalar("SELECT pan FROM miscsigndet WHERE code_no = 'I1'"), "BBBPK5678L");
  EXPECT_EQ(conn().scalar("SELECT place FROM miscsigndet WHERE code_no = 'I1'"), "PUNE");
  EXPECT_EQ(conn().scalar("SELECT psr FROM new_tab WHERE code_no = 'I1' AND ass_year = '2016'"), "KAVITA RAO");
  EXPECT_EQ(conn().scalar("SELECT opts FROM new_tab WHERE code_no = 'I1' AND ass_year = '2016'"), "00000011101");
  EXPECT_EQ(comp().base().GetSettingINI("Settings", "CompBorder", ""), "1");
  EXPECT_EQ(comp().base().GetSettingINI("Settings", "CompPrn", ""), "2");

  const auto in = heads::loadYearInput(conn(), {"I1", "I1", 2016}).input;
  EXPECT_EQ(in.interest[0].choice, engine::InterestChoice::byHand);
  EXPECT_EQ(in.interest[0].byHand, Money::rupees(1500));
  EXPECT_EQ(in.interest[1].choice, engine::InterestChoice::charge);
  EXPECT_EQ(in.interest[2].byHand, Money::paise(27550));
  ASSERT_TRUE(in.filingDate.has_value());
  EXPECT_EQ(*in.filingDate, *makeDate(30, 9, 2016));

  open();
  EXPECT_EQ(at("txtint234a").text, "1500.00");
  EXPECT_EQ(at("txtdof").text, "30/09/2016");
  EXPECT_EQ(at("cborelat").text, "Daughter of");
  EXPECT_EQ(at("txtsignplace").text, "PUNE");
  EXPECT_EQ(at("chkbord").value, 1);
  EXPECT_EQ(at("optcompprn").listIndex, 2);
}

// Each "CompOth" box is saved under the key the printout reads for its
// caption, whatever its place on the screen: ticking one stores "1" under
// that key alone.
TEST_P(SettingsScreen, EachOtherPrintoutBoxIsStoredUnderItsOwnKey) {
  const struct {
    const char* box;
    const char* caption;
    const char* key;
  } boxes[] = {
      {"chkcompoth0", "Show Sch-AL (Asset/Liability) Details", "CompOth11"},
      {"chkcompoth1", "Print as Separate Annexure", "CompOth8"},
      {"chkcompoth2", "Default Bank A/c with Client Details", "CompOth0"},
      {"chkcompoth3", "Show All Bank Accounts", "CompOth1"},
      {"chkcompoth4", "Balance Sheet", "CompOth7"},
      {"chkcompoth5", "Profit && Loss A/c", "CompOth6"},
      {"chkcompoth6", "Return Income", "CompOth2"},
      {"chkcompoth7", "Receipt No.", "CompOth3"},
      {"chkcompoth8", "Ward No.", "CompOth4"},
      {"chkcompoth9", "Return Date", "CompOth5"},
      {"chkcompoth10", "Designation", "CompOth9"},
      {"chkcompoth11", "Name", "CompOth10"},
  };
  for (const auto& b : boxes) {
    SCOPED_TRACE(b.box);
    open();
    EXPECT_EQ(at(b.box).caption, b.caption);
    for (int k = 0; k < 12; ++k) at("chkcompoth" + std::to_string(k)).value = 0;
    at(b.box).value = 1;
    escape();
    // A key never changed from its default is not written and reads as "0".
    for (const auto& other : boxes)
      EXPECT_EQ(comp().base().GetSettingINI("Settings", other.key, "0"), std::string(other.key) == b.key ? "1" : "0")
          << other.key;
    open();
    EXPECT_EQ(at(b.box).value, 1) << "shown again from its key";
  }
}

TEST_P(SettingsScreen, LossPrioritiesAreSavedWhenThePanelIsLeftAndDefaultAsksFirst) {
  open();
  click("cmdcyla");
  EXPECT_TRUE(at("fracyla").visible);
  // Three losses, each with its rank among the losses and seven heads: 24 lists.
  for (int box = 0; box < 24; ++box) EXPECT_TRUE(form_->find("cbopriority" + std::to_string(box))) << box;
  EXPECT_FALSE(form_->find("cbopriority24"));
  // "Other Sources Loss": income from house property chosen first.
  const std::string first = SettingsForm::priorityBox(YearLoss::otherSources, 1);
  at(first).selectText("Income from House Property");
  click(first);
  EXPECT_EQ(at(SettingsForm::priorityBox(YearLoss::otherSources, 2)).text, "Income from Other Sources")
      << "the others move down";
  // The loss that cannot be carried forward adjusted first.
  const std::string osRank = SettingsForm::priorityBox(YearLoss::otherSources, 0);
  at(osRank).selectText("1");
  click(osRank);
  EXPECT_EQ(at(SettingsForm::priorityBox(YearLoss::houseProperty, 0)).text, "2") << "the other losses move down";
  escape();
  EXPECT_FALSE(at("fracyla").visible);
  const std::string stored = conn().scalar("SELECT priorities FROM cylatbl WHERE code_no = 'I1' AND tyear = 2016");
  EXPECT_NE(stored.find("OS:HP,OS,SAL"), std::string::npos) << stored;
  EXPECT_EQ(stored.rfind("LOSS:OS,HP,BUS;", 0), 0u) << stored;
  const auto loaded = heads::loadYearInput(conn(), {"I1", "I1", 2016}).input.setOffPriority;
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(loaded->losses, (std::array<int, 3>{2, 0, 1}));

  click("cmdcyla");
  dialogs().clear();
  dialogs().answer(Answer::no);
  click("cmddefcyla");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"Do you want to Load Default Setting?"});
  EXPECT_EQ(at(first).text, "Income from House Property") << "No keeps the order";
  dialogs().answer(Answer::yes);
  click("cmddefcyla");
  EXPECT_EQ(at(first).text, "Income from Other Sources");
  EXPECT_EQ(at(osRank).text, "3");
}

TEST_P(SettingsScreen, BillParticularsAreAddedAndDeletedAfterAsking) {
  open();
  click("cmdoth");
  click("cmdaddo");
  at("txtbname").text = "SHARMA AND ASSOCIATES";
  at("txtbcity").text = "PUNE";
  at("txtbphoneo").text = "020-2345678";
  click("cmdupdateo");
  EXPECT_EQ(conn().scalar("SELECT name FROM bill_othclient WHERE srno = 1"), "SHARMA AND ASSOCIATES");
  EXPECT_EQ(conn().scalar("SELECT pnoo1 FROM bill_othclient WHERE srno = 1"), "020-2345678");

  form_->grid("vsfoth").selectedRow = 0;
  dialogs().clear();
  dialogs().answer(Answer::no);
  click("cmddeleteo");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"Do you want to delete selected item?"});
  EXPECT_EQ(database().dump("bill_othclient").size(), 1u);
  dialogs().answer(Answer::yes);
  click("cmddeleteo");
  EXPECT_TRUE(database().dump("bill_othclient").empty());
}

// A save touches only the rows of what the user changed: a presentation
// setting alone writes no year row, a signer's name no miscsigndet row, and
// so on. Tables compared whole before and after.
TEST_P(SettingsScreen, ASaveWritesOnlyTheRowsOfWhatChanged) {
  struct Case {
    const char* name;
    std::function<void(SettingsScreen&)> change;
    std::set<std::string> tablesWritten;
  } cases[] = {
      {"a presentation setting", [](SettingsScreen& t) { t.at("optshowslab").value = 1; }, {"user_settings"}},
      {"the signer's name", [](SettingsScreen& t) { t.at("txtpsr").text = "KAVITA RAO"; }, {"new_tab"}},
      {"a year box", [](SettingsScreen& t) { t.at("opts16").value = 1; }, {"new_tab"}},
      {"the relation", [](SettingsScreen& t) { t.at("cborelat").selectText("Daughter of"); }, {"miscsigndet"}},
      {"the place", [](SettingsScreen& t) { t.at("cboplace").selectIndex(1); }, {"miscsigndet"}},
      {"an interest box", [](SettingsScreen& t) { t.at("Check2").value = 0; }, {"income"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    open();
    const auto before = everyTable();
    c.change(*this);
    click("cmdback");
    EXPECT_FALSE(form_->loaded);
    const auto after = everyTable();
    std::set<std::string> written;
    for (const auto& [table, rows] : after)
      if (before.count(table) == 0 || before.at(table) != rows) written.insert(table);
    EXPECT_EQ(written, c.tablesWritten);
    // Left again without a change: nothing at all is written.
    open();
    const auto untouched = everyTable();
    click("cmdback");
    EXPECT_EQ(everyTable(), untouched);
  }
}

// The year row overrides the client master for its year (address, audit and
// so the due date), so the first save that creates it starts from the master.
TEST_P(SettingsScreen, TheFirstSaveOfAYearKeepsTheClientsParticularsForThatYear) {
  conn().execute("UPDATE owner1 SET auditc = '1' WHERE code = 'I1'");
  ASSERT_EQ(conn().scalar("SELECT COUNT(*) FROM new_tab WHERE code_no = 'I1' AND ass_year = '2016'"), "0");
  open();
  at("txtpsr").text = "KAVITA RAO";
  click("cmdback");
  const auto row = conn().query("SELECT psr, city, pin, pan, auditc FROM new_tab WHERE code_no = 'I1'");
  ASSERT_EQ(row.size(), 1u);
  EXPECT_EQ(row.front().text("psr"), "KAVITA RAO");
  EXPECT_EQ(row.front().text("city"), "PUNE");
  EXPECT_EQ(row.front().integer("pin"), 411001);
  EXPECT_EQ(row.front().text("pan"), "BBBPK5678L");
  EXPECT_EQ(row.front().text("auditc"), "1");
}

TEST_P(SettingsScreen, AYearNeverOpenedIsRefusedNotLost) {
  conn().execute("DELETE FROM income");
  open();
  const auto before = everyTable();
  at("txtpsr").text = "KAVITA RAO";
  at("chkbord").value = 1;
  dialogs().clear();
  click("cmdback");
  ASSERT_EQ(dialogs().texts().size(), 1u);
  EXPECT_NE(dialogs().texts()[0].find("is not opened yet"), std::string::npos);
  EXPECT_EQ(everyTable(), before);
  EXPECT_EQ(comp().base().GetSettingINI("Settings", "CompBorder", ""), "");
}

MERIDIAN_ON_BOTH_ENGINES(SettingsScreen);

}  // namespace
}  // namespace meridian::suite::computation
