// The keyed digest against values computed without this program: RFC 4231's
// HMAC-SHA256 vectors, and the extra passes worked with the openssl command.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "itr/efile/efile_digest.h"
#include "suite/atomic_file.h"
#include "support/db_fixture.h"
#include "support/sample_returns.h"

namespace meridian::itr::efile {
namespace {

namespace fs = std::filesystem;

TEST(KeyedDigest, MatchesVectorsComputedIndependently) {
  struct Case {
    std::string key, data;
    int passes;
    std::string base64;
  };
  const std::string jefe = "what do ya want for nothing?";
  const std::vector<Case> cases = {
      // RFC 4231 test case 1: b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7
      {std::string(20, '\x0b'), "Hi There", 0, "sDRMYdjbOFNcqK/OrwvxK4gdwgDJgz2nJuk3bC4yz/c="},
      // RFC 4231 test case 2: 5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843
      {"Jefe", jefe, 0, "W9zBRr9gdU5qBCQmCJV1x1oAPwidJzmDnexYuWTsOEM="},
      // printf '%s' "$D" | openssl dgst -sha256 -hmac Jefe -binary
      //   | openssl dgst -sha256 -hmac Jefe -binary | base64
      {"Jefe", jefe, 1, "ufj1DLogd1uQrUjII6GhQtOUEAvp8+J6xrqiu6iRQTU="},
      // ... with the second openssl step twice
      {"Jefe", jefe, 2, "bqf2dIsg2slurxbiH43iaFM5NevFXbuxg2qkr0CMgyg="},
      // h=$(mktemp); printf '%s' "$D" | openssl dgst -sha256 -hmac Jefe -binary > $h
      // for i in $(seq 1 1000); do openssl dgst -sha256 -hmac Jefe -binary < $h > $h.n; mv $h.n $h; done; base64 < $h
      {"Jefe", jefe, 1000, "XMN/A5UQl9r/F1c6gFJU7g8eQfDpHJfSfmWLeF1xWmc="},
      // The same loop with a key of the credentials' form and 1234 passes.
      {"A1b2C3d4E5f6G7h", jefe, 1234, "RvY7DbXgRm9jntL0tydxzNl0qRPs5OT3KWqIC/6oMsM="},
  };
  for (const Case& c : cases) EXPECT_EQ(keyedDigest(c.data, c.key, c.passes), c.base64) << c.passes;
  // The context keyed for one key is kept for the next digest: backwards,
  // each key follows another again, and a key comes back after a change.
  for (auto c = cases.rbegin(); c != cases.rend(); ++c)
    EXPECT_EQ(keyedDigest(c->data, c->key, c->passes), c->base64) << "again, " << c->passes;
}

class DigestPlacementTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testsupport::scratchDir("digest");
    original_ = testsupport::writeSampleReturn(file(), {.year = 2016});
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path file() const { return fs::path(dir_) / "ITR1.xml"; }

  std::string dir_;
  std::string original_;
};

// The digest of the file by the openssl command, the passes run in the shell.
std::string digestByOpenssl(const fs::path& file, const std::string& key, int passes) {
  const std::string h = file.string() + ".h";
  std::string command = "openssl dgst -sha256 -hmac '" + key + "' -binary < '" + file.string() + "' > '" + h + "'";
  for (int i = 0; i < passes; ++i)
    command += " && openssl dgst -sha256 -hmac '" + key + "' -binary < '" + h + "' > '" + h + ".n' && mv '" + h +
               ".n' '" + h + "'";
  command += " && base64 < '" + h + "'";
  FILE* pipe = ::popen(command.c_str(), "r");
  char out[128] = {};
  const bool read = pipe && std::fgets(out, sizeof out, pipe);
  if (pipe) ::pclose(pipe);
  std::string text = read ? out : "";
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

TEST_F(DigestPlacementTest, TheDigestOfTheFileAsWrittenTakesThePlaceOfTheHyphenAndNothingElseChanges) {
  ASSERT_EQ(std::system("command -v openssl >/dev/null"), 0) << "the openssl command is missing (scripts/setup installs it)";
  const std::string expected = digestByOpenssl(file(), "A1b2C3d4E5f6G7h", 3);
  ASSERT_EQ(expected.size(), 44u);

  const DigestPlacement placed = placeDigest(file(), "A1b2C3d4E5f6G7h", "0003");
  ASSERT_TRUE(placed.succeeded) << placed.error;
  EXPECT_EQ(placed.digest, expected);
  EXPECT_EQ(placed.placeholders, 1);

  std::string restored = suite::readWholeFile(file());
  const std::string element = "<ITRForm:Digest>" + expected + "</ITRForm:Digest>";
  const size_t at = restored.find(element);
  ASSERT_NE(at, std::string::npos);
  restored.replace(at, element.size(), kDigestElementWithPlaceholder);
  EXPECT_EQ(restored, original_);
}

TEST_F(DigestPlacementTest, EveryPlaceholderIsReplacedAndAFileWithoutOneIsLeftAlone) {
  std::string twice = original_ + std::string(kDigestElementWithPlaceholder) + "\n";
  suite::writeFileAtomically(file(), twice);
  const DigestPlacement both = placeDigest(file(), "A1b2C3d4E5f6G7h", "0010");
  ASSERT_TRUE(both.succeeded);
  EXPECT_EQ(both.placeholders, 2);
  EXPECT_EQ(suite::readWholeFile(file()).find(kDigestElementWithPlaceholder), std::string::npos);

  const std::string placedOnce = suite::readWholeFile(file());
  const DigestPlacement again = placeDigest(file(), "A1b2C3d4E5f6G7h", "0010");
  EXPECT_TRUE(again.succeeded);
  EXPECT_EQ(again.placeholders, 0);
  EXPECT_EQ(suite::readWholeFile(file()), placedOnce);
}

TEST_F(DigestPlacementTest, AFailedPlacementLeavesTheFileAsItWas) {
  struct Case {
    const char* what;
    std::string key, passes;
    std::string errorPart;
  };
  for (const Case& c : std::vector<Case>{{"no key", "", "0003", "no digest key"},
                                         {"no passes", "A1b2C3d4E5f6G7h", "", "number of passes"},
                                         {"passes not a number", "A1b2C3d4E5f6G7h", "12a4", "\"12a4\" is not a number"}}) {
    SCOPED_TRACE(c.what);
    const DigestPlacement r = placeDigest(file(), c.key, c.passes);
    EXPECT_FALSE(r.succeeded);
    EXPECT_NE(r.error.find(c.errorPart), std::string::npos) << r.error;
    EXPECT_EQ(suite::readWholeFile(file()), original_);
  }
  const DigestPlacement missing = placeDigest(fs::path(dir_) / "gone.xml", "A1b2C3d4E5f6G7h", "0003");
  EXPECT_FALSE(missing.succeeded);
  EXPECT_NE(missing.error.find("gone.xml"), std::string::npos);
  EXPECT_FALSE(fs::exists(fs::path(dir_) / "gone.xml"));
  // Nothing but the return is left in the folder: no side file of a rewrite.
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace meridian::itr::efile
