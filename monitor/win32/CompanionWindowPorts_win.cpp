#include "CompanionWindowPorts_win.h"

#include <cstring>

#include "Launcher_win.h"
#include "Messages.h"
#include "WinHandles.h"
#include "companion/CompanionRecords.h"

namespace orvix {

void CompanionWindowPorts::SendCopyData(std::uintptr_t window, std::uint32_t dwData,
                                        const std::vector<std::uint8_t>& bytes) {
  COPYDATASTRUCT data{};
  data.dwData = dwData;
  data.cbData = static_cast<DWORD>(bytes.size());
  data.lpData = const_cast<std::uint8_t*>(bytes.data());
  // A companion application that hangs must not hang the monitor with it.
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(reinterpret_cast<HWND>(window), WM_COPYDATA, static_cast<WPARAM>(kCompanionCopyDataWParam),
                        reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 2000, &result);
}

void CompanionWindowPorts::SendLightReport(std::uint8_t first, std::uint8_t second, std::uint8_t third) {
  if (hooks_.sendLightReport) hooks_.sendLightReport(first, second, third);
}

void CompanionWindowPorts::UpdateTrayIcon() {
  if (hooks_.updateTrayIcon) hooks_.updateTrayIcon();
}

void CompanionWindowPorts::PostCommandToSelf(unsigned command) {
  ::PostMessageA(monitorWindow_, WM_COMMAND, command, 0);
}

void CompanionWindowPorts::SaveDeviceList(const CompanionDeviceList& list) {
  if (hooks_.saveDeviceList) hooks_.saveDeviceList(list);
}

void CompanionWindowPorts::NotifyDevicesChanged() { PostToWindowTitled(kOptionWindowTitle, WM_OPT_PARLY_DEVICES_CHANGED); }

std::string CompanionWindowPorts::ToAnsi(const std::u16string& name, std::size_t maxBytes) {
  // Character by character, so that a double-byte character is never cut in half.
  std::string out;
  for (char16_t unit : name) {
    const wchar_t wide = static_cast<wchar_t>(unit);
    char bytes[8];
    const int n = ::WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, nullptr, nullptr);
    if (n <= 0 || out.size() + static_cast<std::size_t>(n) > maxBytes) break;
    out.append(bytes, static_cast<std::size_t>(n));
  }
  return out;
}

CompanionMessages CompanionMessages::Register() {
  CompanionMessages m;
  m.parlyMessage = ::RegisterWindowMessageA("WM_PARLY_MSG");
  m.ambientLight = ::RegisterWindowMessageA("WM_PARLY_AMBIENT_EVENT_LIGHT_FROM_PARLY");
  for (const char* name : {"WM_PARLY_ACTIVE_STATUS_FROM_PARLY", "WM_PARLY_ACTIVE_STATUS_TO_PARLY",
                           "WM_PARLY_MONITOR_STATUS_CHANGE", "WM_PARLY_DEVICE_STATUS_CHANGE_TO_PARLYMONITOR"})
    ::RegisterWindowMessageA(name);
  return m;
}

bool ReadCompanionAmbientData(std::uint8_t (&data)[20]) {
  // The companion application publishes its ambient light data in a named block guarded
  // by a named mutex. Without them there is nothing defined to send.
  KernelHandle mapping(::OpenFileMappingA(FILE_MAP_READ, FALSE, "NORVEL_Parly_Ambient_Light_Data"));
  KernelHandle mutex(::OpenMutexA(SYNCHRONIZE, FALSE, "NORVEL_Parly_Ambient_Light_Mutex"));
  if (!mapping || !mutex) return false;
  MappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, sizeof data));
  if (!view) return false;
  const DWORD wait = ::WaitForSingleObject(mutex.get(), 1000);
  if (wait != WAIT_OBJECT_0 && wait != WAIT_ABANDONED) return false;
  std::memcpy(data, view.get(), sizeof data);
  ::ReleaseMutex(mutex.get());
  return true;
}

}  // namespace orvix
