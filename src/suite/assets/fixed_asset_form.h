#pragma once
// ObjNewFATR: the fixed-asset chart of the year (dep_itr_it). Each item is
// entered with its block and rate, its written-down value at the start of
// the year, its additions (put to use for 180 days or more, or for less) and
// its sales; the blocks below show the depreciation u/s 32(1)(ii) as each
// edit is accepted, and any item in a block or at a rate the Rules do not
// give, which no schedule takes.
#include "suite/heads/head_screen.h"

namespace meridian::suite::assets {

class FixedAssetForm : public heads::HeadScreen {
 public:
  explicit FixedAssetForm(host::Component& component);

  static constexpr const char* chart = "vsfDepChart";
  static constexpr const char* blocks = "vsfDepBlocks";

 protected:
  void readYear(db::Connection& conn) override;
  bool checkYear() override;
  void writeYear(db::Connection& conn) override;
  void refresh() override;

 private:
  heads::RowGrid* chart_;
};

}  // namespace meridian::suite::assets
