#include <gtest/gtest.h>

#include "profiles/ExportTarget.h"

namespace orvix {
namespace {

constexpr char kFolder[] = "C:\\Program Files\\Orvix One\\";

TEST(ExportTarget, NoSpellingOfASlotFileGetsPast) {
  for (const char* path : {"C:\\Program Files\\Orvix One\\config\\Default0.nmp",
                           "c:\\program files\\orvix one\\CONFIG\\default4.NMP",
                           "C:/Program Files/Orvix One/config/Default2.nmp",
                           "C:\\Program Files\\Orvix One\\help\\..\\config\\.\\Default1.nmp",
                           "C:\\Program Files\\Orvix One\\config\\\\Default3.nmp",
                           "C:\\Program Files\\Orvix One\\config\\Default3.nmp. "})
    EXPECT_TRUE(IsSlotFile(path, kFolder)) << path;
  for (const char* path : {"C:\\Program Files\\Orvix One\\config\\Default5.nmp",
                           "C:\\Program Files\\Orvix One\\config\\Default1.nmp.bak",
                           "C:\\Program Files\\Orvix One\\Default1.nmp",
                           "D:\\Program Files\\Orvix One\\config\\Default1.nmp",
                           "C:\\Users\\me\\Documents\\Default1.nmp"})
    EXPECT_FALSE(IsSlotFile(path, kFolder)) << path;
}

TEST(ExportTarget, TheProposedNameIsAFileName) {
  EXPECT_EQ(ProposedExportFileName("Shooter"), "Shooter.nmp");
  EXPECT_EQ(ProposedExportFileName("a/b\\c:d*e?f\"g<h>i|j"), "abcdefghij.nmp");
  EXPECT_EQ(ProposedExportFileName(" .. "), "Profile.nmp");
  EXPECT_EQ(ProposedExportFileName(""), "Profile.nmp");
  EXPECT_EQ(ProposedExportFileName("Race\tday."), "Raceday.nmp");
}

TEST(ExportTarget, TheLibraryCopyNeverReplacesASlotAndFitsAWindowsPath) {
  EXPECT_EQ(LibraryCopyPath(kFolder, "Shooter"), std::string(kFolder) + "config\\Shooter.nmp");
  EXPECT_EQ(LibraryCopyPath(kFolder, "default2"), std::nullopt);
  EXPECT_EQ(LibraryCopyPath(kFolder, std::string(240, 'x')), std::nullopt);
  EXPECT_EQ(LibraryCopyPath(kFolder, ""), std::nullopt);
  EXPECT_EQ(FileTitleOf("C:\\x.y\\My profile.nmp"), "My profile");
  EXPECT_EQ(FileTitleOf("C:/a/b"), "b");
}

}  // namespace
}  // namespace orvix
