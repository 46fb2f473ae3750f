#include "returns/register_fixture.h"

#include "db/migrations.h"
#include "suite/returns/revise_mode.h"
#include "suite/dataset/data_set_layout.h"
#include "support/client_seed.h"

namespace meridian::returns::testing {

void ScriptedEntryForms::completeReturn(int srNo, Saved then) {
  opened.push_back("return " + std::to_string(srNo));
  if (saveReturnDetails(host_, dialogs_, srNo, filing)) then();
}
void ScriptedEntryForms::chooseReviseMode(std::function<void(ReviseMode)> then) {
  opened.push_back("revise");
  then(confirmReviseMode(dialogs_, option));
}
void ScriptedEntryForms::openRectification(Saved then) {
  opened.push_back("rectification");
  if (saveRectification(host_, dialogs_, rectification)) then();
}
void ScriptedEntryForms::openOrder(Saved then) {
  opened.push_back("order");
  if (saveOrder(host_, dialogs_, order)) then();
}

void RegisterTest::SetUp() {
  SessionTest::SetUp();
  if (IsSkipped() || HasFatalFailure()) return;
  testsupport::seedPractice(conn());
  suite::dataset::checkLayout(conn());
  seedFigures("F1", 600000);
  conn().execute("INSERT INTO part_remu (code, t_year, remun) VALUES ('P1', 2016, 120000)");
  s_ = signIn(makeUser("partner", true));
  forms_ = std::make_unique<ScriptedEntryForms>(host(), dialogs());
}

void RegisterTest::TearDown() {
  reg_.reset();
  forms_.reset();
  s_ = {};
  SessionTest::TearDown();
}

void RegisterTest::seedFigures(const std::string& code, long long salary) {
  conn().execute("INSERT INTO income (code_no, ass_year, status) VALUES (?, 2016, 5)", {code});
  conn().execute("INSERT INTO new_tab (code_no, ass_year, city) VALUES (?, '2016', 'CHENNAI')", {code});
  for (int e : {1, 2})
    conn().execute("INSERT INTO income_salary (code_no, ass_year, empr_num, salary) VALUES (?, 2016, ?, ?)",
                   {code, e, salary * e});
}

RegisterEntry RegisterTest::entry(int year, int srNo, const char* typ, const char* flag, const char* filedOn,
                                  int section) {
  RegisterEntry e;
  e.codeNo = "F1";
  e.asYear = year;
  e.srNo = srNo;
  e.typ = typ;
  e.flagYN = flag;
  e.ackDt = filedOn;
  e.ackNo = *filedOn ? "ACK" + std::to_string(srNo) : "";
  if (e.isOrder()) {
    e.secSrNo = section;
    e.orderDt = "2018-03-15";
  }
  return e;
}

void RegisterTest::enterYear(int year) {
  host().clientCtx().vT_Code_No = "F1";
  host().clientCtx().vT_Year = year;
  host().returnCtx().vITname = "SHAH AND SONS";
}

void RegisterTest::openRegister() {
  reg_ = std::make_unique<ReturnRegister>(host(), dialogs());
  reg_->load();
  reg_->switchToLast();
}

void RegisterTest::answer(std::initializer_list<ui::Answer> answers) {
  for (auto a : answers) dialogs().answer(a);
}

std::vector<host::ContextWrite> RegisterTest::journalOf(const std::function<void()>& step) {
  host().journal().clear();
  host().journal().recording = true;
  step();
  host().journal().recording = false;
  return host().journal().writes();
}

std::vector<host::ContextWrite> RegisterTest::switchWrites(const std::string& type, const std::string& code,
                                                           const std::string& flag, const std::string& revDate,
                                                           int revSrNo, bool isReturn) {
  return {{"ClientCtx", "vT_RTType", type},         {"ClientCtx", "vt_RTCode_No", code},
          {"ClientCtx", "vt_RTFlag", flag},         {"ReturnCtx", "vRev_Dt", revDate},
          {"ReturnCtx", "vrev_srno", std::to_string(revSrNo)}, {"ReturnCtx", "vrev_Return", isReturn ? "Y" : "N"}};
}

std::vector<std::string> RegisterTest::registerRows() {
  std::vector<std::string> out;
  for (const auto& row : conn().query("SELECT * FROM nrevordr WHERE code_no = 'F1' AND asyear = 2016 ORDER BY srno")) {
    EXPECT_EQ(row.size(), 19u);
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) line += (i ? "|" : "") + row.text(i);
    out.push_back(line);
  }
  return out;
}

std::map<std::string, std::vector<std::string>> RegisterTest::dataSet(const std::string& code) {
  std::map<std::string, std::vector<std::string>> out;
  const std::pair<const char*, const char*> tables[] = {
      {"income", "ass_year"}, {"new_tab", "ass_year"}, {"income_salary", "ass_year"},
      {"nordrefs", "ass_year"}, {"nremutbl", "t_year"}};
  for (auto [table, year] : tables) {
    for (const auto& row : conn().query(std::string("SELECT * FROM ") + table + " WHERE code_no = ? AND " + year +
                                            " = ? ORDER BY 1, 2, 3",
                                        {code, std::string(table) == "new_tab" ? db::Value("2016") : db::Value(2016)})) {
      std::string line;
      for (size_t i = 1; i < row.size(); ++i) line += (i > 1 ? "|" : "") + row.text(i);
      out[table].push_back(line);
    }
  }
  return out;
}

}  // namespace meridian::returns::testing
