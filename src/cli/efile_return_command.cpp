// meridian efile: the e-return of a stored client year (ITR-1 or ITR-4S),
// written, checked against its schema and digested by the same code as the
// return screen; or the returns of every client of the practice for a year.
#include <chrono>
#include <ctime>
#include <optional>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "common/years.h"
#include "itr/efile/ereturn_source.h"
#include "itr/return_review.h"
#include "itr/efile/itr1_writer.h"
#include "itr/efile/produce_ereturn.h"
#include "itr/efile/root_layout.h"
#include "suite/atomic_file.h"
#include "suite/efile/efile_credentials.h"
#include "ui/dialogs.h"

namespace meridian::cli {
namespace {

namespace fs = std::filesystem;
using itr::efile::ProduceResult;

struct EfileOptions {
  std::string client, ay, form, dataSet, out;
  bool all = false, json = false;
  bool yes = false;  // answer Yes to the questions the return screen asks
};

std::string today() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char text[11];
  std::strftime(text, sizeof text, "%d/%m/%Y", &local);
  return text;
}

// A question of the return screen and the answer the run gave it.
struct Answered {
  std::string question;
  bool yes = false;
};

struct Outcome {
  std::string client, form;
  std::vector<Answered> answers;      // the questions the screen would ask
  std::vector<std::string> told;      // what the screen would only tell
  ProduceResult result = ProduceResult::failed;
  itr::efile::ProducedReturn produced;
  std::vector<std::string> notes;
  std::string reason;  // why it was refused or failed, or its first fault
};

class Efiler {
 public:
  Efiler(const GlobalOptions& g, int year, std::string form, bool yes)
      : yes_(yes),
        app_({g.dataDir, g.dbUrl}),
        session_(app_.openSession(suite::User{.username = "efile", .admin = true}, dialogs_)),
        credentials_(app_.conn()),
        year_(year),
        form_(std::move(form)) {}

  Outcome make(const std::string& client, const std::string& dataSet, const fs::path& file,
               itr::efile::Durability durability = itr::efile::Durability::now) {
    Outcome o;
    o.client = client;
    try {
      const auto entry = itr::efile::registerEntryOf(app_.conn(), client, year_, dataSet);
      const auto reviewed = review(dataSet, o);
      if (!reviewed) {
        o.result = ProduceResult::refused;
        return o;
      }
      auto gathered = itr::efile::gatherEReturn(session_->component().base(),
                                                {client, dataSet, year_, o.form, today()}, reviewed->particulars, entry);
      o.notes = std::move(gathered.notes);
      o.produced = itr::efile::produceEReturn(gathered.input, file, credentials_, durability);
      o.result = o.produced.result;
      o.reason = o.produced.error;
    } catch (const std::exception& e) {
      o.reason = e.what();
    }
    return o;
  }

  // The return screen's review of the year: the form (the one asked for, or
  // the first that applies) and every check before a return. A stop, or a
  // form that may not be used or is not written here, refuses the return.
  // Each question is answered as the run was told (--yes, else No), with
  // the screen's meaning: a Yes to a section question changes the section
  // the return is filed under, a No keeps it; a No to any other question
  // stops the return.
  std::optional<itr::ReturnReview> review(const std::string& dataSet, Outcome& o) {
    const auto ymd = std::chrono::year_month_day(std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now()));
    itr::ReturnReview r = itr::reviewReturn(app_.conn(), {dataSet, year_, form_, true, ymd});
    o.form = r.form;
    if (r.year.clientName.empty() && r.year.statusCode.empty()) o.reason = "there is no client " + o.client;
    else if (r.formRefused) o.reason = *r.formRefused;
    else if (r.form.empty()) o.reason = "no return form applies to this year";
    else if (r.notNotified) o.reason = *r.notNotified;
    else if (!itr::efile::isItr1OrItr4s(r.form)) o.reason = r.form + " applies; its e-return is not written yet";
    if (!o.reason.empty()) return std::nullopt;
    for (const auto& c : r.checks) {
      if (c.outcome == itr::CheckOutcome::stopped) {
        o.reason = c.message;
        return std::nullopt;
      }
      if (c.outcome == itr::CheckOutcome::warned) o.told.push_back(c.message);
      if (c.outcome != itr::CheckOutcome::asked) continue;
      o.answers.push_back({c.message, yes_});
      if (!c.sectionOnYes.empty()) {
        if (yes_) r.particulars.sectionCode = c.sectionOnYes;
        continue;
      }
      if (!yes_) {
        o.reason = c.message + " (answered No; give --yes to answer Yes)";
        return std::nullopt;
      }
    }
    return r;
  }

