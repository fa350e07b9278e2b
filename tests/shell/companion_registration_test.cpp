#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TextIniStore.h"
#include "companion/CompanionRegistration.h"

namespace orvix {

TEST(CompanionRegistration, WritesItsSectionOnceAndRespectsAnExistingEntry) {
  const auto path = std::filesystem::temp_directory_path() / "orvix_tconfig_test.ini";
  std::filesystem::remove(path);
  TextIniStore store;
  IniFile file(store, path.string());
  EXPECT_TRUE(RegisterInCompanionFile(file));
  EXPECT_EQ(file.ReadText("OrvixOne", "WindowName"), "NORVEL Orvix One Mouse Monitor");
  std::ifstream first(path);
  std::stringstream before;
  before << first.rdbuf();
  EXPECT_FALSE(RegisterInCompanionFile(file));  // a second start leaves the file as it is
  std::ifstream second(path);
  std::stringstream after;
  after << second.rdbuf();
  EXPECT_EQ(before.str(), after.str());

  std::filesystem::remove(path);
  file.WriteText("Mouse2", "Name", "ORVIX ONE");  // registered under another section name
  EXPECT_FALSE(RegisterInCompanionFile(file));
  std::filesystem::remove(path);
}

}  // namespace orvix
