#pragma once
// The host's screen of a client's bank accounts or credit cards for one year
// (BankCCDet): one row per account or card, one of them the default, saved
// whole in one transaction. The caller learns when the user leaves it.
#include <functional>
#include <string>

#include "host/base.h"
#include "host/screen.h"

namespace meridian::suite {

class BankCardForm : public host::Screen {
 public:
  // kind "B" bank accounts (bank_details), "C" credit cards (credit_details).
  BankCardForm(host::Base& base, std::string kind, std::string code, int year, std::function<void()> closed);
  void load() override;
  void unload() override;
  void escape() override;

 private:
  struct Column {
    const char* title;
    const char* column;
  };
  const std::vector<Column>& columns() const;
  bool cards() const { return kind_ == "C"; }
  const char* table() const { return cards() ? "credit_details" : "bank_details"; }
  const char* defaultColumn() const { return cards() ? "defcc" : "defbank"; }
  void fill();
  bool save();
  void clearAll();
  // The rows typed, blank ones left out; nothing after telling the user what is wrong.
  std::optional<std::vector<std::vector<std::string>>> checkedRows();

  std::string kind_, code_;
  int year_;
  std::function<void()> closed_;
};

}  // namespace meridian::suite
