#include <gtest/gtest.h>

#include "client/client_info_form.h"
#include "suite/client_register.h"
#include "suite/data_folder.h"
#include "suite/demo_practice.h"
#include "support/session_fixture.h"

namespace meridian {
namespace {

using testsupport::SessionTest;

class DemoRoundTrip : public SessionTest {
 protected:
  std::map<std::string, std::vector<std::string>> everyTable() {
    std::map<std::string, std::vector<std::string>> out;
    for (const auto& t : conn().tables()) out[t] = database().dump(t);
    return out;
  }
};

// Opening each client of the demo on the client register and on General
// Information and saving without an edit changes no byte of any table: a
// stored spelling the lists do not use, a blank the screen shows as a
// default, a value nobody touched are never rewritten.
TEST_P(DemoRoundTrip, SavingEachClientWithoutAnEditChangesNothing) {
  // Three rounds of the twelve kinds of non-individual clients, with their partners.
  suite::seedDemoPractice(conn(), suite::DataFolder::open(testsupport::scratchDir("demo-round-trip")), {.clients = 36});
  auto clerk = signIn(makeUser("clerk"));
  auto& comp = clerk.session->component();
  for (int i = 0; i < 5000; ++i) clerk.dialogs->answer(ui::Answer::yes);  // every question: go on, write the master too
  const auto before = everyTable();

  std::vector<std::string> codes;
  for (const auto& r : conn().query("SELECT codeno FROM tempcltbl ORDER BY codeno")) codes.push_back(r.text(0));
  ASSERT_GT(codes.size(), 36u);
  for (const auto& code : codes) {
    SCOPED_TRACE(code);
    auto reg = std::dynamic_pointer_cast<suite::ClientRegisterForm>(comp.open("frmclreg", {.code = code}));
    ASSERT_TRUE(reg);
    EXPECT_TRUE(reg->save());
    comp.desktop().close(*reg);
    for (int year : {2016, 2017}) {
      comp.clientCtx().vT_Code_No = code;
      comp.clientCtx().vt_RTCode_No = code;
      comp.clientCtx().vT_Year = year;
      comp.returnCtx().Vt_ASS_YEAR = std::to_string(year) + "-" + std::to_string((year + 1) % 100);
      auto info = std::make_shared<client::ClientInfoForm>(comp);
      comp.showMaximised(info);
      EXPECT_TRUE(info->save()) << year;
      comp.desktop().close(*info);
    }
  }
  for (const auto& s : clerk.dialogs->shown())
    EXPECT_NE(s.message.buttons, ui::Buttons::ok) << "the demo's values pass every check: " << s.message.text;

  const auto after = everyTable();
  for (const auto& [table, rows] : before) EXPECT_EQ(after.at(table), rows) << table;
}

MERIDIAN_ON_BOTH_ENGINES(DemoRoundTrip);

}  // namespace
}  // namespace meridian
