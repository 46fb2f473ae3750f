// meridian validate | digest | credentials: the checks and the digest of
// e-return files, for files made elsewhere and for scripts.
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "common/years.h"
#include "itr/efile/efile_digest.h"
#include "suite/application.h"
#include "suite/atomic_file.h"
#include "suite/efile/efile_credentials.h"
#include "suite/efile/schema_catalogue.h"
#include "suite/efile/schema_validator.h"

namespace meridian::cli {
namespace {

using suite::efile::Verdict;

// Exit codes of `meridian validate`.
constexpr int kValidFile = 0, kInvalidFile = 1, kNotValidated = 2;

struct ValidateOptions {
  std::string file, ay, form;
  bool json = false;
};

struct ValidateOutcome {
  std::string form, ay;
  suite::efile::ValidationReport report;
};

ValidateOutcome validate(const ValidateOptions& o) {
  ValidateOutcome out;
  out.form = o.form;
  out.ay = o.ay;
  std::string bytes;
  try {
    bytes = suite::readWholeFile(o.file);
  } catch (const std::exception& e) {
    out.report.reason = e.what();
    return out;
  }
  int year = 0;
  if (!o.ay.empty()) year = yearOfAssessmentYear(o.ay);
  if (o.form.empty() || o.ay.empty()) {
    const auto identity = suite::efile::identifyReturn(bytes);
    if (!identity) {
      out.report.reason = "the file names no return form and assessment year; give --form and --ay";
      return out;
    }
    if (o.form.empty()) out.form = identity->formCode;
    if (o.ay.empty()) year = identity->year, out.ay = assessmentYearText(year);
  }
  const auto root = suite::efile::rootSchemaFor(year, out.form);
  if (!root) {
    out.report.reason = "no schema is kept for " + out.form + " of A.Y. " + out.ay;
    return out;
  }
  out.report = suite::efile::validateAgainst(*root, bytes);
  return out;
}

int exitCodeOf(Verdict v) {
  return v == Verdict::valid ? kValidFile : v == Verdict::invalid ? kInvalidFile : kNotValidated;
}

void printValidation(const ValidateOptions& o, const ValidateOutcome& out) {
  const auto& r = out.report;
  if (o.json) {
    nlohmann::json faults = nlohmann::json::array();
    for (const auto& i : r.issues) faults.push_back({{"line", i.line}, {"element", i.element}, {"message", i.message}});
    const char* verdict = r.verdict == Verdict::valid ? "valid" : r.verdict == Verdict::invalid ? "invalid" : "not validated";
    std::cout << nlohmann::json{{"file", o.file},         {"form", out.form},     {"ay", out.ay},
                                {"verdict", verdict},      {"faults", faults},     {"fault_count", r.issueCount},
                                {"reason", r.reason}}.dump(2)
              << "\n";
    return;
  }
  const std::string what = out.form.empty() ? o.file : o.file + " (" + out.form + ", A.Y. " + out.ay + ")";
  switch (r.verdict) {
    case Verdict::valid:
      std::cout << "valid: " << what << "\n";
      break;
    case Verdict::invalid:
      for (const auto& i : r.issues) std::cout << suite::efile::describe(i) << "\n";
      if (r.issueCount > static_cast<int>(r.issues.size()))
        std::cout << "... and " << r.issueCount - static_cast<int>(r.issues.size()) << " more\n";
      std::cout << "invalid: " << what << ", " << r.issueCount << (r.issueCount == 1 ? " fault" : " faults") << "\n";
      break;
    case Verdict::notValidated:
      std::cerr << "meridian: Could not validate File. " << r.reason << "\n";
      break;
  }
}

void addValidateCommand(CLI::App& app, Action& chosen) {
  auto o = std::make_shared<ValidateOptions>();
  auto* sub = app.add_subcommand(
      "validate", "check an e-return file against the schema of its form and year (exit 0 valid, 1 invalid, 2 not checked)");
  sub->add_option("file", o->file, "the e-return file")->required();
  sub->add_option("--ay", o->ay, "assessment year, e.g. 2016-17 (default: the year the file names)");
  sub->add_option("--form", o->form, "return form, e.g. ITR-1 (default: the form the file names)");
  sub->add_flag("--json", o->json, "print the verdict and every fault as JSON");
  sub->callback([&chosen, o] {
    chosen = [o] {
      ValidateOutcome out;
      try {
        out = validate(*o);
      } catch (const std::exception& e) {
        out.report.reason = e.what();
      }
      printValidation(*o, out);
      return exitCodeOf(out.report.verdict);
    };
  });
}

struct DigestOptions {
  std::string file, ay;
  bool json = false;
};

void addDigestCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  auto o = std::make_shared<DigestOptions>();
  auto* sub = app.add_subcommand("digest", "place the keyed digest in an e-return file (A.Y. 2015-16 on)");
  sub->add_option("file", o->file, "the e-return file, holding <ITRForm:Digest>-</ITRForm:Digest>")->required();
  sub->add_option("--ay", o->ay, "assessment year whose credentials sign the file, e.g. 2016-17")->required();
  sub->add_flag("--json", o->json, "print the outcome as JSON");
  addGlobalOptions(*sub, g);
  sub->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      const int year = yearOfAssessmentYear(o->ay);
      if (year < itr::efile::kFirstYearWithDigest)
        throw std::runtime_error("returns before A.Y. " + assessmentYearText(itr::efile::kFirstYearWithDigest) +
                                 " carry no digest");
      suite::Application a({g.dataDir, g.dbUrl});
      suite::efile::EfileCredentials credentials(a.conn());
      auto placement = itr::efile::placeDigest(o->file, credentials, year);
      if (placement.succeeded && placement.placeholders == 0) {
        placement.succeeded = false;
        placement.error = "the file holds no " + std::string(itr::efile::kDigestElementWithPlaceholder) +
                          " (is its digest already placed?); it is unchanged";
      }
      if (o->json) {
        std::cout << nlohmann::json{{"file", o->file},
                                    {"ay", o->ay},
                                    {"placed", placement.succeeded},
                                    {"digest", placement.succeeded ? placement.digest : ""},
                                    {"placeholders", placement.placeholders},
                                    {"error", placement.error}}
                         .dump(2)
                  << "\n";
      } else if (placement.succeeded) {
        std::cout << "digest placed in " << o->file << ": " << placement.digest << "\n";
      } else {
        std::cerr << "meridian: no digest placed in " << o->file << ": " << placement.error << "\n";
      }
      return placement.succeeded ? 0 : 1;
    };
  });
}

