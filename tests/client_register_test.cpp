#include <gtest/gtest.h>

#include <functional>

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
  // Generated codes follow the highest numeric code, whatever table holds it.
  EXPECT_EQ(suite::nextClientCode(conn()), "4");
  conn().execute("INSERT INTO owner1 (code, f_nm) VALUES ('41', 'X')");
  EXPECT_EQ(suite::nextClientCode(conn()), "42");
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

MERIDIAN_ON_BOTH_ENGINES(ClientRegister);

}  // namespace
}  // namespace meridian
