#pragma once
// Small e-returns written through the program's XML writer from fixed
// values, element by element in each year's layout: enough of an ITR-1 or
// ITR-4S to prove the writer and the schemas together. Tests and benchmarks
// vary them through the options.
#include <filesystem>
#include <string>

namespace meridian::testsupport {

struct SampleReturn {
  int year = 2016;               // first year of the A.Y.
  std::string form = "ITR-1";    // "ITR-1" or "ITR-4S"
  std::string pan = "ABCPV1234K";
  std::string surname = "VERMA";
  std::string employer = "ACME & SONS <PUNE>";
  long long salaryRupees = 600000;
  bool withEmail = true;
};

// Writes the return to the file (the digest placeholder in place from A.Y.
// 2015-16); returns the file's bytes.
std::string writeSampleReturn(const std::filesystem::path& file, const SampleReturn& sample = {});

// The software identifier the samples carry from A.Y. 2015-16.
inline constexpr const char* kSampleSoftwareId = "SW12345678";

}  // namespace meridian::testsupport
