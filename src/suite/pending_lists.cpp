#include "suite/pending_lists.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "db/connection.h"
#include "host/client_particulars.h"

namespace meridian::suite {
namespace {

const std::vector<std::string> kClientColumns = {"Code", "Name", "Status", "PAN"};

struct ListedClient {
  host::ClientParticulars particulars;
  bool audited = false;
};

// Every client: the non-individuals, and the persons not linked to another client.
std::vector<ListedClient> allClients(db::Connection& conn) {
  std::vector<ListedClient> out;
  for (const auto& r : conn.query("SELECT * FROM main_info1")) out.push_back({host::ClientParticulars::fromMaster(r, false)});
  for (const auto& r : conn.query("SELECT * FROM owner1 WHERE code_no = '' OR code_no IS NULL")) {
    const std::string audit = r.text("auditc");
    out.push_back({host::ClientParticulars::fromMaster(r, true), audit == "Y" || audit == "1"});
  }
  return out;
}

std::vector<std::string> listRow(const host::ClientParticulars& c) { return {c.code, c.name(), c.status, c.pan}; }

}  // namespace

PendingListForm::PendingListForm() : ui::Form("ObjPending", "Lists") {
  add(ui::ControlKind::label, "lblTitle");
  addGrid("vsfList");
  add(ui::ControlKind::label, "lblCount");
  add(ui::ControlKind::button, "cmdBack", "&Back");
  on("cmdBack", ui::EventType::click, [this](ui::Event&) { desktop()->close(*this); });
}

void PendingListForm::fill(const std::string& title, const std::vector<std::string>& columns,
                           const std::vector<std::vector<std::string>>& rows) {
  caption = title;
  (*this)["lblTitle"].caption = title;
  ui::Grid& g = grid("vsfList");
  g.setColumns(columns);
  g.rows = rows;
  g.selectedRow = rows.empty() ? -1 : 0;
  (*this)["lblCount"].caption = "No. of Records : " + std::to_string(rows.size());
}

PendingListsImpl::PendingListsImpl(db::Connection& conn, host::ClientContext& client)
    : conn_(conn), client_(client), form_(std::make_shared<PendingListForm>()) {}

void PendingListsImpl::titleOnly(const std::string& title) { form_->fill(title, kClientColumns, {}); }

void PendingListsImpl::FillAsOrder(int selector) {
  titleOnly(selector == 0 ? "Assessment Orders Pending" : "Assessment Orders Received");
}

void PendingListsImpl::FillPAN(int selector) {
  static const std::array<const char*, 3> titles = {"PAN Applications : All", "PAN Applications : Pending",
                                                    "PAN Applications : Alloted"};
  titleOnly(titles.at(static_cast<size_t>(selector)));
}

void PendingListsImpl::FillTAN(int selector) {
  static const std::array<const char*, 3> titles = {"TAN Applications : All", "TAN Applications : Pending",
                                                    "TAN Applications : Alloted"};
  titleOnly(titles.at(static_cast<size_t>(selector)));
}

void PendingListsImpl::FillRefund(int selector) {
  static const std::array<const char*, 4> titles = {"Refunds Pending : For All Years", "Refunds Received : For All Years",
                                                    "Refunds Pending : For Selected Year",
                                                    "Refunds Received : For Selected Year"};
  std::string title = titles.at(static_cast<size_t>(selector));
  if (selector >= 2) title += " " + std::to_string(client_.vT_Year.get());
  titleOnly(title);
}

void PendingListsImpl::FillMiscReps(int index) {
  std::vector<std::vector<std::string>> rows;
  for (const auto& [c, audited] : allClients(conn_)) {
    const bool nonResident = c.residentialStatus == "NON RESIDENT" || c.residentialStatus == "NOT ORDINARY";
    if (index == 0 ? audited : nonResident) rows.push_back(listRow(c));
  }
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a[1] < b[1]; });
  form_->fill(index == 0 ? "Clients covered under Audit" : "Non-Resident Clients", kClientColumns, rows);
}

void PendingListsImpl::FillWard() {
  std::vector<std::vector<std::string>> rows;
  for (const auto& [c, audited] : allClients(conn_)) {
    auto row = listRow(c);
    row.insert(row.end(), {c.ward, c.wardNo});
    rows.push_back(std::move(row));
  }
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return std::tie(a[4], a[5], a[1]) < std::tie(b[4], b[5], b[1]);
  });
  form_->fill("Ward No.", {"Code", "Name", "Status", "PAN", "Ward", "Ward No."}, rows);
}

}  // namespace meridian::suite
