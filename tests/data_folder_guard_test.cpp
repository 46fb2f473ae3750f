// The data folder under the program: one server at a time, and a vanished
// database that is told rather than silently replaced by an empty practice.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "suite/application.h"
#include "suite/folder_lock.h"
#include "support/db_fixture.h"

namespace meridian {
namespace {

namespace fs = std::filesystem;

TEST(FolderLock, ASecondServerOnTheSameFolderIsRefusedWithTheFirstsProcess) {
  const auto dir = testsupport::scratchDir("lock");
  {
    auto first = suite::FolderLock::take(dir);
    EXPECT_TRUE(suite::FolderLock::heldByAnother(dir));
    try {
      suite::FolderLock::take(dir);
      ADD_FAILURE() << "two servers took the same folder";
    } catch (const std::runtime_error& e) {
      EXPECT_NE(std::string(e.what()).find("(process " + std::to_string(::getpid()) + ")"), std::string::npos) << e.what();
    }
  }
  // Released with its holder.
  EXPECT_FALSE(suite::FolderLock::heldByAnother(dir));
  EXPECT_NO_THROW(suite::FolderLock::take(dir));
  fs::remove_all(dir);
}

TEST(VanishedPractice, AFolderWithAPracticesFilesButNoDatabaseIsNotSilentlyStartedAfresh) {
  struct Case {
    const char* what;
    std::function<void(const fs::path&)> leave;
    bool refused;
  } cases[] = {
      {"a fresh folder", [](const fs::path&) {}, false},
      {"documents of clients",
       [](const fs::path& d) {
         fs::create_directories(d / "documents" / "ITData" / "C0001");
         std::ofstream(d / "documents" / "ITData" / "C0001" / "return.xml") << "<ITR/>";
       },
       true},
      {"backups", [](const fs::path& d) {
         fs::create_directories(d / "backups");
         std::ofstream(d / "backups" / "meridian-20240101-010101.db") << "x";
       },
       true},
  };
  for (const auto& c : cases) {
    const auto dir = testsupport::scratchDir("vanished");
    c.leave(dir);
    try {
      suite::Application app({dir, ""});
      EXPECT_FALSE(c.refused) << c.what << " started an empty practice";
    } catch (const std::runtime_error& e) {
      EXPECT_TRUE(c.refused) << c.what << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find("meridian restore"), std::string::npos) << e.what();
      EXPECT_FALSE(fs::exists(fs::path(dir) / "meridian.db")) << c.what;
      // Said on purpose, an empty practice is begun.
      EXPECT_NO_THROW(suite::Application({dir, "", true})) << c.what;
    }
    fs::remove_all(dir);
  }
}

}  // namespace
}  // namespace meridian
