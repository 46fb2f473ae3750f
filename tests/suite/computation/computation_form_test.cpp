// The computation screen opened on a client's year: the engine's grid shown,
// the computation and the estimation printed through the report writer, a
// year that can not be computed told in words.
#include <gtest/gtest.h>

#include "suite/computation/computation_form.h"
#include "suite/heads/demo_heads.h"
#include "support/session_fixture.h"

namespace meridian::suite::computation {
namespace {

class ComputationScreen : public testsupport::PracticeTest {
 protected:
  ComputationForm& open(const std::string& code) {
    comp().clientCtx().vT_Code_No = code;
    comp().clientCtx().vt_RTCode_No = code;
    comp().clientCtx().vT_Year = 2016;
    auto s = comp().open("Form1");
    form_ = dynamic_cast<ComputationForm*>(s.get());
    EXPECT_NE(form_, nullptr);
    return *form_;
  }
  void click(const std::string& control) {
    ui::Event e{control, ui::EventType::click};
    ASSERT_TRUE(form_->dispatch(e)) << control;
  }
  ComputationForm* form_ = nullptr;
};

TEST_P(ComputationScreen, ShowsTheComputedYearAndPrintsItAndItsEstimation) {
  {
    auto tx = conn().begin();
    heads::seedDemoHeads(conn());
    tx.commit();
  }
  auto& f = open("C0801");
  const auto& rows = f.grid("flex").rows;
  const auto row = [&](const std::string& caption) {
    for (const auto& r : rows)
      if (r[0] == caption) return r;
    return std::vector<std::string>{};
  };
  EXPECT_EQ(row("GROSS TOTAL INCOME").at(2), "1026800.00");
  EXPECT_EQ(row("TOTAL INCOME (Rounded off u/s 288A)").at(2), "849600.00");
  EXPECT_EQ(comp().base().ObjForm1.get(), form_) << "handed to the host while open";

  for (const char* command : {"Prt", "mnuadvtaxest"}) {
    comp().desktop().pendingPreviews.clear();
    click(command);
    EXPECT_EQ(comp().desktop().pendingPreviews.size(), 1u) << command;
    EXPECT_FALSE(comp().base().vFlagInProcess.get());
  }
  form_->close();
  EXPECT_EQ(comp().base().ObjForm1.get(), nullptr);
}

TEST_P(ComputationScreen, AYearThatCanNotBeComputedIsToldAndNothingPrints) {
  open("NOSUCH");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"The year can not be computed: no client \"NOSUCH\"."});
  comp().desktop().pendingPreviews.clear();
  dialogs().clear();
  click("Prt");
  EXPECT_EQ(dialogs().texts(), std::vector<std::string>{"There is no computation to print."});
  EXPECT_TRUE(comp().desktop().pendingPreviews.empty());
}

MERIDIAN_ON_BOTH_ENGINES(ComputationScreen);

}  // namespace
}  // namespace meridian::suite::computation
