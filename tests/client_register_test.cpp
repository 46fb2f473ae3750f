#include <gtest/gtest.h>

#include <functional>

#include "host/save_conflict.h"
#include "suite/client_register.h"
#include "support/client_seed.h"
#include "support/session_fixture.h"

namespace meridian {
namespace {

using testsupport::SessionTest;
using ui::Answer;
using ui::Icon;

class ClientRegister : public testsupport::PracticeTest {
 protected:

  std::shared_ptr<suite::ClientRegisterForm> open(const std::string& code) {
    return std::dynamic_pointer_cast<suite::ClientRegisterForm>(comp().open("frmclreg", {.code = code}));
  }
  static void setStatus(ui::Form& f, const std::string& status) {
    f["cbostatus"].selectText(status);
    ui::Event e;
    e.control = "cbostatus";
    e.type = ui::EventType::change;
    f.dispatch(e);
  }

};

TEST_P(ClientRegister, NewClientsGoToTheirTableAndTheListAtOnce) {
  struct Row {
    std::string name;
    std::function<void(ui::Form&)> fill;
    std::string table, keyColumn;
    std::string listName, listStat, listCompany;
  };
  const std::vector<Row> rows = {
      {"individual",
       [](ui::Form& f) {
         setStatus(f, "INDIVIDUAL");
         f["txtfnm"].text = "ANIL";
         f["txtlnm"].text = "D'CRUZ";
         f["txtfatfnm"].text = "JOSEPH";
         f["cbosex"].selectText("MALE");
         f["txtpan"].text = "ABCPD1234E";
       },
       "owner1", "code", "ANIL D'CRUZ", "INDIVIDUAL", ""},
      {"HUF",
       [](ui::Form& f) {
         setStatus(f, "HUF");
         f["txtnm"].text = "ANIL D'CRUZ (HUF)";
       },
       "main_info1", "code_no", "ANIL D'CRUZ (HUF)", "HUF", ""},
      {"partner of a firm",
       [](ui::Form& f) {
         setStatus(f, "INDIVIDUAL");
         f["txtfnm"].text = "MEENA";
         f["txtlnm"].text = "SHAH";
         f["txtlinkedto"].text = "F1";
       },
       "owner1", "code", "MEENA SHAH", "PARTNER", "SHAH AND SONS"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    auto f = open("");
    r.fill(*f);
    dialogs().clear();
    ASSERT_TRUE(f->save());
    EXPECT_TRUE(dialogs().shown().empty());
    const std::string code = f->code();
    EXPECT_FALSE(code.empty());
    EXPECT_TRUE(conn().exists("SELECT 1 FROM " + r.table + " WHERE " + r.keyColumn + " = ?", {code}));
    auto list = conn().query("SELECT name, stat, compnm FROM tempcltbl WHERE codeno = ?", {code});
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front().text("name"), r.listName);
    EXPECT_EQ(list.front().text("stat"), r.listStat);
    EXPECT_EQ(list.front().text("compnm"), r.listCompany);
  }
}

TEST_P(ClientRegister, RefusedEntriesWriteNothing) {
  struct Row {
    std::string name;
    std::function<void(ui::Form&)> fill;
    std::string message;
    std::string focus;
  };
  auto named = [](const char* box, std::string text) {  // a person named "A", and one box typed
    return [box, text](ui::Form& f) {
      f["txtfnm"].text = "A";
      f[box].text = text;
    };
  };
  const std::string badCode = "A client code can not contain \\ / : .. or control characters.";
  const std::vector<Row> rows = {
      {"code climbing out of the document folder", named("txtcode", ".."), badCode, "txtcode"},
      {"code with a backslash", named("txtcode", "A\\B"), badCode, "txtcode"},
      {"code already given", named("txtcode", "F1"), "Client code F1 is already given to another client.", "txtcode"},
      {"code with the data-set mark", named("txtcode", "VICT^OTHER"),
       "A client code can not contain ^: it marks the data of revised returns, rectifications and orders.", "txtcode"},
      {"person without a name", named("txtfnm", ""), "Please specify 'First Name' or 'Last Name'.", "txtfnm"},
      {"firm without a name", [](ui::Form& f) { setStatus(f, "FIRM"); }, "Please specify 'Name'.", "txtnm"},
      {"linked to a client that is no firm", named("txtlinkedto", "C1"), "Client C1 is not a firm or a proprietorship.",
       "txtlinkedto"},
      {"name longer than its box", named("txtfnm", std::string(80, 'Q')),
       "'First Name' can not be longer than 76 characters.", "txtfnm"},
      {"line break in a name", named("txtfnm", "A\nB"),
       "'First Name' can not hold line breaks, tabs or other control characters.", "txtfnm"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.name);
    auto f = open("");
    r.fill(*f);
    dialogs().clear();
    const auto before = testsupport::snapshot(database());
    EXPECT_FALSE(f->save());
    ASSERT_EQ(dialogs().shown().size(), 1u);
    EXPECT_EQ(dialogs().shown()[0].message.text, r.message);
    EXPECT_EQ(f->focus, r.focus);
    EXPECT_EQ(testsupport::snapshot(database()), before);
  }
}

TEST_P(ClientRegister, EditingKeepsTheCodeAndRewritesTheList) {
  auto f = open("I1");
  EXPECT_EQ((*f)["txtfnm"].text, "KAVITA");
  EXPECT_TRUE((*f)["txtcode"].locked);
  (*f)["txtlnm"].text = "RAO-MENON";
  (*f)["txtcity"].text = "MUMBAI";
  ASSERT_TRUE(f->save());
  EXPECT_EQ(conn().scalar("SELECT l_nm FROM owner1 WHERE code = 'I1'"), "RAO-MENON");
  EXPECT_EQ(conn().scalar("SELECT name FROM tempcltbl WHERE codeno = 'I1'"), "KAVITA RAO-MENON");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM owner1"), "2");

  auto firm = open("F1");
  EXPECT_EQ((*firm)["txtnm"].text, "SHAH AND SONS");
  setStatus(*firm, "INDIVIDUAL");
  (*firm)["txtfnm"].text = "X";
  dialogs().clear();
  EXPECT_FALSE(firm->save()) << "a firm can not turn into a person's row";
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM owner1 WHERE code = 'F1'"), "0");
}

// Rows of F1 (and of its revised return F1^R-1) in every kind of table, and
// rows of F10, whose code begins the same way and must survive.
void seedRowsEverywhere(db::Connection& c) {
  for (const char* code : {"F1", "F1^R-1", "F10"}) {
    c.execute("INSERT INTO new_tab (code_no, ass_year) VALUES (?, '2016')", {code});
    c.execute("INSERT INTO geninfo_miscinf (code_no, ass_year) VALUES (?, 2016)", {code});
    c.execute("INSERT INTO misc_oth_inf (code_no, ass_year, skey, svalue) VALUES (?, 2016, 'PVTDESCTRUST', '1')", {code});
    c.execute("INSERT INTO adv_tax (code_no, ass_year, srno, amt) VALUES (?, 2016, 1, 100)", {code});
    c.execute("INSERT INTO income (code_no, ass_year) VALUES (?, 2016)", {code});
  }
  c.execute("INSERT INTO cl_oth_vars (code_no, skey, svalue) VALUES ('F1', 'AADHAAR', ''), ('F10', 'AADHAAR', '')");
  c.execute("INSERT INTO grp_m (code, nm) VALUES ('F1', 'A GROUP WHOSE CODE IS F1')");
  c.execute("INSERT INTO grp_trans (code_no, c_code) VALUES ('F1', 'F10'), ('G2', 'F1')");
  c.execute("INSERT INTO off_info (code_no, nm) VALUES ('F10', 'TEN OFFICE')");
}

TEST_P(ClientRegister, DeleteAsksThenRemovesTheClientEverywhere) {
  seedRowsEverywhere(conn());
  const auto before = testsupport::snapshot(database());
  dialogs().answer(Answer::no);
  EXPECT_FALSE(suite::deleteClient(comp(), "F1"));
  ASSERT_EQ(dialogs().shown().size(), 1u);
  EXPECT_EQ(dialogs().shown()[0].message.text, "Do you want to delete client F1 SHAH AND SONS ?");
  EXPECT_EQ(testsupport::snapshot(database()), before);

  dialogs().answer(Answer::yes);
  EXPECT_TRUE(suite::deleteClient(comp(), "F1"));
  for (const auto& table : conn().tables()) {
    // Group tables are looked at below: their F1 is partly a group code.
    if (table == "schema_migrations" || table == "grp_m" || table == "grp_trans" || table == "users" ||
        table == "user_rights" || table == "user_settings")
      continue;
    for (const auto& line : database().dump(table)) {
      const bool f1 = line.rfind("F1|", 0) == 0 || line.rfind("F1^", 0) == 0 || line.find("|F1|") != std::string::npos ||
                      line.find("|F1^") != std::string::npos;
      EXPECT_FALSE(f1) << table << ": " << line;
    }
  }
  // F10 keeps everything; the group F1 is a group, not the client; the partner stays, unlinked.
  for (const char* t : {"new_tab", "geninfo_miscinf", "misc_oth_inf", "adv_tax", "income"})
    EXPECT_EQ(conn().scalar(std::string("SELECT COUNT(*) FROM ") + t + " WHERE code_no = 'F10'"), "1") << t;
  EXPECT_EQ(database().dump("grp_m"), std::vector<std::string>{"F1|A GROUP WHOSE CODE IS F1|"});
  EXPECT_TRUE(conn().exists("SELECT 1 FROM grp_trans WHERE code_no = 'F1' AND c_code = 'F10'"));
  EXPECT_FALSE(conn().exists("SELECT 1 FROM grp_trans WHERE c_code = 'F1'"));
  EXPECT_EQ(conn().scalar("SELECT code_no FROM owner1 WHERE code = 'P1'"), "");
  EXPECT_EQ(conn().scalar("SELECT compnm FROM tempcltbl WHERE codeno = 'P1'"), "");
  EXPECT_TRUE(conn().exists("SELECT 1 FROM tempcltbl WHERE codeno = 'F10'"));

  dialogs().clear();
  EXPECT_FALSE(suite::deleteClient(comp(), "F1"));
  ASSERT_EQ(dialogs().shown().size(), 1u);
  EXPECT_EQ(dialogs().shown()[0].message.text, "Client F1 not found.");
}

// A client whose code was given before "^" was refused, and whose code
// begins with another client's code and "^", is that other client's no more.
TEST_P(ClientRegister, DeleteTakesTheClientsDataSetsExactly) {
  conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('VICT', 'VICTORY TRADERS', 'FIRM')");
  conn().execute("INSERT INTO main_info1 (code_no, nm, status) VALUES ('VICT^OTHER', 'ANOTHER CLIENT', 'HUF')");
  struct Row {
    const char* code;
    bool deleted;
  } rows[] = {{"VICT", true},       {"VICT^R-1", true},  {"VICT^Z-12", true},   {"VICT^A-3", true},
              {"VICT^OTHER", false}, {"VICT^R-", false}, {"VICT^R-1X", false}, {"VICTOR", false}};
  for (const auto& r : rows) {
    conn().execute("INSERT INTO new_tab (code_no, ass_year) VALUES (?, '2016')", {r.code});
    conn().execute("INSERT INTO adv_tax (code_no, ass_year, srno, amt) VALUES (?, 2016, 1, 5)", {r.code});
  }
  dialogs().answer(Answer::yes);
  ASSERT_TRUE(suite::deleteClient(comp(), "VICT"));
  for (const auto& r : rows) {
    SCOPED_TRACE(r.code);
    for (const char* table : {"new_tab", "adv_tax"})
      EXPECT_EQ(conn().exists(std::string("SELECT 1 FROM ") + table + " WHERE code_no = ?", {r.code}), !r.deleted) << table;
  }
  EXPECT_TRUE(conn().exists("SELECT 1 FROM main_info1 WHERE code_no = 'VICT^OTHER'"));
  EXPECT_FALSE(conn().exists("SELECT 1 FROM main_info1 WHERE code_no = 'VICT'"));
}

// Two users edit one client: the later save notices the earlier one and
// asks; no answer loses what either typed without the user choosing so.
TEST_P(ClientRegister, TheLaterOfTwoSavesAsksAndLosesNothing) {
  struct Case {
    Answer answer;
    const char* cityAfter;   // what the later user typed reaches the row only on Yes
    const char* shownAfter;  // what the later user's screen shows afterwards
    bool saved;
  } cases[] = {
      {Answer::yes, "NASHIK", "NASHIK", true},
      {Answer::no, "PUNE", "PUNE", false},
      {Answer::cancel, "PUNE", "NASHIK", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    conn().execute("UPDATE owner1 SET l_nm = 'RAO', city = 'PUNE' WHERE code = 'I1'");
    auto other = signIn(makeUser("other" + std::to_string(static_cast<int>(c.answer))));
    auto first = std::dynamic_pointer_cast<suite::ClientRegisterForm>(other.session->component().open("frmclreg", {.code = "I1"}));
    auto later = open("I1");
    (*first)["txtlnm"].text = "RAO-MENON";
    ASSERT_TRUE(first->save());
    (*later)["txtcity"].text = "NASHIK";
    dialogs().clear();
    dialogs().answer(c.answer);
    EXPECT_EQ(later->save(), c.saved);
    ASSERT_FALSE(dialogs().shown().empty());
    EXPECT_EQ(dialogs().shown()[0].message.text, host::conflictQuestion("I1"));
    EXPECT_EQ(conn().scalar("SELECT l_nm FROM owner1 WHERE code = 'I1'"), "RAO-MENON") << "the earlier save stays";
    EXPECT_EQ(conn().scalar("SELECT city FROM owner1 WHERE code = 'I1'"), c.cityAfter);
    EXPECT_EQ((*later)["txtcity"].text, c.shownAfter);
    EXPECT_EQ((*later)["txtlnm"].text, c.answer == Answer::cancel ? "RAO" : "RAO-MENON");
    comp().desktop().close(*later);
  }
}

TEST_P(ClientRegister, ASaveAfterAnotherUserDeletedTheClientSaysSo) {
  auto later = open("I1");
  dialogs().answer(Answer::yes);
  ASSERT_TRUE(suite::deleteClient(comp(), "I1"));
  (*later)["txtcity"].text = "NASHIK";
  dialogs().clear();
  EXPECT_FALSE(later->save());
  ASSERT_EQ(dialogs().shown().size(), 1u);
  EXPECT_EQ(dialogs().shown()[0].message.text,
            "Client I1 was deleted by another user while it was open here: your changes are not saved.");
  EXPECT_FALSE(conn().exists("SELECT 1 FROM owner1 WHERE code = 'I1'"));
}

// A save writes what the user changed and nothing else: a state the list
// spells otherwise, a value no list holds and text in small letters stay as
// they were stored.
TEST_P(ClientRegister, ASaveRewritesOnlyWhatTheUserChanged) {
  conn().execute("UPDATE owner1 SET state = 'Jammu & Kashmir', sex = 'F', street = 'Gandhi Road', pin = 190001 "
                 "WHERE code = 'I1'");
  auto f = open("I1");
  EXPECT_EQ((*f)["cbostate"].text, "JAMMU AND KASHMIR") << "the list's spelling of the stored state is chosen";
  EXPECT_EQ((*f)["cbosex"].text, "FEMALE");
  (*f)["txtcity"].text = "SRINAGAR";
  ASSERT_TRUE(f->save());
  auto row = conn().query("SELECT state, sex, street, city FROM owner1 WHERE code = 'I1'");
  EXPECT_EQ(row.front().text("state"), "Jammu & Kashmir");
  EXPECT_EQ(row.front().text("sex"), "F");
  EXPECT_EQ(row.front().text("street"), "Gandhi Road");
  EXPECT_EQ(row.front().text("city"), "SRINAGAR");
  // Saved again without a change, nothing is written at all.
  const auto before = testsupport::snapshot(database());
  ASSERT_TRUE(f->save());
  EXPECT_EQ(testsupport::snapshot(database()), before);
}

MERIDIAN_ON_BOTH_ENGINES(ClientRegister);

}  // namespace
}  // namespace meridian
