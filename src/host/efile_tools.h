#pragma once
// The host's e-filing tools ("PrjEfileTools.Forms"): the check of an e-return
// file against the department's schema before it is digested and filed, and
// the details of the last upload that the filing register reads back.
#include <string>

namespace meridian::host {

class EfileTools {
 public:
  // What ValidFile answers: below 1 no check was possible; 1 the file has
  // faults, which the tools have shown; any other value the file is valid.
  static constexpr int kNotValidated = 0;
  static constexpr int kInvalid = 1;
  static constexpr int kValid = 2;

  virtual ~EfileTools() = default;

  std::string vLastUplRetDetActOL;  // details of the last upload
  std::string vLastAadhaarNo;       // Aadhaar number of the client whose return is uploaded

  // Checks the file at path as a return in the form ("ITR-1") of the year
  // (2016 for A.Y. 2016-17). resultText receives every fault found, one per
  // line, or why no check was possible.
  virtual int ValidFile(const std::string& formCode, const std::string& path, std::string& resultText, int year) = 0;
};

}  // namespace meridian::host
