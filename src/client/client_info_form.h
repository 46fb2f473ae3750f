#pragma once
// The client information screen "frmsetup2" (General Information): the
// permanent and year-wise particulars of the open client, read for the client
// and year of the working context, saved for the year always and into the
// client master on request.
//
// The save asks every question before it writes anything, and writes in one
// transaction, so a refused or failed save leaves the database as it was.
#include <optional>
#include <string>
#include <vector>

#include "db/record_set.h"
#include "host/component.h"
#include "host/screen.h"

namespace meridian::client {

// One text box (or typed combo) of the screen with its validating class and
// length, re-checked on the server when the screen saves.
struct FieldDef {
  const char* name;
  const char* label;
  ui::ControlKind kind;
  int validateData;
  int maxLength;
  const char* frame;
};
const std::vector<FieldDef>& clientInfoFields();

class ClientInfoForm : public host::Screen {
 public:
  explicit ClientInfoForm(host::Component& host);

  void load() override;
  // cmdSaveClInfo: true when the save ran to its end and was written.
  bool save();
  // cmdprevdata: true when the previous year's particulars were copied in.
  bool loadPreviousYear();
  // cmdaddr1 / cmdaddr2: lists every client's address to copy one into the
  // residential (1) or office (2) address; false when there is none.
  bool listAddresses(int target);
  void takeAddress(int row);

  bool individual() const { return individual_; }
  bool firm() const { return firm_; }
  const std::string& loadedPan() const { return loadedPan_; }
  // "LLP_Y" / "LLP_N" for a firm, "" otherwise.
  const std::string& llpMarker() const { return llpMarker_; }

 private:
  struct Checked;  // the texts of the boxes after their checks
  void build();
  void wireEvents();
  void fillAddressOffers();
  void stateChanged(const std::string& stateBox, const std::string& pinBox, const std::string& countryBox);
  bool ticked(const std::string& name);
  std::string clientName();

  host::Component& host_;
  std::string code_, rtCode_, status_;
  int year_ = 0;
  bool individual_ = false, firm_ = false, company_ = false;
  bool mmrIsLlp_ = false;
  std::string loadedPan_, llpMarker_, loadedAudit_;
  int addressTarget_ = 0;
  std::vector<std::vector<std::string>> addressRows_;
};

}  // namespace meridian::client
