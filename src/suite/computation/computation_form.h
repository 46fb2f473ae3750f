#pragma once
// The computation screen "Form1": the computation of the working context's
// client year in its grid `flex` (header block, then the computation lines),
// and the commands that print it: "&Print" (`Prt`) the computation, and
// "Advance Tax &Estimation" (`mnuadvtaxest`) the same report as an advance
// tax estimation. Further commands: the set-off of unabsorbed depreciation
// (`mnuundepr`) on a panel of its own, the self-assessment challan
// (`mnuprepSACh`), and the relief statements (`rel`, `relfam`) and the
// fringe-benefit-tax computation (`mnufbtcomp`), which say that they are not
// available while their forms are not part of the module.
#include <optional>
#include <string>

#include "host/component.h"
#include "host/screen.h"
#include "suite/computation/computation_printout.h"
#include "suite/computation/undepr_setoff.h"

namespace meridian::suite::computation {

class ComputationForm : public host::Screen {
 public:
  explicit ComputationForm(host::Component& host);
  void load() override;
  void unload() override;

  const std::optional<PrintoutData>& data() const { return data_; }

 private:
  void compute();
  void print(PrintMode mode);
  void escape() override;

  void buildUndeprPanel();
  void openUndeprPanel();
  void showUndepr();
  void undeprEdited(const ui::Event& e);
  void acceptUndepr();
  void prepareSelfAssessmentChallan();

  std::string dataSet() const;

  host::Component& host_;
  std::optional<PrintoutData> data_;
  UndeprEntry undepr_;
};

}  // namespace meridian::suite::computation
