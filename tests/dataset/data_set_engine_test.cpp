#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "db/migrations.h"
#include "suite/dataset/data_set_code.h"
#include "suite/dataset/data_set_engine.h"
#include "suite/dataset/notes_files.h"
#include "suite/dataset/partner_remuneration.h"
#include "support/db_fixture.h"

namespace meridian::suite::dataset {
namespace {

namespace fs = std::filesystem;
using testsupport::DbTest;

// Year tables the installed modules have not created yet, made here in the
// shape their screens will give them: an auto-numbered key, a type filter, a
// text year, a reserved word as a column name.
class DataSetEngineTest : public DbTest {
 protected:
  void SetUp() override {
    DbTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    create("CREATE TABLE auditordet (id {{ID}}, code_no VARCHAR(80) NOT NULL, ass_year INTEGER NOT NULL, "
           "typ VARCHAR(4) NOT NULL, auditor VARCHAR(100) DEFAULT '')");
    // comms in the shape an older installation may have: a reserved word as a column name.
    conn().execute("DROP TABLE comms");
    create("CREATE TABLE comms (code_no VARCHAR(80) NOT NULL, assyear INTEGER NOT NULL, `range` VARCHAR(20) DEFAULT '', "
           "amount BIGINT DEFAULT 0)");
  }
  void create(const std::string& sql) { conn().execute(db::inDialect(conn().engine(), sql)); }
  DataSetEngine engine() { return DataSetEngine(conn(), docs_.path, checkLayout(conn())); }

