#include "itr/efile/produce_ereturn.h"

#include <algorithm>

#include "common/years.h"
#include "itr/efile/assets_schedule.h"
#include "itr/efile/efile_digest.h"
#include "itr/efile/finish_ereturn.h"
#include "itr/efile/itr1_layout.h"
#include "itr/efile/itr1_writer.h"
#include "suite/atomic_file.h"
#include "suite/efile/efile_credentials.h"
#include "suite/efile/schema_catalogue.h"

namespace meridian::itr::efile {
namespace {

// From A.Y. 2015-16 the form lists the bank accounts with the primary one
// first, and the year's schema requires it: a return without a default
// account could only be written as a file that fails its check. The return
// screen may have been told to continue without bank details; the return is
// then refused here, plainly, before anything is written.
std::string refusalBeforeWriting(const EReturnInput& in) {
  if (writesScheduleAL(in)) {
    std::string fault = assetsStatementFault(in.assets);
    if (!fault.empty()) return fault;
  }
  if (!itr1LayoutOf(in.year).bankGrid) return "";
  const auto& banks = in.filing.bankAccounts;
  if (std::any_of(banks.begin(), banks.end(), [](const BankAccount& b) { return b.isDefault; })) return "";
  return "The e-return of A.Y. " + assessmentYearText(in.year) +
         " cannot be written without bank details: from A.Y. 2015-16 the return must give the default bank "
         "account, even when no refund is due, or the year's schema refuses the file. Please give the bank "
         "accounts in 'Bank Details' and mark the default account.";
}

}  // namespace

const char* produceResultName(ProduceResult r) {
  switch (r) {
    case ProduceResult::written: return "written";
    case ProduceResult::refused: return "refused";
    case ProduceResult::invalid: return "invalid";
    case ProduceResult::notValidated: return "not validated";
    case ProduceResult::failed: break;
  }
  return "failed";
}

ProducedReturn produceEReturn(const EReturnInput& in, const std::filesystem::path& file,
                              suite::efile::EfileCredentials& credentials, Durability durability) {
  return produceEReturn(in, file, credentials.forYear(in.year), durability);
}

ProducedReturn produceEReturn(const EReturnInput& in, const std::filesystem::path& file,
                              const suite::efile::CredentialSet& credentials, Durability durability) {
  ProducedReturn out;
  out.file = file;
  const auto root = suite::efile::rootSchemaFor(in.year, in.formCode);
  if (!root) {
    out.result = ProduceResult::notValidated;
    out.error = std::string(kCouldNotValidate) + " No schema is kept for " + in.formCode + " of this year.";
    return out;
  }
  out.error = refusalBeforeWriting(in);
  if (!out.error.empty()) {
    out.result = ProduceResult::refused;
    return out;
  }
  // The software identifier goes into the file, so a year without its
  // credentials stops before anything is written.
  if (in.year >= kFirstYearWithDigest) {
    out.error = missingCredentials(credentials, in.year);
    if (!out.error.empty()) {
      out.error = "the digest could not be placed: " + out.error;
      return out;
    }
  }
  const auto save = [&](const std::string& bytes) {
    if (durability == Durability::now)
      suite::writeFileAtomically(file, bytes);
    else
      suite::writeFileAtomicallyUnsynced(file, bytes);
  };
  try {
    std::string written;
    out.warnings = writeItr1OrItr4s(in, written);
    // The digest covers the document as written, placeholder and all; the
    // check then runs on the finished bytes, digest included, so that the
    // file checked is byte for byte the file saved.
    std::string finished = written;
    if (in.year >= kFirstYearWithDigest) {
      const DigestPlacement digest = placeDigestInText(finished, credentials.secretKey, credentials.passes);
      if (!digest.succeeded) {
        out.error = "the digest could not be placed: " + digest.error;
        return out;
      }
      out.digest = digest.digest;
    }
    out.check = suite::efile::validateAgainst(*root, finished);
    if (out.check.verdict == suite::efile::Verdict::notValidated) {
      out.digest.clear();
      out.result = ProduceResult::notValidated;
      out.error = out.check.reason;
      return out;
    }
    if (out.check.verdict == suite::efile::Verdict::invalid) {
      // Kept without its digest: a file that fails its check is not one to
      // file. Placing the digest moves no line, so the faults' lines hold.
      out.digest.clear();
      save(written);
      out.result = ProduceResult::invalid;
      out.error = suite::efile::describe(out.check.issues.front());
      return out;
    }
    save(finished);
    out.result = ProduceResult::written;
  } catch (const std::exception& e) {
    out.error = e.what();
  }
  return out;
}

}  // namespace meridian::itr::efile