  // Clients with the year entered (a year row), in code order.
  std::vector<std::string> clientsOfYear() {
    std::vector<std::string> codes;
    for (const auto& r : app_.conn().query("SELECT code_no FROM income WHERE ass_year = ? AND code_no NOT LIKE ? "
                                           "ORDER BY code_no",
                                           {year_, "%^%"}))
      codes.push_back(r.text("code_no"));
    return codes;
  }

 private:
  bool yes_;
  ui::ScriptedDialogs dialogs_;
  suite::Application app_;
  std::unique_ptr<suite::UserSession> session_;
  suite::efile::EfileCredentials credentials_;
  int year_;
  std::string form_;
};

nlohmann::json outcomeJson(const Outcome& o) {
  nlohmann::json j{{"client", o.client}, {"form", o.form}, {"result", itr::efile::produceResultName(o.result)}};
  if (!o.answers.empty()) {
    auto& answers = j["answers"] = nlohmann::json::array();
    for (const auto& a : o.answers) answers.push_back({{"question", a.question}, {"answer", a.yes ? "Yes" : "No"}});
  }
  if (!o.told.empty()) j["told"] = o.told;
  if (o.result == ProduceResult::written || o.result == ProduceResult::invalid) j["file"] = o.produced.file.string();
  if (o.result == ProduceResult::written && !o.produced.digest.empty()) j["digest"] = o.produced.digest;
  if (!o.reason.empty()) j[o.result == ProduceResult::invalid ? "first_error" : "reason"] = o.reason;
  if (o.result == ProduceResult::invalid) j["fault_count"] = o.produced.check.issueCount;
  if (!o.produced.warnings.empty()) j["warnings"] = o.produced.warnings;
  if (!o.notes.empty()) j["not_computed"] = o.notes;
  return j;
}

void printOne(const Outcome& o, bool json) {
  if (json) {
    std::cout << outcomeJson(o).dump(2) << "\n";
    return;
  }
  for (const auto& a : o.answers) std::cerr << "efile: answered " << (a.yes ? "Yes" : "No") << ": " << a.question << "\n";
  for (const auto& t : o.told) std::cerr << "efile: told: " << t << "\n";
  for (const auto& w : o.produced.warnings) std::cerr << "efile: " << w << "\n";
  for (const auto& n : o.notes) std::cerr << "efile: not computed: " << n << "\n";
  if (o.result == ProduceResult::written)
    std::cout << "written: " << o.produced.file.string() << (o.produced.digest.empty() ? "" : " (digest placed)") << "\n";
  else
    std::cerr << "efile: " << o.client << " " << itr::efile::produceResultName(o.result) << ": " << o.reason << "\n";
}

// The exit status of one return: 0 written, 1 invalid, 2 refused, 3 not
// validated or failed.
int exitStatusOf(ProduceResult r) {
  switch (r) {
    case ProduceResult::written: return 0;
    case ProduceResult::invalid: return 1;
    case ProduceResult::refused: return 2;
    case ProduceResult::notValidated:
    case ProduceResult::failed: break;
  }
  return 3;
}

int runOne(const GlobalOptions& g, const EfileOptions& o, int year) {
  Efiler efiler(g, year, o.form, o.yes);
  const Outcome out = efiler.make(o.client, o.dataSet.empty() ? o.client : o.dataSet, o.out);
  printOne(out, o.json);
  return exitStatusOf(out.result);
}

