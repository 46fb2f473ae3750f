#pragma once
// The suite's base object for one signed-in user.
#include <memory>

#include "host/base.h"
#include "suite/client_access.h"
#include "suite/data_folder.h"
#include "suite/settings_store.h"
#include "suite/user_store.h"

namespace meridian::ui { class Desktop; }

namespace meridian::suite {

class BaseImpl : public host::Base {
 public:
  BaseImpl(host::ContextJournal& journal, db::Connection& conn, const DataFolder& data, User user, ui::Desktop& desktop,
           std::shared_ptr<ClientAccess> access = nullptr);

  db::Connection& DbObj() override { return conn_; }
  std::string TruncVarSQL(const std::string& value) override;
  std::string GetSettingINI(const std::string& section, const std::string& key, const std::string& fallback) override;
  void SaveSettingINI(const std::string& section, const std::string& key, const std::string& value) override;
  std::string ConvertDate(const std::string& typed) override;
  bool CheckPass(int right, bool quiet = false) override;
  bool CheckClpass(const std::string& code) override;
  void Resize_For_Resolution(ui::Form& form) override;
  host::MainPage& MainPageObj() override { return mainPage_; }
  host::PopupMenu& PopupMenuObj() override { return popupMenu_; }
  std::string GetMiscOthInf(const std::string& code, int year, const std::string& key) override;
  void SetMiscOthInf(const std::string& code, int year, const std::string& key, const std::string& value) override;
  std::string GetClOthVars(const std::string& code, const std::string& key) override;
  void SetClOthVars(const std::string& code, const std::string& key, const std::string& value) override;
  std::string GetPhone4MobNo(const std::string& code) override;
  std::string CheckForDupClWithPAN(const std::string& code, const std::string& pan) override;
  bool ValidPan(const std::string& pan) override;
  void loadstatelist(ui::Control& combo) override;
  void VerifyAadhaar(const std::string& code, const std::string& aadhaar) override;
  std::string VerifyNameAsPerMCA(const std::string& regNo, const std::string& name) override;
  std::string VerifyNameAsPerLoginITD(const std::string& code, const std::string& pan, const std::string& date) override;
  std::vector<std::pair<std::string, std::string>> PrefillAsPerLoginITD(const std::string& code, const std::string& pan,
                                                                        const std::string& dob) override;
  bool VerifyAndUpdatePANTAN(const std::string& code, const std::string& pan, const std::string& name,
                             const std::string& date) override;
  std::vector<std::string> KnowYourAO(const std::string& code, const std::string& pan) override;
  std::vector<std::string> GetGWCR(int year) override;
  std::string CheckResStatus(const std::string& code, int year) override;
  void BankCCDet(const std::string& kind, const std::string& code, int year, std::function<void()> closed) override;
  bool ShowClListSetup() override;
  bool ShowClListSelection(const std::string& moduleCode) override;

  const User& user() const { return user_; }

 private:
  class HostMainPage : public host::MainPage {
   public:
    void hotkey(int keyCode, ui::Form& from) override;
  };
  class HostPopupMenu : public host::PopupMenu {
   public:
    explicit HostPopupMenu(ui::Desktop& d) : desktop_(d) {}
    void popup(ui::Form& over) override;

   private:
    ui::Desktop& desktop_;
  };

  db::Connection& conn_;
  User user_;
  ui::Desktop& desktop_;
  SettingsStore settings_;
  ClientValues clientValues_;
  UserStore users_;
  std::shared_ptr<ClientAccess> access_;  // client passwords given in this session
  HostMainPage mainPage_;
  HostPopupMenu popupMenu_;
};

}  // namespace meridian::suite
