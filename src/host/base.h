#pragma once
// The host's base object ("KesBase.ClsMain"): the database connection,
// per-user settings, paths, screen ratios, user rights and client passwords,
// formatting and the client-master services, plus the part of the working
// context it carries.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "host/property.h"

namespace meridian::db { class Connection; }
namespace meridian::ui { class Form; class Control; }

namespace meridian::host {

class MainPage {
 public:
  virtual ~MainPage() = default;
  // Any key a screen does not handle itself (F1 excepted) goes here.
  virtual void hotkey(int keyCode, ui::Form& from) = 0;
};

class PopupMenu {
 public:
  virtual ~PopupMenu() = default;
  // Pops up the host's menu over the given screen (F1).
  virtual void popup(ui::Form& over) = 0;
};

class Base {
 public:
  explicit Base(ContextJournal& j)
      : STATUSR(j, "Base", "STATUSR"),
        TSTATUS(j, "Base", "TSTATUS", 1),
        vLstSelClCode(j, "Base", "vLstSelClCode"),
        vChkCode(j, "Base", "vChkCode"),
        vChkYr(j, "Base", "vChkYr", 0),
        vChkCatg(j, "Base", "vChkCatg"),
        Temp_Code(j, "Base", "Temp_Code"),
        DocPath(j, "Base", "DocPath"),
        ExePath(j, "Base", "ExePath"),
        vTmpPath(j, "Base", "vTmpPath"),
        vScreenRatX(j, "Base", "vScreenRatX", 1.0),
        vScreenRatY(j, "Base", "vScreenRatY", 1.0),
        vScreenRatFS(j, "Base", "vScreenRatFS", 1.0),
        ObjSubForm(j, "Base", "ObjSubForm", nullptr),
        ObjForm1(j, "Base", "ObjForm1", nullptr),
        vFlagInProcess(j, "Base", "vFlagInProcess", false) {}
  virtual ~Base() = default;

  Property<std::string> STATUSR;
  Property<int> TSTATUS;
  Property<std::string> vLstSelClCode;
  Property<std::string> vChkCode;
  Property<int> vChkYr;
  Property<std::string> vChkCatg;
  Property<std::string> Temp_Code;
  Property<std::string> DocPath, ExePath, vTmpPath;
  Property<double> vScreenRatX, vScreenRatY, vScreenRatFS;
  Property<ui::Form*> ObjSubForm, ObjForm1;
  Property<bool> vFlagInProcess;

  virtual db::Connection& DbObj() = 0;
  // The value as text that may stand between single quotes in SQL.
  virtual std::string TruncVarSQL(const std::string& value) = 0;
  virtual std::string GetSettingINI(const std::string& section, const std::string& key, const std::string& fallback) = 0;
  virtual void SaveSettingINI(const std::string& section, const std::string& key, const std::string& value) = 0;
  // Completes a typed date to dd/mm/yyyy ("" when it is no date).
  virtual std::string ConvertDate(const std::string& typed) = 0;
  // True when the signed-in user holds the numbered right; with quiet false a
  // refusal is also told to the user.
  virtual bool CheckPass(int right, bool quiet = false) = 0;
  // True when the user may open the client (asks for its password if it has one).
  virtual bool CheckClpass(const std::string& code) = 0;
  virtual void Resize_For_Resolution(ui::Form& form) = 0;
  virtual MainPage& MainPageObj() = 0;
  virtual PopupMenu& PopupMenuObj() = 0;

  virtual std::string GetMiscOthInf(const std::string& code, int year, const std::string& key) = 0;
  virtual void SetMiscOthInf(const std::string& code, int year, const std::string& key, const std::string& value) = 0;
  virtual std::string GetClOthVars(const std::string& code, const std::string& key) = 0;
  virtual void SetClOthVars(const std::string& code, const std::string& key, const std::string& value) = 0;
  virtual std::string GetPhone4MobNo(const std::string& code) = 0;

  // Client-master services.
  // Another client already holding the PAN is named to the user, who decides:
  // "N" when the user declines to go on, "Y" when the user goes on; "" when no
  // other client holds the PAN (nothing asked).
  virtual std::string CheckForDupClWithPAN(const std::string& code, const std::string& pan) = 0;
  // A PAN as the department issues it (the fourth letter one of its status letters).
  virtual bool ValidPan(const std::string& pan) = 0;
  // Fills a combo box with the states and union territories, "STATE OUTSIDE INDIA" last.
  virtual void loadstatelist(ui::Control& combo) = 0;

  // Services that need the department's portal or the company registry. An
  // installation without that connection tells the user so and changes
  // nothing; the results are then empty.
  virtual void VerifyAadhaar(const std::string& code, const std::string& aadhaar) = 0;
  virtual std::string VerifyNameAsPerMCA(const std::string& regNo, const std::string& name) = 0;
  virtual std::string VerifyNameAsPerLoginITD(const std::string& code, const std::string& pan, const std::string& date) = 0;
  // Field name -> value ("SEX" comes back as "MALE" or "FEMALE").
  virtual std::vector<std::pair<std::string, std::string>> PrefillAsPerLoginITD(const std::string& code,
                                                                                const std::string& pan,
                                                                                const std::string& dob) = 0;
  virtual bool VerifyAndUpdatePANTAN(const std::string& code, const std::string& pan, const std::string& name,
                                     const std::string& date) = 0;
  // Area code, area type, range code, AO number (empty when unknown).
  virtual std::vector<std::string> KnowYourAO(const std::string& code, const std::string& pan) = 0;
  virtual std::vector<std::string> GetGWCR(int year) = 0;
  virtual std::string CheckResStatus(const std::string& code, int year) = 0;

  // The host's screen of a client's bank accounts ("B", table bank_details)
  // or credit cards ("C", credit_details) for a year (0: the master details).
  // It shows over the caller; `closed` runs when the user leaves it.
  virtual void BankCCDet(const std::string& kind, const std::string& code, int year, std::function<void()> closed) = 0;

  // Host screens around the client list; true when the list must be reloaded.
  virtual bool ShowClListSetup() = 0;
  virtual bool ShowClListSelection(const std::string& moduleCode) = 0;
};

}  // namespace meridian::host
