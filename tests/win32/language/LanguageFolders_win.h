// Where the Wine tests of the language libraries find the build's libraries and their
// stand-ins, and a temporary install folder in which a test lays out its own "help\".
#pragma once

#include <filesystem>
#include <string>

namespace orvix::testing {

// The build's install folder, whose "help\" holds the 17 language libraries.
std::filesystem::path BuildInstallFolder();
// The stand-in libraries made for these tests.
std::filesystem::path FixtureFolder();

class TempInstallFolder {
 public:
  TempInstallFolder();  // a new folder with an empty "help\"
  ~TempInstallFolder();
  TempInstallFolder(const TempInstallFolder&) = delete;
  TempInstallFolder& operator=(const TempInstallFolder&) = delete;

  // The folder as the program keeps it: with a trailing backslash.
  std::string Folder() const;
  std::filesystem::path Help() const { return root_ / "help"; }
  // Copies a file into "help\" under another name.
  void Install(const std::filesystem::path& from, const std::string& as) const;
  void WriteHelpFile(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path root_;
};

std::string ReadFile(const std::filesystem::path& path);

}  // namespace orvix::testing
