#include "support/golden_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace meridian::testsupport {

void expectGoldenFile(const std::filesystem::path& path, const std::string& text) {
  if (const char* regen = std::getenv("MERIDIAN_REGENERATE_GOLDEN"); regen && std::string(regen) == "1") {
    std::ofstream(path, std::ios::binary) << text;
    return;
  }
  ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing: regenerate with MERIDIAN_REGENERATE_GOLDEN=1";
  std::ifstream in(path, std::ios::binary);
  std::stringstream expected;
  expected << in.rdbuf();
  std::istringstream want(expected.str()), got(text);
  std::string w, g;
  for (int line = 1;; ++line) {
    const bool moreWant = static_cast<bool>(std::getline(want, w));
    const bool moreGot = static_cast<bool>(std::getline(got, g));
    if (!moreWant && !moreGot) break;
    ASSERT_EQ(moreWant ? w : "<end>", moreGot ? g : "<end>") << path.filename().string() << " line " << line;
  }
}

}  // namespace meridian::testsupport
