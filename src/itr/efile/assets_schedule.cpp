#include "itr/efile/assets_schedule.h"

namespace meridian::itr::efile {

void writeScheduleAL(ReturnXmlWriter& w, const AssetsStatement& a) {
  w.open("ScheduleAL");
  for (const ImmovableAssetRow& row : a.immovables) {
    w.open("ImmovableDetails");
    w.text("Description", row.description);
    w.open("AddressAL");
    w.text("ResidenceNo", row.flatDoor);
    w.textIfAny("ResidenceName", row.premises);
    w.textIfAny("RoadOrStreet", row.road);
    w.text("LocalityOrArea", row.area);
    w.text("CityOrTownOrDistrict", row.city);
    w.code("StateCode", row.stateCode);
    w.code("CountryCode", "91");  // assets abroad are refused before writing
    w.codeIfAny("PinCode", row.pin);
    w.close();
    w.amount("Amount", row.amount);
    w.close();
  }
  w.open("MovableAsset");
  w.amount("DepositsInBank", a.bankDeposits);
  w.amount("SharesAndSecurities", a.shares);
  w.amount("InsurancePolicies", a.insurance);
  w.amount("LoansAndAdvancesGiven", a.loansGiven);
  w.amount("CashInHand", a.cashInHand);
  w.amount("JewelleryBullionEtc", a.jewellery);
  w.amount("ArchCollDrawPaintSulpArt", a.artWork);
  w.amount("VehiclYachtsBoatsAircrafts", a.vehicles);
  w.close();
  w.amount("LiabilityInRelatAssets", a.liability);
  w.close();
}

std::string assetsStatementFault(const AssetsStatement& a) {
  Money listed;
  for (size_t i = 0; i < a.immovables.size(); ++i) {
    const ImmovableAssetRow& row = a.immovables[i];
    const std::string which = "Schedule AL: immovable asset " + std::to_string(i + 1);
    if (row.description.empty()) return which + " has no description.";
    if (row.flatDoor.empty() || row.area.empty() || row.city.empty() || row.stateCode.empty())
      return which + " needs its flat or door number, area, city and state.";
    // A person holding an asset abroad files neither ITR-1 nor ITR-4S.
    if (row.stateCode == "99") return which + " is outside India, which ITR-1 and ITR-4S do not provide for.";
    listed += row.amount.roundedToRupee();
  }
  if (listed != a.immovableTotal.roundedToRupee())
    return "Schedule AL: the immovable assets listed by description and address come to Rs. " + listed.groupedRupees() +
           ", but land and building are entered as Rs. " + a.immovableTotal.roundedToRupee().groupedRupees() +
           ". Please list each immovable asset with its description and address in 'General Information' so that "
           "they add up.";
  return "";
}

}  // namespace meridian::itr::efile
