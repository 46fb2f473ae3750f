#include <gtest/gtest.h>

#include <functional>

#include "client/client_info_form.h"
#include "host/identifier_rules.h"
#include "host/screen.h"
#include "host/save_conflict.h"
#include "suite/client_register.h"
#include "support/client_seed.h"
#include "support/session_fixture.h"

namespace meridian {
namespace {

using testsupport::SessionTest;
using ui::Answer;
using ui::Icon;

const std::string tamilNadu = "Assessee in the State of Tamil Nadu or Union territory of Puducherry";
const std::string jammuKashmir = "Assessee in the State of Jammu and Kashmir";
const std::string gujarat = "Assessee in the State of Gujarat";
const std::string reqEfl =
    "Assessee (Other than those in the State of Gujarat) were required to E-File their returns by 31st Aug, 2015";
const std::string masterQuestion = "Do you also want to Update Client's Master Information ?";

std::string stateQuestion(const std::string& state, bool selected, const std::string& caption) {
  return "For state [" + state + "], you have " + (selected ? "" : "not ") + "selected the option '" + caption +
         "'\n\nDo you really want to Continue?";
}

using Shown = std::vector<std::pair<std::string, Icon>>;

class ClientInfoSave : public SessionTest {
 protected:
  void SetUp() override {
    SessionTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    testsupport::seedPractice(conn());
  }

  struct Opened {
    Signed s;
    std::shared_ptr<client::ClientInfoForm> form;
    ui::Control& operator[](const std::string& n) { return (*form)[n]; }
    bool click(const std::string& control) {
      ui::Event e;
      e.control = control;
      return form->dispatch(e);
    }
  };

  Opened open(const std::string& code, int year) {
    Opened o{signIn(makeUser("clerk" + std::to_string(++users_))), nullptr};
    auto& comp = o.s.session->component();
    comp.clientCtx().vT_Code_No = code;
    comp.clientCtx().vt_RTCode_No = code;
    comp.clientCtx().vT_Year = year;
    comp.returnCtx().Vt_ASS_YEAR = std::to_string(year) + "-" + std::to_string((year + 1) % 100);
    o.form = std::make_shared<client::ClientInfoForm>(comp);
    comp.showMaximised(o.form);
    return o;
  }
  // F1 in 2016 with the Tamil Nadu box ticked, so that the save asks nothing about the state.
  Opened openTicked() {
    auto o = open("F1", 2016);
    o.s.dialogs->clear();
    o["chkResAssInState1"].value = 1;
    return o;
  }

  static Shown shown(const ui::ScriptedDialogs& d) {
    Shown out;
    for (const auto& s : d.shown()) out.emplace_back(s.message.text, s.message.icon);
    return out;
  }