void addCredentialsCommand(CLI::App& app, GlobalOptions& g, Action& chosen) {
  struct Options {
    std::string ay, softwareId, key, passes;
    bool json = false;
  };
  auto o = std::make_shared<Options>();
  auto* sub = app.add_subcommand("credentials", "the e-filing credentials the department assigned, per assessment year");
  sub->require_subcommand(1);

  auto* set = sub->add_subcommand("set", "store a year's software identifier, secret key and number of passes");
  set->add_option("--ay", o->ay, "assessment year, e.g. 2016-17")->required();
  set->add_option("--si", o->softwareId, "software identifier (SW and 8 digits)")->required();
  set->add_option("--ic", o->passes, "number of extra hashing passes (4 digits)")->required();
  set->add_option("--key", o->key, "secret key, 15 letters and digits (else read from standard input)");
  addGlobalOptions(*set, g);
  set->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      const int year = yearOfAssessmentYear(o->ay);
      std::string key = o->key;
      // From standard input the key stays out of the shell's history.
      if (key.empty()) std::getline(std::cin, key);
      suite::Application a({g.dataDir, g.dbUrl});
      suite::efile::EfileCredentials(a.conn()).save(year, {o->softwareId, key, o->passes});
      std::cout << "e-filing credentials of A.Y. " << o->ay << " stored\n";
      return 0;
    };
  });

  auto* show = sub->add_subcommand("show", "show a year's software identifier and number of passes (never the key)");
  show->add_option("--ay", o->ay, "assessment year, e.g. 2016-17")->required();
  show->add_flag("--json", o->json, "print as JSON");
  addGlobalOptions(*show, g);
  show->callback([&g, &chosen, o] {
    chosen = [&g, o] {
      const int year = yearOfAssessmentYear(o->ay);
      suite::Application a({g.dataDir, g.dbUrl});
      const auto set = suite::efile::EfileCredentials(a.conn()).forYear(year);
      if (o->json) {
        std::cout << nlohmann::json{{"ay", o->ay}, {"si", set.softwareId}, {"ic", set.passes}, {"key_set", !set.secretKey.empty()}}
                         .dump(2)
                  << "\n";
      } else if (set.softwareId.empty()) {
        std::cout << "no e-filing credentials for A.Y. " << o->ay << "\n";
      } else {
        std::cout << "SI " << set.softwareId << "\nIC " << set.passes << "\nSK " << (set.secretKey.empty() ? "not set" : "set")
                  << "\n";
      }
      return 0;
    };
  });
}

}  // namespace

void addEfileCommands(CLI::App& app, GlobalOptions& g, Action& chosen) {
  addValidateCommand(app, chosen);
  addDigestCommand(app, g, chosen);
  addEfileReturnCommand(app, g, chosen);
  addCredentialsCommand(app, g, chosen);
}

}  // namespace meridian::cli
