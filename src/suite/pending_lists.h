#pragma once
// ObjPending of the utilities module: practice-wide lists (assessment
// orders, PAN and TAN applications, refunds, audit and non-resident clients,
// ward numbers) in one list screen.
#include <memory>

#include "host/contexts.h"
#include "host/siblings.h"
#include "ui/form.h"

namespace meridian::db { class Connection; }

namespace meridian::suite {

class PendingListForm : public ui::Form {
 public:
  PendingListForm();
  void fill(const std::string& title, const std::vector<std::string>& columns,
            const std::vector<std::vector<std::string>>& rows);
};

class PendingListsImpl : public host::PendingLists {
 public:
  PendingListsImpl(db::Connection& conn, host::ClientContext& client);
  std::shared_ptr<ui::Form> form() override { return form_; }
  void FillAsOrder(int selector) override;
  void FillPAN(int selector) override;
  void FillTAN(int selector) override;
  void FillRefund(int selector) override;
  void FillMiscReps(int index) override;
  void FillWard() override;

 private:
  // A list whose register this installation does not hold yet: its title, no rows.
  void titleOnly(const std::string& title);
  db::Connection& conn_;
  host::ClientContext& client_;
  std::shared_ptr<PendingListForm> form_;
};

}  // namespace meridian::suite
