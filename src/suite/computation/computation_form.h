#pragma once
// The computation screen "Form1": the computation of the working context's
// client year in its grid `flex` (header block, then the computation lines),
// and the commands that print it: "&Print" (`Prt`) the computation, and
// "Advance Tax &Estimation" (`mnuadvtaxest`) the same report as an advance
// tax estimation.
#include <optional>
#include <string>

#include "host/component.h"
#include "host/screen.h"
#include "suite/computation/computation_printout.h"

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

  host::Component& host_;
  std::optional<PrintoutData> data_;
};

}  // namespace meridian::suite::computation
