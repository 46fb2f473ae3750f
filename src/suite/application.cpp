#include "suite/application.h"

#include "db/migrations.h"
#include "host/client_due_date.h"
#include "suite/dataset/carry_forward_list.h"
#include "suite/dataset/data_set_layout.h"
#include "suite/heads/cost_inflation_index.h"
#include "suite/report_preview.h"
#include "suite/suite_factory.h"
#include "suite/year_params/year_params.h"

namespace meridian::suite {

Application::Application(const AppOptions& options)
    : reportWriters(standardReportWriters()),
      dueDates(host::clientDueDates),
      data_(DataFolder::open(options.dataDir)),
      dbUrl_(resolveDatabaseUrl(options.dbUrl, data_)) {
  // Unsound tax parameters stop the start with the list of faults, before any
  // figure is computed from them.
  params::YearParams::shipped();
  heads::CostInflationIndex::shipped();
  // Looked at before the database is opened: opening creates an SQLite file.
  const auto url = db::ConnectionUrl::parse(dbUrl_);
  std::error_code ec;
  if (url.engine == db::Engine::sqlite && !options.newPractice &&
      (!std::filesystem::exists(url.path, ec) || std::filesystem::file_size(url.path, ec) == 0))
    refuseToReplaceVanishedDatabase(url);
  conn_ = db::Connection::open(dbUrl_);
  if (url.engine == db::Engine::mysql && !options.newPractice && conn_->tables().empty())
    refuseToReplaceVanishedDatabase(url);
  db::migrate(*conn_, db::allMigrations());
  // A year table missing from the data-set list would be left behind by every
  // revision's copy; refuse to start rather than lose figures quietly.
  dataset::checkLayout(*conn_);
  // So would a head's carry-forward that names a table under another year column.
  dataset::carryForwardList();
}

void Application::refuseToReplaceVanishedDatabase(const db::ConnectionUrl& url) {
  const auto traces = data_.practiceTraces();
  if (traces.empty()) return;
  std::string found;
  for (const auto& t : traces) found += (found.empty() ? "" : "; ") + t;
  throw std::runtime_error("the database " + url.redacted() + " is missing or empty, but the data folder " +
                           data_.root.string() + " holds a practice (" + found +
                           "). Restore a backup with 'meridian restore FILE', or start with --new-practice to begin "
                           "an empty practice here.");
}

Application::~Application() = default;

std::unique_ptr<UserSession> Application::openSession(const User& user, ui::Dialogs& dialogs) {
  return std::make_unique<UserSession>(*this, user, dialogs);
}

UserSession::UserSession(Application& app, const User& user, ui::Dialogs& dialogs)
    : user_(user), conn_(app.conn().share()),
      access_(std::make_shared<ClientAccess>(*conn_)),
      desktop_(dialogs) {
  ReportWriterMaker maker;
  if (app.reportWriters) {
    maker = [this, make = app.reportWriters] {
      return make([this](FinishedReport r) {
        std::lock_guard lock(reportsMutex_);
        std::string id = std::to_string(nextReport_++);
        reports_[id] = std::move(r);
        desktop_.pendingPreviews.push_back(id);
      });
    };
  }
  factory_ = std::make_unique<SuiteFactory>(*conn_, app.data(), user_, desktop_, maker, app.dueDates, access_);
  forms_ = std::make_unique<host::Forms>(*factory_, desktop_);
}

UserSession::~UserSession() = default;

const FinishedReport* UserSession::report(const std::string& id) const {
  std::lock_guard lock(reportsMutex_);
  auto it = reports_.find(id);
  return it == reports_.end() ? nullptr : &it->second;
}

}  // namespace meridian::suite
