#include "itr/efile/stored_filing_facts.h"

namespace meridian::itr::efile {

FilingFacts defaultFilingFacts(const host::ClientParticulars& client, const std::string& today) {
  FilingFacts f;
  f.sectionCode = "11";
  f.refundToBank = true;
  f.verifierName = client.name();
  f.verifierFatherName = client.fatherName();
  f.verifierPan = client.pan;
  f.place = client.address.city;
  f.verificationDate = today;
  return f;
}

}  // namespace meridian::itr::efile
