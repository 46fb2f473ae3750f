#pragma once
// The host's two small screens around the client list: "Client List Setup"
// (which columns the list shows and how many stay frozen) and "Client List
// Selection" (which clients a module lists for this user, by group or
// status, kept in the user's own settings).
#include <memory>

#include "host/base.h"
#include "host/screen.h"

namespace meridian::suite {

class ClientListSetupForm : public host::Screen {
 public:
  explicit ClientListSetupForm(host::Base& base);
  void load() override;

 private:
  void save();
};

class ClientListSelectionForm : public host::Screen {
 public:
  ClientListSelectionForm(host::Base& base, std::string moduleCode);
  void load() override;

 private:
  void apply(bool showAll);
  std::string module_;
};

// The layout text "column|flag|..." for the shown/hidden state of every column.
std::string layoutSetting(const std::vector<bool>& hidden);

}  // namespace meridian::suite
