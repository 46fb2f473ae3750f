#include "client_list_bench.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "bench_timer.h"
#include "db/connection.h"
#include "register/income_form.h"
#include "suite/application.h"
#include "ui/dialogs.h"
#include "web/render_form.h"
#include "web/screen_update.h"

namespace meridian::bench {
namespace {

constexpr int kClients = 50'000;

void fillClientList(db::Connection& conn) {
  auto tx = conn.begin();
  conn.execute("DELETE FROM tempcltbl");
  char pan[11];
  for (int i = 0; i < kClients; ++i) {
    std::snprintf(pan, sizeof pan, "%c%c%cP%c%04d%c", 'A' + i % 26, 'A' + i / 26 % 26, 'A' + i / 676 % 26,
                  'A' + i % 23, i % 10000, 'A' + i % 19);
    conn.execute(
        "INSERT INTO tempcltbl (codeno, name, stat, fnm, dob, addr, grpcode, grpnm, compnm, email, pan) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
        {"C" + std::to_string(100000 + i), "Client Name " + std::to_string(i), i % 3 ? "INDIVIDUAL" : "FIRM",
         "S/o Father " + std::to_string(i), "01/01/1970", std::to_string(i) + ", Some Street, Some Area, City, State, 400001",
         "", "", "", "c" + std::to_string(i) + "@example.in", std::string(pan)});
  }
  tx.commit();
}

void report(const char* what, double ms, double baseline) {
  std::printf("%s: %.2fx baseline (%.2f ms; baseline %.2f ms)\n", what, ms / baseline, ms, baseline);
}

}  // namespace

void runClientListBenchmarks() {
  const auto dir = std::filesystem::temp_directory_path() / "meridian_bench_clients";
  std::filesystem::remove_all(dir);
  suite::Application app({dir.string(), ""});
  fillClientList(app.conn());
  auto user = app.users().add("bench", "bench-password");
  ui::ScriptedDialogs dialogs;
  auto session = app.openSession(user, dialogs);
  auto income = std::dynamic_pointer_cast<reg::IncomeForm>(session->forms().ObjIncome());
  income->OpenForm(1);
  reg::ClientGrid& list = income->clients();
  auto& conn = session->conn();

  const double baseline = bestOfMilliseconds(5, [&] { conn.query("SELECT * FROM tempcltbl"); });
  const double load = bestOfMilliseconds(5, [&] { list.LoadClList("IT"); });
  report("client_list_load_50000", load, baseline);

  // One keystroke in the PAN box: the filter over every row, then the page's rows.
  const double search = bestOfMilliseconds(5, [&] {
    list.grid().search[10] = "%12";
    list.SearchClient();
  });
  report("client_list_search_50000", search, baseline);
  const double page = bestOfMilliseconds(5, [&] {
    list.grid().search[10] = "%12";
    list.SearchClient();
    web::renderForm(*income);
  });
  report("client_list_search_and_page_50000", page, baseline);

  // What the page is told after a search keystroke: the pieces that changed
  // (the rows and the count), against the whole screen the page was once
  // sent for every key. The search itself is not timed.
  web::PageView view;
  web::updateFor(income.get(), view, true);
  size_t patchBytes = 0, wholeBytes = 0;
  int key = 0;
  auto answerTime = [&](auto answer) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
      list.grid().search[10] = key++ % 2 ? "%12" : "%13";
      list.SearchClient();
      best = std::min(best, bestOfMilliseconds(1, answer));
    }
    return best;
  };
  const double whole = answerTime([&] { wholeBytes = web::renderForm(*income).size(); });
  const double patch = answerTime([&] {
    patchBytes = 0;
    for (const auto& p : web::updateFor(income.get(), view, false).changed) patchBytes += p.html.size();
  });
  report("search_answer_pieces_vs_whole_screen_50000", patch, whole);
  std::printf("(answer of a search keystroke: %zu bytes of changed pieces, %zu bytes of whole screen)\n", patchBytes,
              wholeBytes);
  std::printf("(%d rows shown of %d)\n", list.visibleCount(), kClients);
  session.reset();
  std::filesystem::remove_all(dir);
}

}  // namespace meridian::bench
