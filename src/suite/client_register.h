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

namespace meridian::suite {

// The statuses a new client may take, in the order the list offers them.
const std::vector<std::string>& clientStatuses();
// Statuses kept in owner1 (a person).
bool isPersonStatus(const std::string& status);

// The first whole number above every numeric client code in use.
std::string nextClientCode(db::Connection& conn);

class ClientRegisterForm : public host::Screen {
 public:
  explicit ClientRegisterForm(host::Component& host);
  // The client to edit; "" opens an empty register entry for a new client.
  void opened(const host::OpenRequest& request) override { code_ = request.code; }
  void load() override;
  // cmdsave: true when the client was written.
  bool save();
  const std::string& code() const { return code_; }

 private:

  host::Component& host_;
  std::string code_;  // "" until a new client is saved
  bool person_ = true;
  std::string loadedPan_;
};

// Asks "Do you want to delete client <code> <name> ?" and on Yes removes
// every row the client has in every table (its return-table codes
// code^... included) in one transaction. Persons linked to the client stay
// clients of their own, no longer linked. True when the client was deleted.
bool deleteClient(host::Component& host, const std::string& code);

}  // namespace meridian::suite
