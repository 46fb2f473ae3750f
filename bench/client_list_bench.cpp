#include "client_list_bench.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>

#include "bench_timer.h"
#include "resident_memory.h"
#include "db/connection.h"
#include "host/client_list_changes.h"
#include "host/client_list_view.h"
#include "host/shared_client_list.h"
#include "register/income_form.h"
#include "suite/application.h"
#include "ui/dialogs.h"
#include "web/render_form.h"
#include "web/screen_update.h"

namespace meridian::bench {
namespace {

constexpr int kPanColumn = 10;

// Adds clients numbered from `from` up to `to` (not included).
void addClients(db::Connection& conn, int from, int to) {
  auto tx = conn.begin();
  char pan[11];
  for (int i = from; i < to; ++i) {
    std::snprintf(pan, sizeof pan, "%c%c%cP%c%04d%c", 'A' + i % 26, 'A' + i / 26 % 26, 'A' + i / 676 % 26,
                  'A' + i % 23, i % 10000, 'A' + i % 19);
    conn.execute(
        "INSERT INTO tempcltbl (codeno, name, stat, fnm, dob, addr, grpcode, grpnm, compnm, email, pan) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {"C" + std::to_string(100000 + i), "Client Name " + std::to_string(i), i % 3 ? "INDIVIDUAL" : "FIRM",
         "S/o Father " + std::to_string(i), "01/01/1970", std::to_string(i) + ", Some Street, Some Area, City, State, 400001",
         "", "", "", "c" + std::to_string(i) + "@example.in", std::string(pan)});
  }
  host::markClientListChanged(conn);
  tx.commit();
}

void report(const std::string& what, double ms, double baseline) {
  std::printf("%s: %.2fx baseline (%.3f ms; baseline %.3f ms)\n", what.c_str(), ms / baseline, ms, baseline);
}

// Every row of the table through SQLite's own C API, each cell's text
// touched: the least any reading of the list can cost.
double rawSqliteRead(const std::string& file) {
  sqlite3* db = nullptr;
  if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) return 0;
  const double ms = bestOfMilliseconds(5, [&] {
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "SELECT * FROM tempcltbl", -1, &st, nullptr);
    size_t bytes = 0;
    const int columns = sqlite3_column_count(st);
    while (sqlite3_step(st) == SQLITE_ROW)
      for (int c = 0; c < columns; ++c) {
        sqlite3_column_text(st, c);
        bytes += static_cast<size_t>(sqlite3_column_bytes(st, c));
      }
    sqlite3_finalize(st);
    if (bytes == 0) std::printf("(raw read found nothing)\n");
  });
  sqlite3_close(db);
  return ms;
}

// A search keystroke as the server answers it: the event on the screen (the
// change count read, the rows filtered) and the changed pieces of the page.
struct Keystroke {
  reg::IncomeForm& income;
  web::PageView& page;
  int typed = 0;
  void type() {
    // Alternate texts, as a person typing and correcting would.
    income.clients().grid().search[kPanColumn] = typed++ % 2 ? "%12" : "%13";
    ui::Event e{"TxtS", ui::EventType::change};
    income.dispatch(e);
  }
  void operator()() {
    type();
    web::updateFor(&income, page, false);
  }
};

// The floor for a search: the same cells scanned for the same text with a
// plain, case-sensitive find.
double plainScan(const host::ClientList& list) {
  return bestOfMilliseconds(5, [&] {
    size_t found = 0;
    for (const auto& cell : list.column(kPanColumn)) found += std::string_view(cell).find("12") != std::string_view::npos;
    if (found == list.size() + 1) std::printf("?");
  });
}

}  // namespace

