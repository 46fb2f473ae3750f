// Where the signature block takes the place of signing and the signer from,
// and how it stays within the page.
#include <gtest/gtest.h>

#include "suite/computation/signature_block.h"
#include "suite/report/utf8_text.h"

namespace meridian::suite::computation {
namespace {

struct PlaceCase {
  const char* kept;          // MiscSignDet's place
  const char* commonPlace;   // PLACE
  bool cityAsPlace;          // CityAsPlace
  const char* expected;      // the "Place : " line, "" for none
};

TEST(SignatureBlock, PlaceOfSigningFollowsTheKeptChoice) {
  const PlaceCase cases[] = {
      {"##CITY##", "PUNE", false, "Place : MYSURU"},
      {"##COMMON##", "PUNE", false, "Place : PUNE"},
      {"##COMMON##", "PUNE", true, "Place : MYSURU"},
      {"", "", false, ""},
      {"HUBBALLI", "PUNE", true, "Place : HUBBALLI"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kept);
    PrintoutData d;
    d.client.person = false;  // no name falls back to the client's
    d.client.communicationCity = "MYSURU";
    d.signer.place = c.kept;
    PrintoutOptions o;
    o.commonPlace = c.commonPlace;
    o.cityAsPlace = c.cityAsPlace;
    const auto lines = signatureLines(d, o);
    EXPECT_EQ(lines.empty() ? "" : lines.front(), std::string(c.expected));
  }
}

TEST(SignatureBlock, OnlyAnIndividualSignsUnderHisOwnNameWhenNoSignerIsKept) {
  PrintoutOptions o;
  o.signerName = true;
  PrintoutData d;
  d.client.name = "ANITA RAO";
  d.client.person = true;
  EXPECT_EQ(signatureLines(d, o), std::vector<std::string>{std::string(46, ' ') + "(ANITA RAO)"});
  d.client.person = false;
  EXPECT_TRUE(signatureLines(d, o).empty());
}

TEST(SignatureBlock, ALongDesignationStaysWithinThePage) {
  PrintoutOptions o;
  o.signerDesignation = true;
  PrintoutData d;
  d.signer.capacity = "PRINCIPAL OFFICER AND AUTHORISED SIGNATORY UNDER SECTION 140(c)";
  const auto lines = signatureLines(d, o);
  ASSERT_GT(lines.size(), 1u);
  for (const auto& l : lines) EXPECT_LE(report::columnCount(l), 78) << l;
}

}  // namespace
}  // namespace meridian::suite::computation
