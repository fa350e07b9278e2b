// A private copy of the install folder for one end-to-end test, so that the monitor's
// files ("config.ini", profile files, the virtual mouse's memory) start fresh and the
// build's own install folder is never touched.
#pragma once

#include <string>

namespace orvix::test {

class InstallCopy {
 public:
  InstallCopy();   // copies the build's install folder into a new temporary folder
  ~InstallCopy();  // removes it
  InstallCopy(const InstallCopy&) = delete;
  InstallCopy& operator=(const InstallCopy&) = delete;

  // With a trailing backslash.
  const std::string& folder() const { return folder_; }
  std::string Path(const std::string& relative) const { return folder_ + relative; }

 private:
  std::string folder_;
};

// The build's install folder (with a trailing backslash), from the test environment.
std::string BuildInstallFolder();

}  // namespace orvix::test
