#pragma once
// The dashboard form "income": the client list with the year lists, the
// practice-wide lists, the reports frame, summaries and due dates, arranged by
// the mode the host opens it in.
#include <memory>

#include "host/component.h"
#include "host/screen.h"
#include "register/client_grid.h"
#include "register/due_date_panel.h"
#include "register/summary_panel.h"

namespace meridian::reg {

enum class DashboardMode { incomeTax = 1, challans, reports, summaries, dueDates, newPan, panChange };

class IncomeForm : public host::Screen {
 public:
  explicit IncomeForm(host::Component& host);

  // Sets the mode (1 to 7) and arranges the form for it.
  void OpenForm(int mode);
  void opened(const host::OpenRequest& request) override { OpenForm(request.mode); }
  // Escape goes back, as the Back button does.
  void escape() override { goBack(); }
  int mode() const { return mode_; }
  void load() override;
  void unload() override;
  void activated() override;

  ClientGrid& clients() { return *clients_; }
  // The client on the selected row was chosen (double-click or Enter).
  void clientChosen();
  // "Y" when the user may unlock a filed return, as asked when the dashboard loaded.
  const std::string& unlockRight() const { return unlockRight_; }
  // Called by the client register after it added, changed or deleted a client.
  void reloadClients();

 private:
  void buildMainFrame();
  void buildListMenus();
  void fillYearLists();
  void openList(const std::function<void(host::PendingLists&)>& fill);
  void goBack();
  void printClientList();
  void buildRegisterButtons();
  std::string selectedCode() const;

  host::Component& host_;
  int mode_ = 1;
  bool formLoaded_ = false;
  std::string unlockRight_ = "N";
  std::unique_ptr<ClientGrid> clients_;
  std::unique_ptr<SummaryPanel> summary_;
  std::unique_ptr<DueDatePanel> dueDates_;
};

}  // namespace meridian::reg
