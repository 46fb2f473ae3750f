#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/command.h"
#include "common/paths.h"
#include "common/years.h"
#include "suite/computation/printout_document.h"
#include "suite/computation/printout_source.h"
#include "suite/engine/compute_year.h"
#include "suite/report/pdf_renderer.h"
#include "suite/report/text_renderer.h"
#include "suite/settings_store.h"

namespace meridian::cli {
namespace {

namespace comp = suite::computation;

struct ComputationOptions {
  std::string client, ay, dataSet, pdf, text, outDir, user;
  bool estimate = false, all = false;
};

// The presentation settings of the user named by --user; the defaults
// without one.
comp::PrintoutOptions optionsFor(suite::Application& a, const std::string& user) {
  if (user.empty()) return comp::PrintoutOptions::read([](const std::string&) { return std::string(); });
  const auto found = a.users().find(user);
  if (!found) throw std::runtime_error("no user \"" + user + "\"");
  auto store = std::make_shared<suite::SettingsStore>(a.conn(), found->id);
  return comp::PrintoutOptions::read([store](const std::string& key) { return store->get("Settings", key, ""); });
}

// Writes the file whole: to a temporary name first, renamed when complete,
// so a failed run never leaves half a PDF under the real name.
void writeFile(const std::filesystem::path& path, const std::string& bytes) {
  const auto partial = path.string() + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("could not write " + partial);
  }
  std::filesystem::rename(partial, path);
}

std::shared_ptr<const suite::report::PagedReport> printout(suite::Application& a, const ComputationOptions& o,
                                                            const comp::PrintoutOptions& options,
                                                            const std::string& client, int year) {
  comp::PrintoutRequest request{client, o.dataSet.empty() || o.all ? client : o.dataSet, year, a.data().documents()};
  suite::heads::LoadNotes notes;
  const auto data = comp::loadPrintoutData(a.conn(), request, &notes);
  for (const auto& n : notes) std::cerr << "computation: " << client << ": " << n << '\n';
  return comp::paginatedPrintout(data, options, o.estimate ? comp::PrintMode::estimate : comp::PrintMode::computation);
}

int printOne(const GlobalOptions& g, const ComputationOptions& o) {
  const int year = yearOfAssessmentYear(o.ay);
  suite::Application a(g.app());
  const auto paged = printout(a, o, optionsFor(a, o.user), o.client, year);
  if (!o.pdf.empty()) writeFile(o.pdf, suite::report::renderPdf(*paged));
  if (!o.text.empty()) writeFile(o.text, suite::report::renderText(*paged));
  return 0;
}

// Every client with the year opened (its own data set's year row), in code
// order; one failing client is told and the run goes on.
int printAll(const GlobalOptions& g, const ComputationOptions& o) {
  const int year = yearOfAssessmentYear(o.ay);
  suite::Application a(g.app());
  const auto options = optionsFor(a, o.user);
  std::filesystem::create_directories(o.outDir);
  std::vector<std::string> clients;
  for (const auto& row : a.conn().query("SELECT code_no FROM income WHERE ass_year = ? ORDER BY code_no", {year}))
    if (row.text("code_no").find('^') == std::string::npos) clients.push_back(row.text("code_no"));
  int failed = 0, n = 0;
  for (const auto& client : clients) {
    ++n;
    std::cerr << "computation: " << n << "/" << clients.size() << " " << client << '\n';
    if (!safePathComponent(client)) {
      std::cerr << "computation: " << client << ": not printed: the code can not name a file\n";
      ++failed;
      continue;
    }
    try {
      const auto paged = printout(a, o, options, client, year);
      writeFile(std::filesystem::path(o.outDir) / (client + "_" + assessmentYearText(year) + ".pdf"),
                suite::report::renderPdf(*paged));
    } catch (const std::exception& e) {
      std::cerr << "computation: " << client << ": not printed: " << e.what() << '\n';
      ++failed;
    }
  }
  std::cerr << "computation: " << (n - failed) << " of " << clients.size() << " printed into " << o.outDir << '\n';
  return failed ? 1 : 0;
}

}  // namespace

void addComputationCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto* sub = app.add_subcommand("computation", "print the computation of total income of a client year as a PDF");
  auto o = std::make_shared<ComputationOptions>();
  sub->add_option("--client", o->client, "the client");
  sub->add_option("--ay", o->ay, "the assessment year, e.g. 2016-17")->required();
  sub->add_option("--dataset", o->dataSet, "the data set of --client (C^R-2 ...); default the client's own");
  sub->add_flag("--estimate", o->estimate, "print the advance tax estimation instead");
  sub->add_option("--pdf", o->pdf, "write the PDF to this file");
  sub->add_option("--text", o->text, "write the printout as plain text to this file");
  sub->add_flag("--all", o->all, "every client with the year opened, one PDF each into --out");
  sub->add_option("--out", o->outDir, "folder of the PDFs of --all");
  sub->add_option("--user", o->user, "print with this user's computation settings");
  addGlobalOptions(*sub, g);
  sub->callback([&chosen, &g, o] {
    chosen = [&g, o] {
      if (o->all == !o->client.empty()) {
        std::cerr << "meridian: computation needs either --client or --all\n";
        return 2;
      }
      if (o->all && o->outDir.empty()) {
        std::cerr << "meridian: computation --all needs --out DIR\n";
        return 2;
      }
      if (!o->all && o->pdf.empty() && o->text.empty()) {
        std::cerr << "meridian: computation needs --pdf FILE (or --text FILE)\n";
        return 2;
      }
      return guarded([&] {
        try {
          return o->all ? printAll(g, *o) : printOne(g, *o);
        } catch (const suite::heads::CannotLoadYear& e) {
          std::cerr << "computation: " << e.what() << '\n';
          return 2;
        } catch (const engine::CannotCompute& e) {
          std::cerr << "computation: " << e.what() << '\n';
          return 2;
        }
      });
    };
  });
}

}  // namespace meridian::cli
