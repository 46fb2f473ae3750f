#pragma once
// Text compared line by line with a golden file kept beside the tests,
// naming the first line that differs. With MERIDIAN_REGENERATE_GOLDEN=1 the
// file is written instead: a deliberate step, each changed line reviewed
// before it is committed.
#include <filesystem>
#include <string>

namespace meridian::testsupport {

void expectGoldenFile(const std::filesystem::path& path, const std::string& text);

}  // namespace meridian::testsupport
