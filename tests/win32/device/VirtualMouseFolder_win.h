// A private folder holding copies of hiddriver.dll and the control tool, so that the
// virtual mouse starts from the factory and the build's install folder stays untouched;
// and the control tool run to its end.
#pragma once

#include <string>

namespace orvix::test {

class VirtualMouseFolder {
 public:
  VirtualMouseFolder();
  ~VirtualMouseFolder();
  VirtualMouseFolder(const VirtualMouseFolder&) = delete;
  VirtualMouseFolder& operator=(const VirtualMouseFolder&) = delete;
  const std::string& path() const { return folder_; }  // ends with a backslash

 private:
  std::string folder_;
};

struct ToolResult {
  unsigned long exitCode = 1;
  std::string output;  // standard output and standard error
};
// Runs "<folder>OrvixOneMouseControl.exe <arguments>".
ToolResult RunControlTool(const std::string& folder, const std::string& arguments);

}  // namespace orvix::test