void runClientListBenchmarks() {
  const auto dir = std::filesystem::temp_directory_path() / "meridian_bench_clients";
  std::filesystem::remove_all(dir);
  {
    suite::Application app({dir.string(), ""});
    auto user = app.users().add("bench", "bench-password");
    ui::ScriptedDialogs dialogs;
    auto session = app.openSession(user, dialogs);
    auto income = std::dynamic_pointer_cast<reg::IncomeForm>(session->forms().ObjIncome());
    auto& conn = session->conn();

    // A search keystroke at each size of practice, against a plain scan of
    // the same cells.
    int clients = 0;
    for (int size : {1'000, 10'000, 50'000, 200'000}) {
      addClients(app.conn(), clients, size);
      clients = size;
      income->OpenForm(1);
      web::PageView page;
      web::updateFor(income.get(), page, true);
      Keystroke key{*income, page};
      key();  // the first keystroke after the list changed reads the new list
      const double keystroke = bestOfMilliseconds(9, key);
      const auto list = app.clientList()->latest();
      report("client_list_search_keystroke_" + std::to_string(size) + " vs plain scan", keystroke, plainScan(*list));
      std::printf("(%d of %d rows shown)\n", income->clients().visibleCount(), size);

      if (size != 50'000) continue;
      // Reading the list: the program's read against the bare driver query
      // and against SQLite's C API; and a list opened again with nothing
      // changed (the change count only).
      const double driver = bestOfMilliseconds(5, [&] { conn.query("SELECT * FROM tempcltbl"); });
      const double read = bestOfMilliseconds(5, [&] { host::ClientList::read(conn); });
      report("client_list_read_50000 vs driver query", read, driver);
      report("client_list_read_50000 vs C API", read, rawSqliteRead((dir / "meridian.db").string()));
      const double reopen = bestOfMilliseconds(5, [&] { income->clients().LoadClList("IT"); });
      report("client_list_reopen_unchanged_50000 vs driver query", reopen, driver);

      // What the page is told after a search keystroke: the pieces that
      // changed (the rows and the count), against the whole screen.
      size_t patchBytes = 0, wholeBytes = 0;
      std::string pieces;  // which pieces the answer carries, and their sizes
      const double whole = bestOfMilliseconds(5, [&] { wholeBytes = web::renderForm(*income).size(); });
      double patch = 1e300;
      for (int run = 0; run < 5; ++run) {
        key.type();  // not timed: only the answer is
        patch = std::min(patch, bestOfMilliseconds(1, [&] {
                           patchBytes = 0;
                           pieces.clear();
                           for (const auto& p : web::updateFor(income.get(), page, false).changed) {
                             patchBytes += p.html.size();
                             pieces += " " + p.id + " " + std::to_string(p.html.size());
                           }
                         }));
      }
      report("search_answer_pieces_vs_whole_screen_50000", patch, whole);
      std::printf("(answer of a search keystroke: %zu bytes of changed pieces [%s ], %zu bytes of whole screen)\n",
                  patchBytes, pieces.c_str(), wholeBytes);

      // Memory: fifty sessions with the list open, against the shared list's own size.
      const double before = heapMb();
      auto freshList = host::ClientList::read(conn);
      const double listMb = heapMb() - before;
      freshList.reset();
      const double withOne = heapMb();
      std::vector<std::unique_ptr<suite::UserSession>> sessions;
      std::vector<std::unique_ptr<ui::ScriptedDialogs>> answers;
      for (int i = 0; i < 50; ++i) {
        answers.push_back(std::make_unique<ui::ScriptedDialogs>());
        sessions.push_back(app.openSession(user, *answers.back()));
        std::dynamic_pointer_cast<reg::IncomeForm>(sessions.back()->forms().ObjIncome())->OpenForm(1);
      }
      const double perSession = (heapMb() - withOne) / 50;
      std::printf("memory_per_session_50000: %.2fx the shared list (%.2f MB a session; list %.2f MB; %.0f MB resident)\n",
                  listMb > 0 ? perSession / listMb : 0, perSession, listMb, residentMb());
    }
    session.reset();
  }
  std::filesystem::remove_all(dir);
}

}  // namespace meridian::bench
