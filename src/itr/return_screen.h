#pragma once
// The return screen (frmitr2013): the forms that apply to the open client
// year offered as options, the refused ones with their reasons; the filing
// particulars; and Proceed, which keeps the particulars and runs the checks
// before a return is produced. Opened by the workspace with mode 2 for an
// e-return and 1 for a paper return.
#include "host/component.h"
#include "host/screen.h"
#include "itr/return_review.h"

namespace meridian::itr {

class ReturnScreen : public host::Screen {
 public:
  explicit ReturnScreen(host::Component& component);
  void opened(const host::OpenRequest& request) override;
  void unload() override;

  static std::string optionName(int index) { return "optsITRs1to4_" + std::to_string(index); }
  const std::string& formCode() const { return form_; }

 private:
  void build();
  void showForms();
  void showParticulars();
  FilingParticulars typedParticulars();
  void optionClicked(int index);
  void proceed();
  bool keep();

  host::Component& host_;
  bool electronic_ = true;
  std::string dataSet_;
  int year_ = 0;
  ReturnReview review_;
  std::string form_;
  int accepted_ = -1;
  std::vector<ReturnPreparer> preparers_;
};

}  // namespace meridian::itr
