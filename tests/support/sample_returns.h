#pragma once
// E-returns of a made-up client, written by the program's ITR-1 and ITR-4S
// writer from a year the engine computes: a salaried client with savings
// interest and s.80C, and for ITR-4S a presumptive business under ss.44AD
// and 44AE besides. Tests and benchmarks vary them through the options or
// change the input before writing.
#include <filesystem>
#include <string>

#include "itr/efile/ereturn_input.h"

namespace meridian::testsupport {

struct SampleReturn {
  int year = 2016;               // first year of the A.Y.
  std::string form = "ITR-1";    // "ITR-1" or "ITR-4S"
  std::string pan = "ABCPV1234K";
  std::string surname = "VERMA";
  std::string employer = "ACME & SONS <PUNE>";
  long long salaryRupees = 600000;
  bool withEmail = true;
  // Every schedule and option the form has: a phone, a second mobile, a
  // second bank account, a return preparer, TDS on other payments, TCS,
  // advance and self-assessment tax; ITR-4S also a revised return.
  bool everySchedule = false;
};

// Everything the writer reads for the sample, the year computed.
itr::efile::EReturnInput sampleEReturnInput(const SampleReturn& sample = {});

// Writes the return to the file (the digest placeholder in place from A.Y.
// 2015-16); returns the file's bytes.
std::string writeSampleReturn(const std::filesystem::path& file, const SampleReturn& sample = {});
std::string writeEReturn(const std::filesystem::path& file, const itr::efile::EReturnInput& input);

// The software identifier the samples carry from A.Y. 2015-16.
inline constexpr const char* kSampleSoftwareId = "SW12345678";

}  // namespace meridian::testsupport
