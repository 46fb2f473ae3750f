#include "suite/efile/schema_efile_tools.h"

#include "common/years.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/efile/schema_validator.h"
#include "ui/dialogs.h"

namespace meridian::suite::efile {

int SchemaEfileTools::ValidFile(const std::string& formCode, const std::string& path, std::string& resultText,
                                int year) {
  const std::string ay = assessmentYearText(year);
  const auto root = rootSchemaFor(year, formCode);
  if (!root) {
    resultText = "No schema is kept for " + formCode + " of A.Y. " + ay + ".";
    return kNotValidated;
  }
  const ValidationReport report = validateFileAgainst(*root, path);
  if (report.verdict == Verdict::notValidated) {
    resultText = report.reason;
    return kNotValidated;
  }
  if (report.verdict == Verdict::valid) {
    resultText.clear();
    return kValid;
  }
  resultText.clear();
  std::string shown;
  int listed = 0;
  for (const SchemaIssue& issue : report.issues) {
    const std::string line = describe(issue);
    resultText += line + "\n";
    if (listed++ < kIssuesShown) shown += "\n" + line;
  }
  if (report.issueCount > kIssuesShown)
    shown += "\n... and " + std::to_string(report.issueCount - kIssuesShown) + " more.";
  dialogs_.exclamation("The e-return file does not pass the schema check for " + formCode + " of A.Y. " + ay + " (" +
                           std::to_string(report.issueCount) + (report.issueCount == 1 ? " fault" : " faults") +
                           "):\n" + shown,
                       "e-Return Validation");
  return kInvalid;
}

}  // namespace meridian::suite::efile
