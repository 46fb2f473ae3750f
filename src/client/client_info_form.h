#pragma once
// The client information screen "frmsetup2" (General Information): the
// permanent and year-wise particulars of the open client, read for the client
// and year of the working context, saved for the year always and into the
// client master on request.
//
// The save asks every question before it writes anything, and writes in one
// transaction, so a refused or failed save leaves the database as it was.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "client/year_options.h"

#include "db/record_set.h"
#include "host/component.h"
#include "host/screen.h"
#include "host/versioned_row.h"

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
  // Escape asks about changes not saved, as Back does.
  void escape() override { closeAskingToSave(); }
  bool saveBeforeClosing() override { return save(); }
  // cmdSaveClInfo: true when the save ran to its end and was written. Only
  // the values the user changed are written, and the year and master rows
  // only while nobody else saved them since they were read (else the user
  // is asked what to do).
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
  // The texts of the boxes after their checks.
  struct Checked {
    std::map<std::string, std::string> t;
    const std::string& operator[](const std::string& n) const {
      static const std::string none;
      auto it = t.find(n);
      return it == t.end() ? none : it->second;
    }
  };
  // What the checks and questions of a save decided, before any write.
  struct SavePlan {
    Checked values;
    std::optional<YearOption> option1, option2;
    bool updateMaster = false, updateLinked = false, llp = false;
    std::string audit, pan;
    struct Written {
      bool year = false, master = false;
    };
    mutable Written written;
  };
  std::optional<SavePlan> askBeforeSaving();
  bool turnoverAgreed();
  host::RowChange write(const SavePlan& plan);
  bool settleConflict(host::RowChange change);
  void afterSaving(const SavePlan& plan);
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
  // The versions of the year row (none: there was no year row) and the
  // master row as read.
  std::optional<long long> yearVersion_;
  long long masterVersion_ = 0;
  int addressTarget_ = 0;
  std::vector<std::vector<std::string>> addressRows_;
};

}  // namespace meridian::client
