#include "suite/computation/printout_options.h"

#include <algorithm>
#include <cstdlib>

namespace meridian::suite::computation {
namespace {

std::string fallbackOf(const std::string& key) {
  for (const auto& k : presentationKeys())
    if (key == k.key) return k.fallback;
  return "0";
}

}  // namespace

const std::vector<SettingKey>& presentationKeys() {
  static const std::vector<SettingKey> keys = {
      {"AutoComp", "1"},  {"WTLiab", "0"},        {"PrevFig", "0"},      {"Print2D", "0"},    {"CompPrn", "0"},
      {"NSCDet", "0"},    {"KVPDet", "0"},        {"CapStmt", "0"},      {"ShowSlab", "0"},   {"TDSTCSDET", "0"},
      {"TDSTCSDEDADD", "0"}, {"GTOPT", "0"},      {"CompBorder", "0"},   {"CompAnnex", "0"},  {"CompBnkBrAddr", "0"},
      {"CompOth0", "0"},  {"CompOth1", "0"},      {"CompOth2", "0"},     {"CompOth3", "0"},   {"CompOth4", "0"},
      {"CompOth5", "0"},  {"CompOth6", "0"},      {"CompOth7", "0"},     {"CompOth8", "0"},   {"CompOth9", "0"},
      {"CompOth10", "0"}, {"CompOth11", "0"},     {"GroupCode", "0"},    {"GroupName", "0"},  {"Dec277A", "0"},
      {"C80Det", "0"},    {"Haan", "0"},          {"ShowClCode", "0"},   {"PLACE", ""},       {"CityAsPlace", "0"},
      {"FootNm", "1"},    {"FootNmT", "0"},       {"FootAdd", "0"},      {"FootOff", "0"},    {"FootRes", "0"},
      {"FootMob", "0"},   {"FootFP", "0"},        {"FootCd", "1"},       {"FootClNm", "1"},   {"FootAY", "1"},
      {"FootPG", "1"},    {"FootDH", "0"},
  };
  return keys;
}

PrintoutOptions PrintoutOptions::read(const SettingReader& setting) {
  const auto value = [&](const char* key) {
    std::string v = setting(key);
    return v.empty() ? fallbackOf(key) : v;
  };
  const auto on = [&](const char* key) { return value(key) == "1"; };
  PrintoutOptions o;
  o.borders = on("CompBorder");
  o.caseStyle = std::atoi(value("CompPrn").c_str());
  o.bankAccounts = on("CompOth0");
  o.allBankAccounts = on("CompOth1");
  o.branchApart = on("CompBnkBrAddr");
  o.groupCode = on("GroupCode");
  o.groupName = on("GroupName");
  o.returnIncome = on("CompOth2");
  o.receiptNo = on("CompOth3");
  o.wardNo = on("CompOth4");
  o.returnDate = on("CompOth5");
  o.grossTotalLayout = std::clamp(std::atoi(value("GTOPT").c_str()), 0, 3);
  o.capitalGains = on("CapStmt");
  o.showSlab = on("ShowSlab");
  o.taxesPaid = on("TDSTCSDET");
  o.deductorAddress = on("TDSTCSDEDADD");
  o.declaration = on("Dec277A");
  o.annexures = on("CompAnnex");
  o.kvpDetails = on("KVPDet");
  o.nscDetails = on("NSCDet");
  o.profitAndLoss = on("CompOth6");
  o.balanceSheet = on("CompOth7");
  o.assetsAndLiabilities = on("CompOth11");
  o.separateAnnexure = on("CompOth8");
  o.signerDesignation = on("CompOth9");
  o.signerName = on("CompOth10");
  o.commonPlace = value("PLACE");
  o.cityAsPlace = on("CityAsPlace");
  o.footName = on("FootNm");
  o.footNameTitle = on("FootNmT");
  o.footAddress = on("FootAdd");
  o.footOffice = on("FootOff");
  o.footResidence = on("FootRes");
  o.footMobile = on("FootMob");
  o.footFirstPage = on("FootFP");
  o.footCode = on("FootCd");
  o.footClient = on("FootClNm");
  o.footYear = on("FootAY");
  o.footPage = on("FootPG");
  o.footAtHead = on("FootDH");
  return o;
}

}  // namespace meridian::suite::computation
