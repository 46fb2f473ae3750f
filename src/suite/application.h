#pragma once
// The running program: its data folder, its database (migrated on start) and
// the users; it opens one session, with its own component and working
// context, for each signed-in user.
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "host/forms.h"
#include "host/shared_client_list.h"
#include "suite/client_access.h"
#include "suite/contexts_impl.h"
#include "suite/data_folder.h"
#include "suite/finished_report.h"
#include "suite/user_store.h"
#include "ui/form.h"

namespace meridian::suite {

struct AppOptions {
  std::string dataDir;  // --data
  std::string dbUrl;    // --db
  // Create an empty database even though the folder holds files of a
  // practice (--new-practice): otherwise a vanished database is told, not
  // silently replaced by an empty one.
  bool newPractice = false;
};

using ReportWriterFactory = std::function<std::unique_ptr<host::ReportWriter>(FinishedReportSink)>;

class UserSession;

class Application {
 public:
  explicit Application(const AppOptions& options);
  ~Application();

  const DataFolder& data() const { return data_; }
  const std::string& databaseUrl() const { return dbUrl_; }
  db::Connection& conn() { return *conn_; }
  UserStore users() { return UserStore(*conn_); }

  // Opens a component for the user; the dialogs answer for that user.
  std::unique_ptr<UserSession> openSession(const User& user, ui::Dialogs& dialogs);

  ReportWriterFactory reportWriters;
  DueDateLookup dueDates;
  // The client list, read once and shared by every session.
  const std::shared_ptr<host::SharedClientList>& clientList() const { return clientList_; }

 private:
  void refuseToReplaceVanishedDatabase(const db::ConnectionUrl& url);

  DataFolder data_;
  std::string dbUrl_;
  std::unique_ptr<db::Connection> conn_;
  std::shared_ptr<host::SharedClientList> clientList_ = std::make_shared<host::SharedClientList>();
};

class UserSession {
 public:
  UserSession(Application& app, const User& user, ui::Dialogs& dialogs);
  ~UserSession();

  const User& user() const { return user_; }
  db::Connection& conn() { return *conn_; }
  ui::Desktop& desktop() { return desktop_; }
  host::Forms& forms() { return *forms_; }
  host::Component& component() { return forms_->component(); }

  // Finished reports of this session by id.
  const FinishedReport* report(const std::string& id) const;
  // The protected clients this session was given the passwords of.
  ClientAccess& clientAccess() { return *access_; }

 private:
  User user_;
  std::unique_ptr<db::Connection> conn_;
  std::shared_ptr<ClientAccess> access_;
  ui::Desktop desktop_;
  std::unique_ptr<host::HostFactory> factory_;
  std::unique_ptr<host::Forms> forms_;
  mutable std::mutex reportsMutex_;
  std::map<std::string, FinishedReport> reports_;
  int nextReport_ = 1;
};

}  // namespace meridian::suite
