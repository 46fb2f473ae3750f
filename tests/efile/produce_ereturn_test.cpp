// A return made whole without a screen: the same bytes as the file writer,
// the digest of those bytes, and every way it stops told, with nothing
// written unless the file was only found invalid.
#include <gtest/gtest.h>

#include <filesystem>

#include "itr/efile/efile_digest.h"
#include "itr/efile/produce_ereturn.h"
#include "suite/atomic_file.h"
#include "suite/efile/efile_credentials.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

const suite::efile::CredentialSet kCredentials{"SW12345678", "A1b2C3d4E5f6G7h", "0003"};

// The sample's Schedule AL, on a return that otherwise has no schedules.
void withAssets(EReturnInput& in) {
  const EReturnInput full = testsupport::sampleEReturnInput({.year = 2016, .everySchedule = true});
  in.assets = full.assets;
  in.facts.assetsAndLiabilitiesGiven = true;
}

class ProduceEReturnTest : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove_all(dir_); }
  fs::path file(const std::string& name) const { return fs::path(dir_) / name; }
  std::string dir_ = testsupport::scratchDir("produce");
};

TEST_F(ProduceEReturnTest, TheFileIsTheWritersBytesWithTheirDigestInPlace) {
  for (int year : {2013, 2016}) {
    SCOPED_TRACE(year);
    const EReturnInput in = testsupport::sampleEReturnInput({.year = year, .everySchedule = true});
    const std::string asWritten = testsupport::writeEReturn(file("plain.xml"), in);
    const auto out = produceEReturn(in, file("made.xml"), kCredentials, Durability::atEndOfBatch);
    ASSERT_EQ(out.result, ProduceResult::written) << out.error;
    std::string expected = asWritten;
    if (year >= kFirstYearWithDigest) {
      EXPECT_EQ(out.digest, keyedDigest(asWritten, kCredentials.secretKey, 3));
      const size_t at = expected.find(kDigestElementWithPlaceholder);
      expected.replace(at, kDigestElementWithPlaceholder.size(), "<ITRForm:Digest>" + out.digest + "</ITRForm:Digest>");
    } else {
      EXPECT_EQ(out.digest, "");
    }
    EXPECT_EQ(suite::readWholeFile(file("made.xml")), expected);
  }
}

TEST_F(ProduceEReturnTest, EachStopIsToldAndOnlyAFinishedOrInvalidFileIsKept) {
  struct Case {
    const char* what;
    std::function<void(EReturnInput&)> change;
    suite::efile::CredentialSet credentials;
    ProduceResult result;
    std::string errorPart;
    bool fileKept;
  };
  const std::vector<Case> cases = {
      {"a PAN out of form", [](EReturnInput& in) { in.client.pan = "ABC"; }, kCredentials, ProduceResult::invalid,
       "ITRForm:PAN", true},
      {"no credentials for the year", {}, {}, ProduceResult::failed,
       "no e-filing credentials are configured for A.Y. 2016-17", false},
      {"a pass count that is no number", {}, {"SW12345678", "A1b2C3d4E5f6G7h", "12x4"}, ProduceResult::failed,
       "is not a number", false},
      {"no schema for the year", [](EReturnInput& in) { in.year = 2017; }, kCredentials, ProduceResult::notValidated,
       "Could not validate File.", false},
      // The year's schema requires the primary account: a Yes to "Continue
      // without Bank Details ?" cannot make a file the department takes.
      {"no bank account from A.Y. 2015-16", [](EReturnInput& in) { in.filing.bankAccounts.clear(); }, kCredentials,
       ProduceResult::refused, "cannot be written without bank details", false},
      {"bank accounts none of them the default",
       [](EReturnInput& in) { in.filing.bankAccounts.front().isDefault = false; }, kCredentials,
       ProduceResult::refused, "mark the default account", false},
      // Schedule AL (the sample's everySchedule gives it; here on the plain
      // sample): the listed assets must add up to the land and building.
      {"immovable assets that do not add up to the land and building",
       [](EReturnInput& in) {
         withAssets(in);
         in.assets.immovableTotal = Money::rupees(5100001);
       },
       kCredentials, ProduceResult::refused, "come to Rs. 51,00,000, but land and building are entered as Rs. 51,00,001.",
       false},
      {"land and building without the assets listed",
       [](EReturnInput& in) {
         withAssets(in);
         in.assets.immovables.clear();
       },
       kCredentials, ProduceResult::refused, "come to Rs. 0, but", false},
      {"an immovable asset without its city",
       [](EReturnInput& in) {
         withAssets(in);
         in.assets.immovables.back().city.clear();
       },
       kCredentials, ProduceResult::refused, "immovable asset 2 needs its flat or door number", false},
      {"an immovable asset abroad",
       [](EReturnInput& in) {
         withAssets(in);
         in.assets.immovables.front().stateCode = "99";
       },
       kCredentials, ProduceResult::refused, "immovable asset 1 is outside India", false},
      {"assets that do not add up but are not marked as given are not filed, so not refused",
       [](EReturnInput& in) {
         withAssets(in);
         in.assets.immovables.clear();
         in.facts.assetsAndLiabilitiesGiven = false;
       },
       kCredentials, ProduceResult::written, "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EReturnInput in = testsupport::sampleEReturnInput({.year = 2016});
    if (c.change) c.change(in);
    fs::remove(file("r.xml"));
    const auto out = produceEReturn(in, file("r.xml"), c.credentials);
    EXPECT_EQ(out.result, c.result);
    EXPECT_NE(out.error.find(c.errorPart), std::string::npos) << out.error;
    EXPECT_EQ(fs::exists(file("r.xml")), c.fileKept);
    // A file kept for its faults is not one to file: it carries no digest.
    if (c.result == ProduceResult::invalid) {
      EXPECT_EQ(out.digest, "");
      EXPECT_NE(suite::readWholeFile(file("r.xml")).find(kDigestElementWithPlaceholder), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace meridian::itr::efile
