#include "itr/efile/produce_ereturn.h"

#include "itr/efile/efile_digest.h"
#include "itr/efile/itr1_writer.h"
#include "itr/efile/finish_ereturn.h"
#include "suite/efile/schema_catalogue.h"

namespace meridian::itr::efile {

const char* produceResultName(ProduceResult r) {
  switch (r) {
    case ProduceResult::written: return "written";
    case ProduceResult::invalid: return "invalid";
    case ProduceResult::notValidated: return "not validated";
    case ProduceResult::failed: break;
  }
  return "failed";
}

ProducedReturn produceEReturn(const EReturnInput& in, const std::filesystem::path& file,
                              suite::efile::EfileCredentials& credentials) {
  ProducedReturn out;
  out.file = file;
  const auto root = suite::efile::rootSchemaFor(in.year, in.formCode);
  if (!root) {
    out.result = ProduceResult::notValidated;
    out.error = std::string(kCouldNotValidate) + " No schema is kept for " + in.formCode + " of this year.";
    return out;
  }
  auto drop = [&] {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  };
  try {
    out.warnings = writeItr1OrItr4s(in, file);
  } catch (const std::exception& e) {
    drop();
    out.error = e.what();
    return out;
  }
  out.check = suite::efile::validateFileAgainst(*root, file);
  if (out.check.verdict != suite::efile::Verdict::valid) {
    out.result = out.check.verdict == suite::efile::Verdict::invalid ? ProduceResult::invalid
                                                                     : ProduceResult::notValidated;
    out.error = out.check.issues.empty() ? out.check.reason : suite::efile::describe(out.check.issues.front());
    if (out.result == ProduceResult::notValidated) drop();
    return out;
  }
  if (in.year >= kFirstYearWithDigest) {
    const DigestPlacement digest = placeDigest(file, credentials, in.year);
    if (!digest.succeeded) {
      drop();
      out.error = "the digest could not be placed: " + digest.error;
      return out;
    }
    out.digest = digest.digest;
  }
  out.result = ProduceResult::written;
  return out;
}

}  // namespace meridian::itr::efile