  // The rows of a client's year as the tables hold them: the two years and
  // the neighbouring client code C10 must never move.
  void seed(const std::string& code, int year, int figure) {
    const std::string y = std::to_string(year);
    conn().execute("INSERT INTO income (code_no, ass_year, status) VALUES (?, ?, ?)", {code, year, figure});
    conn().execute("INSERT INTO new_tab (code_no, ass_year, `range`) VALUES (?, ?, ?)", {code, y, "R" + y});
    conn().execute("INSERT INTO adv_n (code_no, assyear, a1) VALUES (?, ?, ?)", {code, y, figure});
    for (int e : {1, 2})
      conn().execute("INSERT INTO income_salary (code_no, ass_year, empr_num, empr_name, salary) VALUES (?, ?, ?, ?, ?)",
                     {code, year, e, "Employer " + std::to_string(e), figure * e});
    for (const char* typ : {"I", "FI", "X"})
      conn().execute("INSERT INTO auditordet (code_no, ass_year, typ, auditor) VALUES (?, ?, ?, ?)",
                     {code, year, typ, std::string("auditor ") + typ});
    for (const char* key : {"PVTDESCTRUST", "ResAssInState1", "OTHERKEY"})
      conn().execute("INSERT INTO misc_oth_inf (code_no, ass_year, skey, svalue) VALUES (?, ?, ?, ?)",
                     {code, year, key, "v" + std::to_string(figure)});
    conn().execute("INSERT INTO comms (code_no, assyear, `range`, amount) VALUES (?, ?, 'r', ?)", {code, year, figure});
  }
  long long count(const std::string& table, const std::string& yearColumn, const std::string& code, int year,
                  const std::string& extra = "") {
    return std::stoll(conn().scalar("SELECT COUNT(*) FROM " + table + " WHERE code_no = ? AND " + yearColumn +
                                        " = ?" + extra,
                                    {code, year}));
  }
  void writeNote(const std::string& head, const std::string& code, int year, const std::string& text) {
    fs::path folder = fs::path(docs_.path) / "Notes" / head;
    fs::create_directories(folder);
    std::ofstream(folder / notesFileName(code, year)) << text;
  }
  std::string readNote(const std::string& head, const std::string& code, int year) {
    std::ifstream in(fs::path(docs_.path) / "Notes" / head / notesFileName(code, year));
    if (!in) return "<none>";
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::map<std::string, std::vector<std::string>> everything() {
    std::map<std::string, std::vector<std::string>> out;
    for (const auto& t : conn().tables()) out[t] = database().dump(t);
    return out;
  }
  std::vector<std::string> filesUnder(const std::string& dir) {
    std::vector<std::string> out;
    if (!fs::exists(dir)) return out;
    for (const auto& e : fs::recursive_directory_iterator(dir))
      if (e.is_regular_file()) out.push_back(e.path().string());
    std::sort(out.begin(), out.end());
    return out;
  }

  testsupport::ScratchDir docs_{"docs"};
};

// Rows of the year in each table, by code: what a copy must carry and what it must leave.
struct Expect {
  const char* table;
  const char* yearColumn;
  const char* extra;
  long long rows;
};
const Expect kYearRows[] = {
    {"income", "ass_year", "", 1},
    {"new_tab", "ass_year", "", 1},
    {"adv_n", "assyear", "", 1},
    {"income_salary", "ass_year", "", 2},
    {"auditordet", "ass_year", " AND typ <> 'X'", 2},          // the listed types only
    {"misc_oth_inf", "ass_year", " AND skey <> 'OTHERKEY'", 2},  // the listed keys only
    {"comms", "assyear", "", 1},
};

TEST_P(DataSetEngineTest, CopyCarriesTheYearsRowsOfEveryListedTableAndNothingElse) {
  seed("C1", 2016, 7);
  seed("C1", 2015, 5);
  seed("C10", 2016, 9);
  writeNote("sal", "C1", 2016, "salary note");
  writeNote("", "C1", 2016, "general note");
  writeNote("sal", "C1", 2015, "last year's note");

  const auto before = everything();
  const DataSetReport r = engine().copy("C1", 2016, "C1", "C1^R-2");

  for (const auto& e : kYearRows) {
    SCOPED_TRACE(e.table);
    EXPECT_EQ(count(e.table, e.yearColumn, "C1^R-2", 2016), e.rows) << "nothing outside the list's filter either";
    EXPECT_EQ(count(e.table, e.yearColumn, "C1^R-2", 2015), 0);
    auto it = std::find_if(r.tables.begin(), r.tables.end(), [&](const TableOutcome& t) { return t.table == e.table; });
    ASSERT_NE(it, r.tables.end());
    EXPECT_EQ(it->rows, e.rows);
  }
  // Every row that was there is still there, untouched.
  for (const auto& [table, rows] : before) {
    auto now = database().dump(table);
    for (const auto& row : rows) EXPECT_NE(std::find(now.begin(), now.end(), row), now.end()) << table << ": " << row;
  }
  EXPECT_EQ(conn().scalar("SELECT `range` FROM new_tab WHERE code_no = 'C1^R-2'"), "R2016");
  EXPECT_EQ(conn().scalar("SELECT empr_name FROM income_salary WHERE code_no = 'C1^R-2' AND empr_num = 2"), "Employer 2");
  // The database numbered the copied rows afresh.
  EXPECT_EQ(conn().scalar("SELECT COUNT(DISTINCT id) FROM auditordet"), conn().scalar("SELECT COUNT(*) FROM auditordet"));
  EXPECT_NE(std::find(r.skipped.begin(), r.skipped.end(), "capital_slump"), r.skipped.end()) << "absent tables are named";
  EXPECT_EQ(readNote("sal", "C1^R-2", 2016), "salary note");
  EXPECT_EQ(readNote("", "C1^R-2", 2016), "general note");
  EXPECT_EQ(readNote("sal", "C1^R-2", 2015), "<none>");
  EXPECT_EQ(r.files.size(), 2u);
}

TEST_P(DataSetEngineTest, RefusalsWriteNothing) {
  seed("C1", 2016, 7);
  seed("C1^R-2", 2016, 8);
  const auto before = everything();
  struct Case {
    const char* name;
    std::function<void(DataSetEngine&)> run;
    const char* message;
  } cases[] = {
      {"occupied target", [](DataSetEngine& e) { e.copy("C1", 2016, "C1", "C1^R-2"); },
       "The data set C1^R-2 already holds figures of A.Y. 2016-17 (adv_n, auditordet, comms, income, income_salary, "
       "misc_oth_inf, new_tab); nothing was changed."},
      {"relabel onto rows", [](DataSetEngine& e) { e.relabel("C1", 2016, "C1^R-2", "C1"); },
       "The data set C1 already holds figures of A.Y. 2016-17 (adv_n, auditordet, comms, income, income_salary, "
       "misc_oth_inf, new_tab); nothing was changed."},
      {"other client's code", [](DataSetEngine& e) { e.copy("C1", 2016, "C1", "C10^R-2"); },
       "\"C10^R-2\" is not a data set of client \"C1\"."},
      {"same code", [](DataSetEngine& e) { e.copy("C1", 2016, "C1", "C1"); },
       "The data set to take from and the one to write are the same (C1)."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DataSetEngine e = engine();
    try {
      c.run(e);
      ADD_FAILURE() << "not refused";
    } catch (const DataSetRefused& r) {
      EXPECT_EQ(std::string(r.what()), c.message);
    }
    EXPECT_EQ(everything(), before);
  }
}

TEST_P(DataSetEngineTest, ReplaceRemoveAndRelabelMoveWholeDataSets) {
  seed("C1", 2016, 7);
  seed("C1^R-2", 2016, 8);
  seed("C1", 2015, 5);
  writeNote("bus", "C1", 2016, "original");
  writeNote("bus", "C1^R-2", 2016, "revised");
  writeNote("cap", "C1", 2016, "original only");

  // The revised figures become the original's; the original's own go.
  engine().replace("C1", 2016, "C1^R-2", "C1");
  for (const auto& e : kYearRows) {
    SCOPED_TRACE(e.table);
    EXPECT_EQ(count(e.table, e.yearColumn, "C1", 2016, e.extra), e.rows);
    EXPECT_EQ(count(e.table, e.yearColumn, "C1^R-2", 2016, e.extra), 0);
    EXPECT_EQ(count(e.table, e.yearColumn, "C1", 2015, e.extra), e.rows) << "another year stays";
  }
  EXPECT_EQ(conn().scalar("SELECT status FROM income WHERE code_no = 'C1' AND ass_year = 2016"), "8");
  EXPECT_EQ(readNote("bus", "C1", 2016), "revised");
  EXPECT_EQ(readNote("cap", "C1", 2016), "<none>") << "the replaced data set's notes go with it";
  EXPECT_EQ(readNote("bus", "C1^R-2", 2016), "<none>");

  engine().relabel("C1", 2016, "C1", "C1^Z-3");
  EXPECT_EQ(count("income", "ass_year", "C1^Z-3", 2016), 1);
  EXPECT_EQ(readNote("bus", "C1^Z-3", 2016), "revised");

  const DataSetReport r = engine().remove("C1", 2016, "C1^Z-3");
  EXPECT_EQ(r.totalRows(), 10);
  EXPECT_TRUE(engine().occupiedBy("C1", 2016, "C1^Z-3").empty());
  EXPECT_EQ(count("income", "ass_year", "C1", 2015), 1);
  // Keys and types outside the list belong to the client and never move.
  EXPECT_EQ(conn().scalar("SELECT skey FROM misc_oth_inf WHERE code_no = 'C1' AND ass_year = 2016"), "OTHERKEY");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM auditordet WHERE code_no = 'C1' AND ass_year = 2016 AND typ = 'X'"), "1");
}

TEST_P(DataSetEngineTest, CopyReplacingTheTargetLeavesNoStaleRowsOrNotes) {
  seed("C1", 2016, 7);
  seed("C1^R-2", 2016, 8);
  conn().execute("INSERT INTO income_salary (code_no, ass_year, empr_num, salary) VALUES ('C1^R-2', 2016, 3, 1)");
  writeNote("oth", "C1^R-2", 2016, "stale");
  const DataSetReport r = engine().copy("C1", 2016, "C1", "C1^R-2", true);
  EXPECT_EQ(count("income_salary", "ass_year", "C1^R-2", 2016), 2);
  EXPECT_EQ(conn().scalar("SELECT status FROM income WHERE code_no = 'C1^R-2'"), "7");
  EXPECT_EQ(readNote("oth", "C1^R-2", 2016), "<none>");
  auto salary = std::find_if(r.tables.begin(), r.tables.end(), [](auto& t) { return t.table == "income_salary"; });
  EXPECT_EQ(salary->replaced, 3);
}

// A step that fails half-way (a table late in the list refuses the copied
// rows) leaves both data sets, and their notes, as they were.
TEST_P(DataSetEngineTest, AFailureHalfWayLeavesBothDataSetsAsTheyWere) {
  create("CREATE TABLE xtrabusiness (code_no VARCHAR(80) NOT NULL, t_year INTEGER NOT NULL, ref VARCHAR(20) NOT NULL, "
         "CONSTRAINT xtrabusiness_ref UNIQUE (ref), CONSTRAINT xtrabusiness_code CHECK (code_no <> 'C1^R-9'))");
  seed("C1", 2016, 7);
  seed("C1^R-4", 2016, 8);
  conn().execute("INSERT INTO xtrabusiness (code_no, t_year, ref) VALUES ('C1', 2016, 'only once')");
  conn().execute("INSERT INTO xtrabusiness (code_no, t_year, ref) VALUES ('C1^R-4', 2016, 'mine')");
  writeNote("sal", "C1", 2016, "original");
  writeNote("sal", "C1^R-4", 2016, "fourth");
  const auto before = everything();
  const auto filesBefore = filesUnder(docs_.path);

  struct Case {
    const char* name;
    std::function<void(DataSetEngine&)> run;
  } cases[] = {
      {"copy: duplicate key in the last table", [](DataSetEngine& e) { e.copy("C1", 2016, "C1", "C1^R-2"); }},
      {"replace: the new code refused after the old rows were deleted",
       [](DataSetEngine& e) { e.replace("C1", 2016, "C1^R-4", "C1^R-9"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DataSetEngine e = engine();
    EXPECT_THROW(c.run(e), db::DbError);
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(filesUnder(docs_.path), filesBefore);
  }

  // A notes file that cannot be written stops the copy before anything is kept.
  fs::create_directories(fs::path(docs_.path) / "Notes" / "sal" / (notesFileName("C1^R-2", 2016) + ".part") / "blocker");
  conn().execute("DELETE FROM xtrabusiness");
  const auto beforeFiles = everything();
  EXPECT_THROW(engine().copy("C1", 2016, "C1", "C1^R-2"), std::runtime_error);
  EXPECT_EQ(everything(), beforeFiles);
  EXPECT_EQ(readNote("sal", "C1^R-2", 2016), "<none>");
}

// The partners' remuneration lives by partner in part_remu; each data set
// keeps its own through nremutbl, and part_remu always holds the figures of
// the data set in use.
TEST_P(DataSetEngineTest, PartnersRemunerationFollowsTheDataSetInUse) {
  conn().execute("INSERT INTO owner1 (code, code_no, f_nm) VALUES ('P1', 'F1', 'Uma'), ('P2', 'F1', 'Ravi'), "
                 "('P9', 'F9', 'Other')");
  for (auto [code, remun] : {std::pair{"P1", 1000}, {"P2", 2000}, {"P9", 9000}})
    conn().execute("INSERT INTO part_remu (code, t_year, remun) VALUES (?, 2016, ?)", {code, remun});
  auto remuneration = [&] {
    return database().dump("part_remu");
  };
  const auto original = remuneration();

  engine().copy("F1", 2016, "F1", "F1^R-2");
  EXPECT_EQ(conn().scalar("SELECT COUNT(*) FROM nremutbl WHERE code_no = 'F1^R-2' AND t_year = 2016"), "2");

  PartnerRemuneration partners(conn(), "F1", 2016);
  partners.makeCurrent("F1^R-2");
  conn().execute("UPDATE part_remu SET remun = 1500 WHERE code = 'P1'");  // edited in the revision
  partners.makeCurrent("F1");
  EXPECT_EQ(remuneration(), original) << "the original's figures come back";
  partners.makeCurrent("F1^R-2");
  EXPECT_EQ(conn().scalar("SELECT remun FROM part_remu WHERE code = 'P1'"), "1500");

  // Posting the revision over the original keeps the revision's figures in use.
  engine().replace("F1", 2016, "F1^R-2", "F1");
  partners.makeCurrent("F1");
  EXPECT_EQ(conn().scalar("SELECT remun FROM part_remu WHERE code = 'P1'"), "1500");
  EXPECT_EQ(conn().scalar("SELECT remun FROM part_remu WHERE code = 'P9'"), "9000") << "another firm's partner";
}

TEST(DataSetCode, BelongsToItsClientOnly) {
  struct Case {
    const char* code;
    const char* client;
    bool belongs;
  } cases[] = {
      {"C1", "C1", true},         {"C1^R-2", "C1", true},   {"C1^Z-12", "C1", true}, {"C1^A-4", "C1", true},
      {"C10^R-2", "C1", false},   {"C1^X-2", "C1", false},  {"C1^R-", "C1", false},  {"C1^R-0", "C1", false},
      {"C1^R-2x", "C1", false},   {"C1^R2", "C1", false},   {"C1", "", false},       {"C1^R-2/..", "C1", false},
  };
  for (const auto& c : cases) EXPECT_EQ(belongsToClient(c.code, c.client), c.belongs) << c.code << " of " << c.client;
  EXPECT_EQ(dataSetCode("C1", 'A', 4), "C1^A-4");
}

MERIDIAN_ON_BOTH_ENGINES(DataSetEngineTest);

}  // namespace
}  // namespace meridian::suite::dataset