// The summary's lists, one for each result, under these keys.
const char* summaryKey(ProduceResult r) {
  switch (r) {
    case ProduceResult::written: return "written";
    case ProduceResult::refused: return "refused";
    case ProduceResult::invalid: return "invalid";
    case ProduceResult::notValidated: return "not_validated";
    case ProduceResult::failed: break;
  }
  return "failed";
}

// Every client of the year, one file each (C0801_2016.xml).
int runAll(const GlobalOptions& g, const EfileOptions& o, int year) {
  Efiler efiler(g, year, o.form, o.yes);
  fs::create_directories(o.out);
  const auto clients = efiler.clientsOfYear();
  constexpr ProduceResult kResults[] = {ProduceResult::written, ProduceResult::refused, ProduceResult::invalid,
                                        ProduceResult::notValidated, ProduceResult::failed};
  nlohmann::json summary{{"ay", o.ay}, {"clients", clients.size()}};
  for (ProduceResult r : kResults) summary[summaryKey(r)] = nlohmann::json::array();
  for (size_t i = 0; i < clients.size(); ++i) {
    const std::string& client = clients[i];
    std::cerr << "efile: " << i + 1 << " of " << clients.size() << ": " << client << "\n";
    const fs::path file = fs::path(o.out) / (client + "_" + std::to_string(year) + ".xml");
    const Outcome out = efiler.make(client, client, file, itr::efile::Durability::atEndOfBatch);
    summary[summaryKey(out.result)].push_back(outcomeJson(out));
  }
  suite::syncFileSystem(o.out);  // every file on disk before the summary says so
  nlohmann::json& counts = summary["counts"];
  std::string said;
  for (ProduceResult r : kResults) {
    const size_t n = summary[summaryKey(r)].size();
    counts[summaryKey(r)] = n;
    if (n > 0 || r != ProduceResult::notValidated)
      said += (said.empty() ? "" : ", ") + std::to_string(n) + " " + itr::efile::produceResultName(r);
  }
  if (o.json)
    std::cout << summary.dump(2) << "\n";
  else
    std::cout << said << ", in " << o.out << "\n";
  return counts["written"].get<size_t>() == clients.size() ? 0 : 1;
}

}  // namespace

void addEfileReturnCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto o = std::make_shared<EfileOptions>();
  auto* sub = app.add_subcommand(
      "efile", "write, check and digest the e-return (ITR-1, ITR-4S) of a client's stored year, or of every client");
  sub->add_option("--client", o->client, "the client code");
  sub->add_flag("--all", o->all, "every client with the year entered; --out is then a folder");
  sub->add_option("--ay", o->ay, "assessment year, e.g. 2016-17")->required();
  sub->add_option("--form", o->form, "ITR-1 or ITR-4S; default the first form that applies to the year");
  sub->add_option("--dataset", o->dataSet, "the data set of a register entry (C^R-2 ...); default the client's own");
  sub->add_option("--out", o->out, "the file to write (a folder with --all)")->required();
  sub->add_flag("--yes", o->yes,
                "answer Yes to the questions the return screen asks before a return: change the section where the "
                "due date calls for another (the return is filed under it; the kept particulars are not changed), "
                "and go on despite tax still payable, missing bank details or a blank verification; without it "
                "each is answered No, which keeps the section or refuses the return");
  sub->add_flag("--json", o->json, "print the outcome as JSON");
  addGlobalOptions(*sub, g);
  sub->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      if (o->all == !o->client.empty()) {
        std::cerr << "meridian: efile needs either --client or --all\n";
        return 2;
      }
      if (!o->form.empty() && !itr::efile::isItr1OrItr4s(o->form)) {
        std::cerr << "meridian: efile writes ITR-1 and ITR-4S; " << o->form << " is not written yet\n";
        return 2;
      }
      const int year = yearOfAssessmentYear(o->ay);
      return guarded([&] { return o->all ? runAll(g, *o, year) : runOne(g, *o, year); });
    };
  });
}

}  // namespace meridian::cli
