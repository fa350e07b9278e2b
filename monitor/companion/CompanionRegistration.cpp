#include "CompanionRegistration.h"

#include <string>
#include <vector>

#include "AsciiCase.h"
#include "Messages.h"

namespace orvix {

bool RegisterInCompanionFile(const IniFile& file) {
  std::vector<std::string> sections;
  file.SectionNames(sections);
  for (const std::string& section : sections)
    if (EqualIgnoringCase(file.ReadText(section.c_str(), "Name", ""), "Orvix One")) return false;
  file.WriteText("OrvixOne", "Name", "Orvix One");
  file.WriteText("OrvixOne", "WindowName", kMonitorWindowTitle);
  file.WriteInt("OrvixOne", "Device", 0);
  return true;
}

}  // namespace orvix
