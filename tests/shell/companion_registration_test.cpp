#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TextIniStore.h"
#include "companion/CompanionRegistration.h"

namespace orvix {
namespace {

std::string Contents(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

TEST(CompanionRegistration, WritesItsSectionOnceAndRespectsAnExistingEntry) {
  const auto path = std::filesystem::temp_directory_path() / "orvix_tconfig_test.ini";
  std::filesystem::remove(path);
  TextIniStore store;
  IniFile file(store, path.string());
  EXPECT_TRUE(RegisterInCompanionFile(file));
  EXPECT_EQ(file.ReadText("OrvixOne", "WindowName"), "NORVEL Orvix One Mouse Monitor");
  const std::string before = Contents(path);
  EXPECT_FALSE(RegisterInCompanionFile(file));  // a second start leaves the file as it is
  EXPECT_EQ(Contents(path), before);

  std::filesystem::remove(path);
  file.WriteText("Mouse2", "Name", "ORVIX ONE");  // registered under another section name
  EXPECT_FALSE(RegisterInCompanionFile(file));
  std::filesystem::remove(path);
}

}  // namespace orvix
