#include "PointerSettings_win.h"

#include <cstdlib>
#include <initializer_list>

#include "actions/PointerAcceleration.h"

namespace orvix {
namespace {

int ReadNumber(HKEY key, const char* name) {
  if (!key) return 0;
  char text[80] = {};
  DWORD size = sizeof text - 1;  // keeps a terminator even when the value fills the buffer
  DWORD type = 0;
  if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS)
    return 0;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return 0;
  return std::atoi(text);
}

void WriteZero(HKEY key, const char* name) {
  static const char zero[] = "0";
  ::RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(zero), sizeof zero);
}

}  // namespace

void ApplyPointerSettings(ProfileRecord& profile, HKEY mouseKey, HWND self) {
  ::SetDoubleClickTime(static_cast<UINT>(profile.DbleClickSpeed));

  AccelerationTriple registry{};
  registry.speed = ReadNumber(mouseKey, "MouseSpeed");
  registry.threshold2 = ReadNumber(mouseKey, "MouseThreshold2");
  registry.threshold1 = ReadNumber(mouseKey, "MouseThreshold1");
  const AccelerationToApply chosen = ChooseAcceleration(profile.AccelerationFlag, registry);
  if (chosen.zeroRegistryAndProfile) {
    profile.Acceleration = 0;
    if (mouseKey)
      for (const char* name : {"MouseSpeed", "MouseThreshold1", "MouseThreshold2"}) WriteZero(mouseKey, name);
  }

  int mouse[3] = {chosen.values.threshold1, chosen.values.threshold2, chosen.values.speed};
  ::SystemParametersInfoA(SPI_SETMOUSE, 0, mouse, SPIF_SENDCHANGE);
  ::SendMessageA(self, WM_WININICHANGE, SPI_SETMOUSE, reinterpret_cast<LPARAM>(mouse));

  ::SystemParametersInfoA(SPI_SETMOUSESPEED, 0, reinterpret_cast<void*>(static_cast<INT_PTR>(profile.MouseSpeed)),
                          SPIF_SENDCHANGE);
  ::SendMessageA(self, WM_WININICHANGE, SPI_SETMOUSESPEED, 0);

  const int lines = profile.ScrollWheelFlag == 1 ? -1 : profile.ScrollWheelSpeed;
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(lines), nullptr, SPIF_SENDCHANGE);
  DWORD recipients = BSM_APPLICATIONS;
  static const char wheelScrollLines[] = "WheelScrollLines";
  ::BroadcastSystemMessageA(BSF_NOHANG, &recipients, WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES,
                            reinterpret_cast<LPARAM>(wheelScrollLines));

  ::SystemParametersInfoA(SPI_SETWHEELSCROLLCHARS, static_cast<UINT>(profile.TiltSpeed), nullptr, SPIF_SENDCHANGE);
  ::PostMessageA(HWND_BROADCAST, WM_WININICHANGE, SPI_SETWHEELSCROLLCHARS, 0);

  ::SystemParametersInfoA(SPI_SETMOUSETRAILS, static_cast<UINT>(profile.MouseTrails), nullptr, SPIF_SENDCHANGE);
  ::PostMessageA(HWND_BROADCAST, WM_WININICHANGE, SPI_SETMOUSETRAILS, 0);
}

}  // namespace orvix
