#pragma once
// The host's client register: creating, editing and deleting clients.
// Individuals are rows of owner1, every other status a row of main_info1; a
// partner of a firm or the proprietor of a proprietorship is an owner1 row
// whose code_no is that client's code. Every change shows in the client list
// (TempClTbl) at once.
//
// For the dashboard:
//   open("frmclreg")                 new client
//   open("frmclreg", {.code = code}) edit the client
//   deleteClient(host, code)         asks, then removes the client everywhere
#include <memory>
#include <string>
#include <vector>

#include "host/component.h"
#include "host/screen.h"
#include "host/versioned_row.h"

namespace meridian::suite {

// The statuses a new client may take, in the order the list offers them.
const std::vector<std::string>& clientStatuses();

class ClientRegisterForm : public host::Screen {
 public:
  explicit ClientRegisterForm(host::Component& host);
  // The client to edit; "" opens an empty register entry for a new client.
  void opened(const host::OpenRequest& request) override { code_ = request.code; }
  void load() override;
  // Escape asks about changes not saved, as Back does.
  void escape() override { closeAskingToSave(); }
  bool saveBeforeClosing() override { return save(); }
  // cmdsave: true when the client was written. A new client left without a
  // code gets the next in the practice's pattern. Editing writes only what
  // the user changed, and only while nobody else saved the client since it
  // was read; otherwise the user is asked what to do.
  bool save();
  const std::string& code() const { return code_; }

 private:
  void showFieldsForStatus();
  bool settleConflict(host::RowChange change);
  db::Connection& conn();

  host::Component& host_;
  std::string code_;  // "" until a new client is saved
  bool person_ = true;
  std::string loadedPan_;
  long long versionRead_ = 0;
};

// Asks "Do you want to delete client <code> <name> ?" and on Yes removes
// every row the client has in every table (its return-table codes
// code^... included) in one transaction. Persons linked to the client stay
// clients of their own, no longer linked. True when the client was deleted.
bool deleteClient(host::Component& host, const std::string& code);

}  // namespace meridian::suite
