#pragma once
// One e-return made whole without a screen: written in memory, digested
// (A.Y. 2015-16 on), the finished bytes checked against the schema of its
// form and year, and only then written to its file, once: the bytes checked
// are the bytes saved. What went wrong is told in the outcome, in words. A
// return found invalid is still written, without its digest, so that its
// faults can be read at their lines; any other failure writes nothing.
#include <filesystem>
#include <string>
#include <vector>

#include "itr/efile/ereturn_input.h"
#include "suite/efile/schema_validator.h"

namespace meridian::suite::efile {
class EfileCredentials;
struct CredentialSet;
}  // namespace meridian::suite::efile

namespace meridian::itr::efile {

// written: the file is finished. refused: the return's data cannot make a
// file the department would take, told before anything is written.
// invalid: the file was written and fails its schema. notValidated: no
// schema to check it against. failed: the file could not be written.
enum class ProduceResult { written, refused, invalid, notValidated, failed };

struct ProducedReturn {
  ProduceResult result = ProduceResult::failed;
  std::filesystem::path file;
  std::string digest;                    // as placed; "" before A.Y. 2015-16
  std::vector<std::string> warnings;     // told while the file is still finished
  suite::efile::ValidationReport check;  // the schema check
  std::string error;                     // why it was refused, failed or was not validated
};

// How soon the file must be on disk: at once; at the end of a batch that
// then calls suite::syncFileSystem before it reports; or never, for a
// working file whose synced copy is the one kept (the return screen's
// temporary file, filed next as the dated copy). Each file is whole under
// its name at once in every case; only the wait for the disk differs.
enum class Durability { now, atEndOfBatch, workingFileOnly };

ProducedReturn produceEReturn(const EReturnInput& in, const std::filesystem::path& file,
                              suite::efile::EfileCredentials& credentials, Durability durability = Durability::now);
// With the year's credentials already read (a batch reads them once).
ProducedReturn produceEReturn(const EReturnInput& in, const std::filesystem::path& file,
                              const suite::efile::CredentialSet& credentials, Durability durability = Durability::now);

// "written", "refused", "invalid", "not validated", "failed".
const char* produceResultName(ProduceResult r);

}  // namespace meridian::itr::efile
