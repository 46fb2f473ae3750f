#pragma once
// Checks an e-return against the schema of its form and year with libxml2,
// the same check the department's upload makes, and reports each fault with
// its line and element in words a practitioner can act on.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridian::suite::efile {

struct SchemaIssue {
  int line = 0;         // 0 when the fault has no line (an empty file, say)
  std::string element;  // as the file names it ("ITRForm:PAN"); "" for faults of the XML itself
  std::string message;
};

enum class Verdict { valid, invalid, notValidated };

struct ValidationReport {
  Verdict verdict = Verdict::notValidated;
  std::vector<SchemaIssue> issues;  // the first kIssuesKept, in file order
  int issueCount = 0;               // every fault found
  std::string reason;               // why no check was possible (notValidated)
};

// A file broken everywhere would otherwise list thousands of faults.
inline constexpr int kIssuesKept = 200;

// Checks the document against a shipped root schema ("data/schemas/...").
// The schema is compiled once per process and shared between threads.
ValidationReport validateAgainst(const std::string& rootSchema, std::string_view document);
ValidationReport validateFileAgainst(const std::string& rootSchema, const std::filesystem::path& file);

// "Line 14, ITRForm:PAN: the value ..." as one line of a report.
std::string describe(const SchemaIssue& issue);

// The form ("ITR-1") and year (2016 for A.Y. 2016-17) an e-return names for
// itself in its form element and AssessmentYear; nothing when it names none.
struct ReturnIdentity {
  std::string formCode;
  int year = 0;
};
std::optional<ReturnIdentity> identifyReturn(std::string_view document);

}  // namespace meridian::suite::efile