 private:
  int users_ = 0;
};

struct RefusalCase {
  std::string name;
  std::string code;
  int year;
  std::function<void(ui::Form&)> edit;
  std::vector<Answer> answers;
  Shown expected;
  std::string focus;
};

TEST_P(ClientInfoSave, EachRefusalSaysWhyAndWritesNothing) {
  auto tick = [](std::initializer_list<const char*> boxes) {
    return [boxes](ui::Form& f) {
      for (const char* b : boxes) f[b].value = 1;
    };
  };
  auto withTn = [](std::function<void(ui::Form&)> more) {
    return [more](ui::Form& f) {
      f["chkResAssInState1"].value = 1;  // Tamil Nadu: box 1 applies and is ticked
      more(f);
    };
  };
  auto setText = [](const char* box, std::string text) {
    return [box, text](ui::Form& f) { f[box].text = text; };
  };
  auto reqEflWith = [](const char* box) {
    return [box](ui::Form& f) {
      f["cboREQEFL"].selectText("YES");
      f[box].value = 1;
    };
  };
  const std::vector<RefusalCase> cases = {
      {"pan with a status letter the department does not issue", "F1", 2016, withTn(setText("txtpan", "ABCDE1234F")), {},
       {{"Invalid PAN !", Icon::exclamation}}, "txtpan"},
      {"date that is no date", "F1", 2016, withTn(setText("txtdob", "31/02/2016")), {},
       {{"Invalid date. Enter date in dd/mm/yyyy.", Icon::information}}, "txtdob"},
      {"date with letters", "F1", 2016, withTn(setText("txtdob", "ab/cd/efgh")), {},
       {{"Invalid date. Enter date in dd/mm/yyyy.", Icon::information}}, "txtdob"},
      {"firm without a name", "F1", 2016, withTn(setText("txtnm", "   ")), {},
       {{"Please specify 'Name'.", Icon::information}}, "txtnm"},
      {"person without first or last name", "I1", 2016,
       [](ui::Form& f) {
         f["txtfnm"].text = "";
         f["txtlnm"].text = " ";
       },
       {}, {{"Please specify 'First Name' or 'Last Name'.", Icon::information}}, "txtfnm"},
      {"firm with a malformed LLPIN", "F1", 2016, withTn(setText("txtregno", "AB")), {},
       {{std::string(host::messages::llpin), Icon::exclamation}}, "txtregno"},
      {"company with a malformed CIN", "C1", 2016, setText("txtregno", "X1234"), {},
       {{std::string(host::messages::cin), Icon::exclamation}}, "txtregno"},
      {"pan of another client, user declines", "F1", 2016, withTn(setText("txtpan", "BBBPK5678L")), {Answer::no},
       {{"PAN BBBPK5678L is already given to client I1 (KAVITA RAO).\n\nDo you want to continue?", Icon::exclamation}},
       "txtpan"},
      {"both year boxes ticked", "F1", 2016, tick({"chkResAssInState1", "chkResAssInState2"}), {},
       {{"Both '" + tamilNadu + "' & '" + jammuKashmir + "' can not be selected.", Icon::exclamation}},
       "chkResAssInState1"},
      {"Tamil Nadu box left unticked, No", "F1", 2016, [](ui::Form&) {}, {Answer::no},
       {{stateQuestion("TAMIL NADU", false, tamilNadu), Icon::question}}, "chkResAssInState1"},
      {"Tamil Nadu box left unticked, Cancel", "F1", 2016, [](ui::Form&) {}, {Answer::cancel},
       {{stateQuestion("TAMIL NADU", false, tamilNadu), Icon::question}}, "chkResAssInState1"},
      {"state typed in other case and spacing still applies", "F1", 2016, setText("cbostate", "tamil  nadu"),
       {Answer::no}, {{stateQuestion("TAMIL  NADU", false, tamilNadu), Icon::question}}, "chkResAssInState1"},
      {"box 2 ticked for a state it does not cover", "F1", 2016, tick({"chkResAssInState2"}), {Answer::yes, Answer::no},
       {{stateQuestion("TAMIL NADU", false, tamilNadu), Icon::question},
        {stateQuestion("TAMIL NADU", true, jammuKashmir), Icon::question}},
       "chkResAssInState2"},
      {"e-filing option with audit", "F1", 2015, reqEflWith("chkaudit"), {},
       {{"'" + reqEfl + "' should not be selected where 'COVERED UNDER AUDIT' is selected.", Icon::exclamation}},
       "cboREQEFL"},
      {"e-filing option with report u/s 92E", "F1", 2015, reqEflWith("chk92E"), {},
       {{"'" + reqEfl + "' should not be selected where 'LIABLE TO FURNISH REPORT U/S 92E' is selected.",
         Icon::exclamation}},
       "cboREQEFL"},
      {"e-filing option with the Gujarat box", "F1", 2015, reqEflWith("chkResAssInState2"), {Answer::yes},
       {{stateQuestion("TAMIL NADU", true, gujarat), Icon::question},
        {"'" + reqEfl + "' should not be selected where '" + gujarat + "' is selected.", Icon::exclamation}},
       "cboREQEFL"},
      {"company turnover option without the turnover, No", "C1", 2017,
       [](ui::Form& f) { f["cboDomCompTO"].selectText("YES"); }, {Answer::no},
       {{"Total Turnover / Gross Receipts in the Previous Year 2014-15 as per General Information -> Profit & Loss A/c "
         "is 'NIL' or 'NOT FILLED', you have opted 'YES'\n\nContinue ?",
         Icon::question}},
       "cboDomCompTO"},
      {"name longer than its box", "F1", 2016, withTn(setText("txtnm", std::string(127, 'N'))), {},
       {{"'Name' can not be longer than 126 characters.", Icon::information}}, "txtnm"},
      {"line break in an address", "F1", 2016, withTn(setText("txtstreet", "MOUNT\nROAD")), {},
       {{"'Road / Street' can not hold line breaks, tabs or other control characters.", Icon::information}},
       "txtstreet"},
      {"letter in the PIN", "F1", 2016, withTn(setText("txtpin", "60A002")), {},
       {{"Enter Numeric value", Icon::none}}, "txtpin"},
      {"sign in the PIN", "F1", 2016, withTn(setText("txtpin", "-60002")), {}, {{"InValid Data", Icon::none}}, "txtpin"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto o = open(c.code, c.year);
    o.s.dialogs->clear();
    c.edit(*o.form);
    for (auto a : c.answers) o.s.dialogs->answer(a);
    const auto before = testsupport::snapshot(database());
    EXPECT_FALSE(o.form->save());
    EXPECT_EQ(shown(*o.s.dialogs), c.expected);
    EXPECT_EQ(o.form->focus, c.focus);
    EXPECT_EQ(testsupport::snapshot(database()), before);
  }
}

TEST_P(ClientInfoSave, SaveWritesTheYearTheMasterAndTheClientList) {
  auto o = openTicked();
  o["txtnm"].text = "SHAH & SONS";
  o["txtstreet"].text = "ANNA SALAI";
  o["txtaadhaar"].text = "";
  o["txtpassport"].text = "Z1234567";
  o["chkOpt44AA"].value = 1;
  o.s.dialogs->answer(Answer::yes);
  ASSERT_TRUE(o.form->save());
  EXPECT_EQ(shown(*o.s.dialogs), (Shown{{masterQuestion, Icon::question}}));

  EXPECT_EQ(conn().scalar("SELECT street FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "ANNA SALAI");
  EXPECT_EQ(conn().scalar("SELECT pin FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "600002");
  EXPECT_EQ(conn().scalar("SELECT nm FROM main_info1 WHERE code_no = 'F1'"), "SHAH & SONS");
  EXPECT_EQ(conn().scalar("SELECT nm FROM off_info WHERE code_no = 'F1'"), "SHAH AND SONS HEAD OFFICE");
  EXPECT_EQ(conn().scalar("SELECT name FROM tempcltbl WHERE codeno = 'F1'"), "SHAH & SONS");
  EXPECT_EQ(conn().scalar("SELECT compnm FROM tempcltbl WHERE codeno = 'P1'"), "SHAH & SONS")
      << "the partner's list row names the firm as it is now";
  EXPECT_EQ(conn().scalar("SELECT opt44aa FROM geninfo_miscinf WHERE code_no = 'F1' AND ass_year = 2016"), "1");
  auto& base = o.s.session->component().base();
  EXPECT_EQ(base.GetMiscOthInf("F1", 2016, "ResAssInState1"), "1");
  EXPECT_FALSE(conn().exists("SELECT 1 FROM misc_oth_inf WHERE code_no = 'F1' AND skey = 'ResAssInState2'"))
      << "a box the user left as it was is not written";
  EXPECT_EQ(base.GetClOthVars("F1", "PASSPORT"), "Z1234567");
  EXPECT_EQ(o.s.session->component().returnCtx().vITname.get(), "SHAH & SONS");

  // Saved twice: the year row is updated, not doubled.
  o["txtstreet"].text = "GST ROAD";
  o.s.dialogs->answer(Answer::no);
  ASSERT_TRUE(o.form->save());
  EXPECT_EQ(database().dump("new_tab").size(), 2u);
  EXPECT_EQ(conn().scalar("SELECT street FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "GST ROAD");

  // A second opening shows what was saved.
  auto again = open("F1", 2016);
  EXPECT_EQ(again["txtstreet"].text, "GST ROAD");
  EXPECT_EQ(again["chkResAssInState1"].value, 1);
  EXPECT_EQ(again["chkOpt44AA"].value, 1);
  EXPECT_EQ(again["txtpassport"].text, "Z1234567");
}

// A partner's DPIN is the person's, kept in the register's row of the person.
TEST_P(ClientInfoSave, APartnersDpinIsKeptWithThePerson) {
  auto o = open("P1", 2016);
  o["txtdpin"].text = "00012345";
  o.s.dialogs->answer(Answer::yes);
  ASSERT_TRUE(o.form->save());
  EXPECT_EQ(conn().scalar("SELECT dpin FROM owner1 WHERE code = 'P1'"), "00012345");
  EXPECT_EQ(open("P1", 2016)["txtdpin"].text, "00012345");
  EXPECT_FALSE(open("F1", 2016)["txtdpin"].visible) << "a firm has no DPIN of its own";
}

TEST_P(ClientInfoSave, NoToTheMasterQuestionWritesOnlyTheYear) {
  auto o = openTicked();
  o["txtnm"].text = "RENAMED FIRM";
  o["txtcity"].text = "MADURAI";
  o["txtoffnm"].text = "BRANCH";
  o["txtpassport"].text = "Z7654321";
  const auto before = testsupport::snapshot(database());
  o.s.dialogs->answer(Answer::no);
  ASSERT_TRUE(o.form->save());
  const auto after = testsupport::snapshot(database());
  for (const char* t : {"main_info1", "owner1", "off_info", "tempcltbl", "cl_oth_vars"})
    EXPECT_EQ(after.at(t), before.at(t)) << t;
  EXPECT_EQ(conn().scalar("SELECT city FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "MADURAI");
  EXPECT_EQ(conn().scalar("SELECT off_nm FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "BRANCH");
  // The name only the master keeps is left as it was, and the user is told.
  EXPECT_EQ(o.s.session->component().desktop().statusLine,
            "General information of client F1 for A.Y. 2016-17 saved. Not saved, as only the client's master keeps "
            "them: Name.");
}

TEST_P(ClientInfoSave, BoxTwoHasNoMeaningIn2014) {
  // Gujarat would make box 2 apply in 2013 and 2015; in 2014 nothing is asked.
  auto o = open("C1", 2014);
  o["chkResAssInState2"].value = 1;  // a request may still bring it ticked
  o.s.dialogs->clear();
  o.s.dialogs->answer(Answer::yes);
  ASSERT_TRUE(o.form->save());
  EXPECT_EQ(shown(*o.s.dialogs), (Shown{{masterQuestion, Icon::question}}));
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM misc_oth_inf WHERE code_no = 'C1' AND ass_year = 2014 AND skey IN "
                          "('RESASSINGUJ', 'ResAssInState2', 'RESASSINUK')"),
            "0");
  o["chkResAssInState1"].value = 1;
  o.s.dialogs->answer(Answer::yes);  // Jammu and Kashmir's box ticked for Gujarat: go on
  o.s.dialogs->answer(Answer::yes);
  ASSERT_TRUE(o.form->save());
  EXPECT_EQ(conn().scalar("SELECT svalue FROM misc_oth_inf WHERE code_no = 'C1' AND ass_year = 2014 AND skey = 'RESASSINJK'"),
            "1");
}

// Each box is checked as the user leaves it: a refusal says why and keeps
// the focus in the box; an accepted value says nothing.
TEST_P(ClientInfoSave, EachBoxIsCheckedOnLeaving) {
  namespace m = host::messages;
  const std::string_view kDpinDigits = "The Designated Partner Identification No. (DPIN) is of 8 digits.";
  struct Case {
    const char* code;
    const char* box;
    const char* bad;
    std::string_view message;
    const char* good;
  } cases[] = {
      {"I1", "txtpan", "BBBXK5678L", m::invalidPan, "BBBPK5678L"},
      {"I1", "txtemail", "kavita@mail", m::email, "kavita@mail.example.in"},
      {"I1", "txtaadhaar", "12345", m::aadhaar, "234567890123"},
      {"I1", "txtdob", "31/02/1985", m::dateOfBirth, "05/05/1985"},
      {"I1", "txtdob", "01/01/2999", m::futureBirth, "05/05/1985"},
      {"C1", "txtdob", "01/01/2999", m::futureIncorporation, "15/06/2010"},
      {"I1", "txtpin", "041100", m::pin, "411001"},
      {"I1", "txtmobile", "5123456789", m::mobile, "9123456789"},
      {"C1", "txtregno", "U17110", m::cin, "U17110GJ2010PTC061234"},
      {"P1", "txtdpin", "0001234", kDpinDigits, "00012345"},
      {"P1", "txtdpin", "0001234X", kDpinDigits, ""},  // blank: asked for by the LLP's return
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.code) + " " + c.box + " " + c.bad);
    auto o = open(c.code, 2016);
    o.s.dialogs->clear();
    const auto leave = [&](const char* text) {
      o[c.box].text = text;
      o.form->focus = "cmdSaveClInfo";
      ui::Event e{c.box, ui::EventType::lostFocus};
      o.form->dispatch(e);
    };
    leave(c.bad);
    ASSERT_EQ(o.s.dialogs->shown().size(), 1u);
    EXPECT_EQ(o.s.dialogs->shown()[0].message.text, c.message);
    EXPECT_EQ(o.form->focus, c.box) << "the focus stays in the box refused";
    o.s.dialogs->clear();
    leave(c.good);
    EXPECT_TRUE(o.s.dialogs->shown().empty());
  }
}

// Two users save the same client's year: the later save asks, and whatever
// is answered, the earlier save's entries stay.
TEST_P(ClientInfoSave, TheLaterOfTwoSavesAsksAndLosesNothing) {
  struct Case {
    Answer answer;
    bool saved;
    const char* cityStored;
    const char* cityShown;
  } cases[] = {
      {Answer::yes, true, "MADURAI", "MADURAI"},
      {Answer::no, false, "", "CHENNAI"},
      {Answer::cancel, false, "", "MADURAI"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    conn().execute("DELETE FROM new_tab WHERE code_no = 'F1'");
    auto earlier = openTicked();
    auto later = openTicked();
    earlier["txtstreet"].text = "ANNA SALAI";
    earlier.s.dialogs->answer(Answer::no);  // the year only
    ASSERT_TRUE(earlier.form->save());
    later["txtcity"].text = "MADURAI";
    later.s.dialogs->clear();
    later.s.dialogs->answer(Answer::no);  // the year only
    later.s.dialogs->answer(c.answer);
    EXPECT_EQ(later.form->save(), c.saved);
    EXPECT_EQ(later.s.dialogs->texts(), (std::vector<std::string>{masterQuestion, host::conflictQuestion("F1")}));
    EXPECT_EQ(conn().scalar("SELECT street FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "ANNA SALAI")
        << "the earlier save stays";
    EXPECT_EQ(conn().scalar("SELECT COALESCE(city, '') FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"),
              c.saved ? c.cityStored : "CHENNAI");
    EXPECT_EQ(later["txtcity"].text, c.cityShown);
  }
}

TEST_P(ClientInfoSave, EscapeAsksAboutChangesNotSaved) {
  auto o = openTicked();
  auto& desktop = o.s.session->component().desktop();
  const auto isOpen = [&] {
    for (const auto& f : desktop.forms())
      if (f == o.form) return true;
    return false;
  };
  const auto before = testsupport::snapshot(database());
  ui::Event escape{"", ui::EventType::keyDown, ui::keys::escape};
  o.s.dialogs->answer(Answer::cancel);
  o.form->dispatch(escape);
  EXPECT_EQ(o.s.dialogs->texts(), std::vector<std::string>{host::Screen::unsavedQuestion});
  EXPECT_TRUE(isOpen()) << "Cancel stays on the screen";
  o.s.dialogs->answer(Answer::no);
  o.form->dispatch(escape);
  EXPECT_FALSE(isOpen()) << "No closes without saving";
  EXPECT_EQ(testsupport::snapshot(database()), before);

  // An untouched screen closes at once.
  auto again = open("F1", 2016);
  again.s.dialogs->clear();
  again.form->dispatch(escape);
  EXPECT_TRUE(again.s.dialogs->shown().empty());
}

// The turnover the option is about is the business tables' for A.Y. 2015-16
// when they hold it; otherwise the user who changed the option is asked for it.
TEST_P(ClientInfoSave, TheCompanyTurnoverQuestionUsesTheKnownTurnover) {
  if (!conn().hasTable("income_business"))
    conn().execute("CREATE TABLE income_business (code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
                   "business_no INTEGER NOT NULL, turnover DECIMAL(15,2) DEFAULT 0, gross_rec DECIMAL(15,2) DEFAULT 0, "
                   "PRIMARY KEY (code_no, ass_year, business_no))");
  const std::string head =
      "Total Turnover / Gross Receipts in the Previous Year 2014-15 as per General Information -> Profit & Loss A/c is ";

  // Stored: 3.5 crore of turnover and 1 crore of receipts is within the limit, and NO is questioned.
  conn().execute("INSERT INTO income_business (code_no, ass_year, business_no, turnover, gross_rec) VALUES "
                 "('C1', 2015, 1, 35000000, 0), ('C1', 2015, 2, 0, 10000000), ('C1', 2016, 1, 90000000, 0)");
  {
    auto o = open("C1", 2017);
    o.s.dialogs->clear();
    o["cboDomCompTO"].selectText("NO");
    o.s.dialogs->answer(Answer::no);
    EXPECT_FALSE(o.form->save());
    EXPECT_EQ(o.s.dialogs->texts(), std::vector<std::string>{head + "Rs. 45,000,000.00 which does not exceed Rs. 5 "
                                                                    "Crore, where as you have opted 'NO'\n\nContinue ?"});
    EXPECT_TRUE(o.s.dialogs->prompts().empty()) << "a stored turnover is not asked for";
    EXPECT_EQ(o.form->focus, "cboDomCompTO");
  }
  // Not stored: the user is asked, and the figure typed decides the question.
  conn().execute("DELETE FROM income_business WHERE code_no = 'C1'");
  {
    auto o = open("C1", 2017);
    o.s.dialogs->clear();
    o["cboDomCompTO"].selectText("YES");
    o.s.dialogs->type("-5");           // refused, asked again
    o.s.dialogs->type("6,00,00,000");  // six crore
    o.s.dialogs->answer(Answer::yes);  // go on with YES
    o.s.dialogs->answer(Answer::yes);  // the master too
    ASSERT_TRUE(o.form->save());
    EXPECT_EQ(o.s.dialogs->prompts().size(), 2u);
    const auto texts = o.s.dialogs->texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[1], head + "Rs. 60,000,000.00 which exceed Rs. 5 Crore, where as you have opted 'YES'\n\nContinue ?");
    EXPECT_EQ(o.s.session->component().base().GetMiscOthInf("C1", 2017, "DOMCOMPTO"), "Y");
  }
}

TEST_P(ClientInfoSave, YearCaptionsFollowTheYear) {
  struct Row {
    int year;
    std::string box1, box2;
    bool reqEflShown;
  };
  const std::vector<Row> rows = {
      {2013, gujarat, "Residing / Assessed in the State of Uttarakhand", false},
      {2014, jammuKashmir, "", false},
      {2015, jammuKashmir, gujarat, true},
      {2016, tamilNadu, jammuKashmir, false},
      {2017, "", "", false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.year);
    auto o = open("F1", r.year);
    EXPECT_EQ(o["chkResAssInState1"].visible, !r.box1.empty());
    EXPECT_EQ(o["chkResAssInState1"].caption, r.box1);
    EXPECT_EQ(o["chkResAssInState2"].visible, !r.box2.empty());
    EXPECT_EQ(o["chkResAssInState2"].caption, r.box2);
    EXPECT_EQ(o["cboREQEFL"].visible, r.reqEflShown);
  }
}

TEST_P(ClientInfoSave, StateOutsideIndiaForcesThePin) {
  auto o = open("F1", 2016);
  o["cbostate"].selectText("STATE OUTSIDE INDIA");
  ui::Event change;
  change.control = "cbostate";
  change.type = ui::EventType::change;
  o.form->dispatch(change);
  EXPECT_EQ(o["txtpin"].text, "999999");
  EXPECT_EQ(o["cbocountry"].text, "") << "India is no country for an address outside India";
  o["cbocountry"].selectText("SINGAPORE");
  o["txtpin"].text = "600002";  // typed over afterwards: the save forces it again
  o.s.dialogs->answer(Answer::yes);
  ASSERT_TRUE(o.form->save());
  EXPECT_EQ(conn().scalar("SELECT pin FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "999999");
  EXPECT_EQ(conn().scalar("SELECT state FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "STATE OUTSIDE INDIA");
  EXPECT_EQ(conn().scalar("SELECT country FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "SINGAPORE");
  EXPECT_EQ(conn().scalar("SELECT pin FROM main_info1 WHERE code_no = 'F1'"), "999999");
}

TEST_P(ClientInfoSave, LinkedPartnersFollowTheAuditFlagOnYes) {
  struct Row {
    Answer answer;
    std::string partnerFlag;
  };
  for (const auto& r : {Row{Answer::yes, "1"}, Row{Answer::no, "0"}}) {
    SCOPED_TRACE(r.partnerFlag);
    conn().execute("UPDATE owner1 SET auditc = '0' WHERE code = 'P1'");
    conn().execute("UPDATE new_tab SET auditc = '0'");
    conn().execute("DELETE FROM new_tab WHERE code_no = 'F1'");
    auto o = openTicked();
    o["chkaudit"].value = 1;
    o.s.dialogs->answer(Answer::no);  // the master stays as it is
    o.s.dialogs->answer(r.answer);
    ASSERT_TRUE(o.form->save());
    EXPECT_EQ(shown(*o.s.dialogs), (Shown{{masterQuestion, Icon::question},
                                          {"Do you want to Update Covered under Audit for Partners", Icon::question}}));
    EXPECT_EQ(conn().scalar("SELECT auditc FROM owner1 WHERE code = 'P1'"), r.partnerFlag);
    EXPECT_EQ(conn().scalar("SELECT auditc FROM new_tab WHERE code_no = 'P1' AND ass_year = '2016'"), r.partnerFlag);
    EXPECT_EQ(conn().scalar("SELECT auditc FROM new_tab WHERE code_no = 'F1' AND ass_year = '2016'"), "1");
    EXPECT_EQ(conn().scalar("SELECT auditc FROM owner1 WHERE code = 'I1'"), "0") << "a client not linked is untouched";
  }
  // Unchanged flag: nothing asked about the partners.
  auto o = openTicked();
  o.s.dialogs->answer(Answer::no);
  ASSERT_TRUE(o.form->save());
  EXPECT_EQ(o.s.dialogs->shown().size(), 1u);
}

TEST_P(ClientInfoSave, FirmTickedAsLlpBecomesALimitedLiabilityPartnership) {
  auto o = open("F1", 2016);
  EXPECT_EQ(o["chkmmr"].caption, "Whether LLP ?");
  EXPECT_EQ(o["lblregno"].caption, "LLPIN issued by MCA");
  EXPECT_EQ(o.form->llpMarker(), "LLP_N");
  o["chkResAssInState1"].value = 1;
  o["chkmmr"].value = 1;
  o["txtregno"].text = "AAB-1234";
  o.s.dialogs->answer(Answer::yes);
  ASSERT_TRUE(o.form->save());
  EXPECT_EQ(o.form->llpMarker(), "LLP_Y");
  EXPECT_EQ(conn().scalar("SELECT llp FROM main_info1 WHERE code_no = 'F1'"), "LLP_Y");
  EXPECT_EQ(conn().scalar("SELECT reg_no FROM main_info1 WHERE code_no = 'F1'"), "AAB-1234");
  EXPECT_EQ(conn().scalar("SELECT stat FROM tempcltbl WHERE codeno = 'F1'"), "FIRM (Limited Liability)");
  auto& comp = o.s.session->component();
  EXPECT_EQ(comp.base().STATUSR.get(), "FIRM (Limited Liability)");
  EXPECT_EQ(comp.returnCtx().vT_StaT.get(), "FIRM (Limited Liability)");
  EXPECT_FALSE(conn().exists("SELECT 1 FROM form3a_geninfo WHERE code_no = 'F1'"))
      << "for a firm the box is the LLP marker, not the maximum marginal rate";

  // For a company the same box is the maximum marginal rate of the year.
  auto c = open("C1", 2016);
  EXPECT_EQ(c["lblregno"].caption, "CIN issued by MCA");
  c["chkmmr"].value = 1;
  c.s.dialogs->answer(Answer::yes);
  ASSERT_TRUE(c.form->save());
  EXPECT_EQ(conn().scalar("SELECT minmrate FROM form3a_geninfo WHERE code_no = 'C1' AND ass_year = 2016"), "1");
  EXPECT_EQ(conn().scalar("SELECT mrr FROM main_info1 WHERE code_no = 'C1'"), "1");
  EXPECT_TRUE(c.s.session->component().returnCtx().vMRR.get());
}

TEST_P(ClientInfoSave, DuplicatePanAnswersDecideWhetherTheSaveGoesOn) {
  struct Row {
    std::string pan;
    std::vector<Answer> answers;
    size_t questions;  // messages shown before the master question
  };
  const std::vector<Row> rows = {
      {"BBBPK5678L", {Answer::yes, Answer::yes}, 1},  // I1's PAN, user goes on
      {"AAAFZ9999Z", {Answer::yes}, 0},              // nobody else's: nothing asked
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.pan);
    auto o = openTicked();
    o["txtpan"].text = r.pan;
    for (auto a : r.answers) o.s.dialogs->answer(a);
    ASSERT_TRUE(o.form->save());
    ASSERT_EQ(o.s.dialogs->shown().size(), r.questions + 1);
    EXPECT_EQ(o.s.dialogs->shown().back().message.text, masterQuestion);
    EXPECT_EQ(conn().scalar("SELECT pan FROM main_info1 WHERE code_no = 'F1'"), r.pan);
    EXPECT_EQ(o.form->loadedPan(), r.pan);
  }
}

TEST_P(ClientInfoSave, NamesAndAddressesRoundTrip) {
  struct Row {
    std::string typed;
    std::string stored;
  };
  const std::vector<Row> rows = {
      {"O'BRIEN & D'SOUZA", "O'BRIEN & D'SOUZA"},
      {"BACK\\SLASH \\' TRADERS", "BACK\\SLASH \\' TRADERS"},
      {"\"QUOTED\" 100% _UNDERSCORE_", "\"QUOTED\" 100% _UNDERSCORE_"},
      {"X'); DELETE FROM MAIN_INFO1; --", "X'); DELETE FROM MAIN_INFO1; --"},
      {"  lower case co  ", "LOWER CASE CO"},  // the box holds upper case without outer blanks
      {"ÇHENNAİ TRADERS ₹", "ÇHENNAİ TRADERS ₹"},
      {std::string(126, 'W'), std::string(126, 'W')},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.typed);
    auto o = openTicked();
    o["txtnm"].text = r.typed;
    o["txthnm"].text = r.typed.size() > 100 ? "PLAIN" : r.typed;
    o.s.dialogs->answer(Answer::yes);
    ASSERT_TRUE(o.form->save());
    EXPECT_EQ(conn().scalar("SELECT nm FROM main_info1 WHERE code_no = 'F1'"), r.stored);
    EXPECT_EQ(conn().scalar("SELECT name FROM tempcltbl WHERE codeno = 'F1'"), r.stored);
    EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM main_info1"), "3");
    auto again = open("F1", 2016);
    EXPECT_EQ(again["txtnm"].text, r.stored);
    if (r.typed.size() <= 100) EXPECT_EQ(again["txthnm"].text, r.stored);
  }
}

TEST_P(ClientInfoSave, LastYearsParticularsAreCopiedIn) {
  auto o = open("F1", 2016);
  o.s.dialogs->clear();
  EXPECT_FALSE(o.form->loadPreviousYear());
  EXPECT_EQ(shown(*o.s.dialogs), (Shown{{"Do you want to Load Previous Year Information?", Icon::question},
                                        {"Previous Year Information Not Found?", Icon::information}}));

  conn().execute(
      "INSERT INTO new_tab (code_no, ass_year, h_no, street, city, state, ward, off_nm, off_city, auditc, addo) "
      "VALUES ('F1', '2015', '7', 'OLD ROAD', 'VELLORE', 'TAMIL NADU', 'WARD 2(1)', 'OLD OFFICE', 'VELLORE', '1', 'O')");
  conn().execute("INSERT INTO geninfo_miscinf (code_no, ass_year, opt44aa) VALUES ('F1', 2015, '1')");
  o.s.dialogs->clear();
  o.s.dialogs->answer(Answer::no);
  EXPECT_FALSE(o.form->loadPreviousYear());
  EXPECT_EQ(o["txtstreet"].text, "MOUNT ROAD") << "No leaves the screen as it was";
  o.s.dialogs->answer(Answer::yes);
  EXPECT_TRUE(o.form->loadPreviousYear());
  EXPECT_EQ(o["txtstreet"].text, "OLD ROAD");
  EXPECT_EQ(o["txtcity"].text, "VELLORE");
  EXPECT_EQ(o["txtward"].text, "WARD 2(1)");
  EXPECT_EQ(o["txtoffnm"].text, "OLD OFFICE");
  EXPECT_EQ(o["chkaudit"].value, 1);
  EXPECT_EQ(o["chkOpt44AA"].value, 1);
  EXPECT_EQ(o["cboAddO"].text, "OFFICE");
}

TEST_P(ClientInfoSave, AddressPickersCopyAnotherClientsAddress) {
  auto o = open("I1", 2016);
  ASSERT_TRUE(o.form->listAddresses(2));
  const auto& rows = o.form->grid("vsAddr").rows;
  auto it = std::find_if(rows.begin(), rows.end(), [](const auto& r) { return r[0] == "C1"; });
  ASSERT_NE(it, rows.end());
  ui::Event pick;
  pick.control = "vsAddr";
  pick.type = ui::EventType::dblClick;
  pick.row = static_cast<int>(it - rows.begin());
  o.form->dispatch(pick);
  EXPECT_EQ(o["txtoffstreet"].text, "RING ROAD");
  EXPECT_EQ(o["txtoffcity"].text, "SURAT");
  EXPECT_EQ(o["cbooffstate"].text, "GUJARAT");
  EXPECT_EQ(o["txtoffpin"].text, "395002");
  EXPECT_EQ(o["txtcity"].text, "PUNE") << "the residential address is not the one picked for";
  EXPECT_NE(std::find(o["txtcity"].items.begin(), o["txtcity"].items.end(), "SURAT"), o["txtcity"].items.end())
      << "the city box offers the cities of all clients";

  conn().execute("UPDATE main_info1 SET h_no = '', h_nm = '', street = '', area = '', city = '', state = '', pin = 0");
  conn().execute("UPDATE owner1 SET h_no = '', h_nm = '', street = '', area = '', city = '', state = '', pin = 0");
  conn().execute("DELETE FROM off_info");
  o.s.dialogs->clear();
  EXPECT_FALSE(o.form->listAddresses(1));
  EXPECT_EQ(shown(*o.s.dialogs), (Shown{{"No records", Icon::information}}));
}

TEST_P(ClientInfoSave, PortalServicesSayTheyAreNotConnectedAndChangeNothing) {
  const std::string portal =
      "This installation has no connection to the Income Tax Department's portal: nothing was verified or changed.";
  const std::string registry = "This installation has no connection to the company registry: nothing was verified or changed.";
  struct Row {
    std::string button;
    std::function<void(ui::Form&)> edit;
    Shown expected;
  };
  const std::vector<Row> rows = {
      {"cmdpanV", [](ui::Form&) {}, {{portal, Icon::information}}},
      {"cmdaadhaarV", [](ui::Form& f) { f["txtaadhaar"].text = "123412341234"; }, {{portal, Icon::information}}},
      {"cmdaadhaarV", [](ui::Form& f) { f["txtaadhaar"].text = "1234"; },
       {{std::string(host::messages::aadhaar), Icon::information}}},
      {"cmdLLPIN_CIN", [](ui::Form& f) { f["txtregno"].text = "AAB-1234"; }, {{registry, Icon::information}}},
      {"cmdLLPIN_CIN", [](ui::Form& f) { f["txtregno"].text = ""; },
       {{"Please specify 'LLPIN issued by MCA'", Icon::information}}},
      {"cmdNameLoginITD", [](ui::Form&) {}, {{portal, Icon::information}}},
      {"cmdNameLoginITD", [](ui::Form& f) { f["txtpan"].text = ""; }, {{"Please specify PAN !", Icon::information}}},
      {"cmdPrefillITD", [](ui::Form& f) { f["txtdob"].text = "__/__/____"; },
       {{"Please specify Date of Birth !", Icon::information}}},
      {"cmdPrefillITD", [](ui::Form&) {}, {{portal, Icon::information}}},
      {"cmdWard", [](ui::Form&) {}, {{portal, Icon::information}}},
      {"cmdgwcr", [](ui::Form&) {}, {{portal, Icon::information}}},
      {"cmdResUs6", [](ui::Form&) {}, {{portal, Icon::information}}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.button);
    auto o = open("F1", 2016);
    r.edit(*o.form);
    const auto street = o["txtstreet"].text;
    const auto before = testsupport::snapshot(database());
    o.s.dialogs->clear();
    EXPECT_TRUE(o.click(r.button));
    EXPECT_EQ(shown(*o.s.dialogs), r.expected);
    EXPECT_EQ(testsupport::snapshot(database()), before);
    EXPECT_EQ(o["txtstreet"].text, street);
  }
}

MERIDIAN_ON_BOTH_ENGINES(ClientInfoSave);

}  // namespace
}  // namespace meridian
