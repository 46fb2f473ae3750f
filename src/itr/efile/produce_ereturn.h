#pragma once
// One e-return made whole without a screen: written, checked against the
// schema of its form and year, and digested (A.Y. 2015-16 on). What went
// wrong is told in the outcome, in words; a return that fails is not left
// half made: the file is removed unless it was written and only found
// invalid, so the faults can be read in it.
#include <filesystem>
#include <string>
#include <vector>

#include "itr/efile/ereturn_input.h"
#include "suite/efile/schema_validator.h"

namespace meridian::suite::efile { class EfileCredentials; }

namespace meridian::itr::efile {

enum class ProduceResult { written, invalid, notValidated, failed };

struct ProducedReturn {
  ProduceResult result = ProduceResult::failed;
  std::filesystem::path file;
  std::string digest;                    // as placed; "" before A.Y. 2015-16
  std::vector<std::string> warnings;     // told while the file is still finished
  suite::efile::ValidationReport check;  // the schema check
  std::string error;                     // why it failed or was not validated
};

ProducedReturn produceEReturn(const EReturnInput& in, const std::filesystem::path& file,
                              suite::efile::EfileCredentials& credentials);

// "written", "invalid", "not validated", "failed".
const char* produceResultName(ProduceResult r);

}  // namespace meridian::itr::efile
