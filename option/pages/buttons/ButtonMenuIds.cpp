#include "pages/buttons/ButtonMenuIds.h"

#include "ButtonFunctionCodes.h"

namespace orvix::button_page {
namespace {

constexpr MenuCode kFixedMenuCodes[] = {
    {1001, kFunctionClick},
    {1002, kFunctionMenu},
    {1003, kFunctionUniversalScrolling},
    {1004, kFunctionDoubleClick},
    {1005, kFunctionShortcut},
    {1006, kFunctionDisabledToo},
    {1007, kFunctionIeForward},
    {1008, kFunctionIeBackward},
    {1009, kFunctionTiltLeft},
    {1010, kFunctionTiltRight},
    {1013, kFunctionScrollUp},
    {1014, kFunctionScrollDown},
    {1015, kFunctionQuicklaunch},
    {1016, kFunctionProfileCycle},
    {1017, kFunctionProfileUp},
    {1018, kFunctionProfileDown},
    {1020, kFunctionDpiCycle},
    {1021, kFunctionDpiUp},
    {1022, kFunctionDpiDown},
    {1024, kFunctionAltlayer},
    {1025, kFunctionRollsetSensitivity},
    {1026, kFunctionRollsetProfile},
    {1027, kFunctionRollsetDpi},
    {1028, kFunctionRollsetVolume},
    {1030, kFunctionRollsetAltTab},
    {1031, kFunctionRollsetAeroFlip},
    {1032, kFunctionOpenPlayer},
    {1033, kFunctionPreviousTrack},
    {1034, kFunctionNextTrack},
    {1035, kFunctionPlayPause},
    {1036, kFunctionStop},
    {1037, kFunctionWindowsMute},
    {1038, kFunctionWindowsVolumeUp},
    {1039, kFunctionWindowsVolumeDown},
    {1041, kFunctionSensitivityCycle},
    {1042, kFunctionSensitivityUp},
    {1043, kFunctionSensitivityDown},
    {1045, kFunctionPinpoint1},
    {1046, kFunctionPinpoint1 + 1},
    {1047, kFunctionPinpoint1 + 2},
    {1048, kFunctionPinpoint1 + 3},
    {1049, kFunctionPinpoint5},
    {1055, kFunctionWindowsKey},
    {1056, kFunctionOpenDriver},
    {kMenuStopTimer, kFunctionStopTimer},
    {kMenuAllDevices, kFunctionAltlayerAllDevices},
};

constexpr int kLastMacroId = kMenuFirstMacro + kMenuMacroStride * kMenuMacroStride - 1;

}  // namespace

std::span<const MenuCode> FixedMenuCodes() { return kFixedMenuCodes; }

std::optional<std::uint8_t> CodeOfMenuId(int id) {
  for (const MenuCode& row : FixedMenuCodes())
    if (row.id == id) return row.code;
  if (id >= kMenuFirstTimer && id < kMenuFirstTimer + kMenuTimers) return kFunctionTimer;
  if (id >= kMenuFirstMacro && id <= kLastMacroId) return kFunctionMacro;
  if (id >= kMenuFirstDevice && id < kMenuFirstDevice + kMenuDeviceStride * kMenuDevices) {
    const int device = id - kMenuFirstDevice;
    if (device % kMenuDeviceStride == 0) return kFunctionAltlayerDevice;
    if (device % kMenuDeviceStride == 1) return kFunctionAltlayerDeviceLock;
  }
  return std::nullopt;
}

std::optional<int> MenuIdOfCode(std::uint8_t code) {
  for (const MenuCode& row : FixedMenuCodes())
    if (row.code == code) return row.id;
  return std::nullopt;
}

}  // namespace orvix::button_page
