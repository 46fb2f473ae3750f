#include "itr/efile/donations_schedule.h"

#include <array>

#include "host/states.h"

namespace meridian::itr::efile {
namespace {

// The schedule's blocks in the form's order, with the names of their totals.
struct ShareBlock {
  DonationShare share;
  const char* block;
  const char* eligibleTotal;
  const char* total;
};
constexpr std::array<ShareBlock, 4> kBlocks{{
    {DonationShare::full, "Don100Percent", "TotEligibleDon100Percent", "TotDon100Percent"},
    {DonationShare::half, "Don50PercentNoApprReqd", "TotEligibleDon50Percent", "TotDon50PercentNoApprReqd"},
    {DonationShare::fullLimited, "Don100PercentApprReqd", "TotEligibleDon100PercentApprReqd", "TotDon100PercentApprReqd"},
    {DonationShare::halfLimited, "Don50PercentApprReqd", "TotEligibleDon50PercentApprReqd", "TotDon50PercentApprReqd"},
}};

bool halfShare(DonationShare s) { return s == DonationShare::half || s == DonationShare::halfLimited; }

void donee(ReturnXmlWriter& w, const DonationRow& d) {
  w.open("DoneeWithPan");
  w.text("DoneeWithPanName", d.doneeName);
  w.code("DoneePAN", d.doneePan);
  w.open("AddressDetail");
  w.text("AddrDetail", d.address);
  w.text("CityOrTownOrDistrict", d.city);
  const bool abroad = host::isStateOutsideIndia(d.state);
  w.code("StateCode", abroad ? "99" : host::stateCode(d.state));
  w.code("PinCode", d.pin);
  w.close();
  w.amount("DonationAmt", d.amount);
  w.amount("EligibleDonationAmt", eligibleDonation(d));
  w.close();
}

}  // namespace

Money eligibleDonation(const DonationRow& d) {
  const Money given = d.amount.roundedToRupee();
  return halfShare(d.share) ? given.atRate(5000).roundedToRupee() : given;
}

void writeSchedule80G(ReturnXmlWriter& w, const std::vector<DonationRow>& donations) {
  if (donations.empty()) return;
  w.open("Schedule80G");
  Money allGiven, allEligible;
  for (const ShareBlock& b : kBlocks) {
    Money given, eligible;
    bool any = false;
    for (const DonationRow& d : donations) {
      if (d.share != b.share) continue;
      if (!any) w.open(b.block);
      any = true;
      donee(w, d);
      given += d.amount.roundedToRupee();
      eligible += eligibleDonation(d);
    }
    if (!any) continue;
    w.amount(b.eligibleTotal, eligible);
    w.amount(b.total, given);
    w.close();
    allGiven += given;
    allEligible += eligible;
  }
  w.amount("TotalEligibleDonationsUs80G", allEligible);
  w.amount("TotalDonationsUs80G", allGiven);
  w.close();
}

}  // namespace meridian::itr::efile
