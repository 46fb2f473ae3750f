#include <gtest/gtest.h>

#include "suite/efile/efile_credentials.h"
#include "suite/settings_store.h"
#include "support/db_fixture.h"

namespace meridian::suite::efile {
namespace {

// Made-up credentials of the department's form.
const CredentialSet k2016{"SW12345678", "A1b2C3d4E5f6G7h", "1234"};
const CredentialSet k2015{"SW87654321", "Zz9Yy8Xx7Ww6Vv5", "0042"};

class EfileCredentialsTest : public testsupport::DbTest {};

TEST_P(EfileCredentialsTest, EachYearAnswersItsOwnSetAndOtherYearsNothing) {
  EfileCredentials credentials(conn());
  credentials.save(2016, k2016);
  credentials.save(2015, k2015);
  struct Case {
    int year;
    std::string code, answer;
  };
  for (const Case& c : std::vector<Case>{{2016, "SI", "SW12345678"},
                                         {2016, "SK", "A1b2C3d4E5f6G7h"},
                                         {2016, "IC", "1234"},
                                         {2015, "SI", "SW87654321"},
                                         {2015, "IC", "0042"},
                                         {2014, "SI", ""},
                                         {2017, "SK", ""},
                                         {2016, "XX", ""},
                                         {2016, "si", ""}}) {
    EXPECT_EQ(credentials.lookup(c.year, c.code), c.answer) << c.year << " " << c.code;
  }
  // A user's own settings of the same name do not stand in for them.
  SettingsStore(conn(), 1).save("EfileCredentials", "SI2014", "SW11111111");
  EXPECT_EQ(credentials.lookup(2014, "SI"), "");
}

TEST_P(EfileCredentialsTest, ValuesOutOfFormAreRefusedAndNothingIsStored) {
  EfileCredentials credentials(conn());
  credentials.save(2016, k2016);
  struct Case {
    CredentialSet set;
    std::string message;
  };
  const std::string badId = "The software identifier must be SW followed by 8 digits.";
  const std::string badKey = "The secret key must be 15 letters and digits.";
  const std::string badPasses = "The number of passes must be 4 digits.";
  for (const Case& c : std::vector<Case>{{{"SW1234567", k2016.secretKey, "1000"}, badId},
                                         {{"sw12345678", k2016.secretKey, "1000"}, badId},
                                         {{"SW1234567X", k2016.secretKey, "1000"}, badId},
                                         {{"SW00000001", "A1b2C3d4E5f6G7", "1000"}, badKey},
                                         {{"SW00000001", "A1b2C3d4E5f6G7h8", "1000"}, badKey},
                                         {{"SW00000001", "A1b2C3d4E5f6G7!", "1000"}, badKey},
                                         {{"SW00000001", k2016.secretKey, "100"}, badPasses},
                                         {{"SW00000001", k2016.secretKey, "1e03"}, badPasses}}) {
    try {
      credentials.save(2016, c.set);
      ADD_FAILURE() << "stored " << c.set.softwareId << " / " << c.set.secretKey << " / " << c.set.passes;
    } catch (const std::invalid_argument& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(credentials.forYear(2016).softwareId, k2016.softwareId);
  EXPECT_EQ(credentials.forYear(2016).passes, k2016.passes);
}

MERIDIAN_ON_BOTH_ENGINES(EfileCredentialsTest);

}  // namespace
}  // namespace meridian::suite::efile
