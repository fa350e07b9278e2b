#include "DeviceList.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "AsciiCase.h"
#include "FixedText.h"

namespace orvix {
namespace {

constexpr char kDeviceFile[] = "DeviceInfo.ini";
constexpr char kSetting[] = "Setting";

struct DeviceSection {
  explicit DeviceSection(int index) { std::snprintf(name, sizeof name, "Device%d", index); }
  char name[24];
};

struct CpiKey {
  explicit CpiKey(int level) { std::snprintf(name, sizeof name, "CPI %d", level); }
  char name[16];
};

bool HasSection(const std::vector<std::string>& sections, std::string_view name) {
  return std::any_of(sections.begin(), sections.end(), [name](const std::string& s) { return EqualIgnoringCase(s, name); });
}

}  // namespace

bool WriteDeviceList(const SettingsStore& store, const CompanionDeviceList& list) {
  return store.WriteFiles([&](const SettingsStore& staged) {
    const IniFile file = staged.FileOf(kDeviceFile);
    const int count = std::clamp(list.count, 0, kMaxCompanionDevices);
    file.WriteInt(kSetting, "Count", count);
    for (int i = 0; i < count; ++i) {
      const CompanionDevice& device = list.devices[i];
      const DeviceSection section(i);
      file.WriteInt(section.name, "VID", device.VID);
      file.WriteInt(section.name, "PID", device.PID);
      file.WriteText(section.name, "Name", FixedTextView(device.Name));
      for (int level = 0; level < 5; ++level) file.WriteInt(section.name, CpiKey(level).name, device.Cpi[level]);
    }
  });
}

void ReadDeviceList(const SettingsStore& store, CompanionDeviceList& list) {
  std::memset(&list, 0, sizeof list);
  const IniFile file = store.FileOf(kDeviceFile);
  const int count = std::clamp(file.ReadInt(kSetting, "Count", 0), 0, kMaxCompanionDevices);
  std::vector<std::string> sections;
  file.SectionNames(sections);
  for (int i = 0; i < count; ++i) {
    const DeviceSection section(i);
    if (!HasSection(sections, section.name)) break;  // a Count larger than the list written
    CompanionDevice& device = list.devices[list.count++];
    device.VID = static_cast<std::uint16_t>(file.ReadInt(section.name, "VID", 0));
    device.PID = static_cast<std::uint16_t>(file.ReadInt(section.name, "PID", 0));
    CopyFixedText(device.Name, file.ReadText(section.name, "Name", ""));
    for (int level = 0; level < 5; ++level) device.Cpi[level] = file.ReadInt(section.name, CpiKey(level).name, 0);
  }
}

}  // namespace orvix
