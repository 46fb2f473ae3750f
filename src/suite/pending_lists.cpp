#include "suite/pending_lists.h"

#include <array>

#include "db/connection.h"

namespace meridian::suite {
namespace {

const std::vector<std::string> kClientColumns = {"Code", "Name", "Status", "PAN"};

// Every client (non-individuals and individuals) with the columns the lists show.
constexpr const char* kAllClients =
    "SELECT code_no AS code, nm AS name, status, pan, ward, ward_no, '' AS auditc, '' AS nation FROM main_info1 "
    "UNION ALL SELECT code, TRIM(REPLACE(f_nm || ' ' || m_nm || ' ' || l_nm, '  ', ' ')), status, pan, ward, ward_no, auditc, nation "
    "FROM owner1 WHERE code_no = '' OR code_no IS NULL";

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
  const std::string where = index == 0 ? "auditc IN ('Y', '1')" : "nation IN ('NON RESIDENT', 'NOT ORDINARY')";
  std::vector<std::vector<std::string>> rows;
  for (const auto& r : conn_.query(std::string("SELECT code, name, status, pan FROM (") + kAllClients + ") c WHERE " +
                                   where + " ORDER BY name"))
    rows.push_back({r.text("code"), r.text("name"), r.text("status"), r.text("pan")});
  form_->fill(index == 0 ? "Clients covered under Audit" : "Non-Resident Clients", kClientColumns, rows);
}

void PendingListsImpl::FillWard() {
  std::vector<std::vector<std::string>> rows;
  for (const auto& r : conn_.query(std::string("SELECT code, name, status, pan, ward, ward_no FROM (") + kAllClients +
                                   ") c ORDER BY ward, ward_no, name"))
    rows.push_back({r.text("code"), r.text("name"), r.text("status"), r.text("pan"), r.text("ward"), r.text("ward_no")});
  form_->fill("Ward No.", {"Code", "Name", "Status", "PAN", "Ward", "Ward No."}, rows);
}

}  // namespace meridian::suite
