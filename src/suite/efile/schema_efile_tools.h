#pragma once
// The e-filing tools as this suite supplies them: ValidFile checks the file
// with libxml2 against the shipped schema of its form and year and shows the
// faults it finds in one message box.
#include "host/efile_tools.h"

namespace meridian::ui { class Dialogs; }

namespace meridian::suite::efile {

class SchemaEfileTools : public host::EfileTools {
 public:
  explicit SchemaEfileTools(ui::Dialogs& dialogs) : dialogs_(dialogs) {}
  int ValidFile(const std::string& formCode, const std::string& path, std::string& resultText, int year) override;

 private:
  ui::Dialogs& dialogs_;
};

// Faults listed in the message box; the rest are counted ("... and 12 more").
inline constexpr int kIssuesShown = 25;

}  // namespace meridian::suite::efile
