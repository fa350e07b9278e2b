#include "VirtualMouseLibrary_win.h"

#include "ControlCommands.h"
#include "MemoryFile.h"

namespace orvix::vmouse {
namespace {

constexpr char kMemoryFileName[] = "VirtualMouse.dat";
// Set to 1 in the environment of the process that loads the library: the mouse starts
// unplugged (the monitor then starts without a mouse).
constexpr char kStartUnpluggedVariable[] = "ORVIX_VIRTUAL_MOUSE_UNPLUGGED";

std::string LibraryFolder() {
  HMODULE self = nullptr;
  ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&LibraryFolder), &self);
  char path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return "";
  std::string folder(path, length);
  return folder.substr(0, folder.find_last_of("\\/") + 1);
}

}  // namespace

VirtualMouseLibrary& VirtualMouseLibrary::Instance() {
  static VirtualMouseLibrary library;
  return library;
}

VirtualMouseLibrary::VirtualMouseLibrary()
    : memoryPath_(LibraryFolder() + kMemoryFileName),
      control_([this](std::string_view command) { return RunControlCommand(*firmware_, command); }) {
  auto memory = std::make_unique<MouseMemory>();
  LoadMemoryFile(memoryPath_, *memory);
  EventSink& events = *this;
  MemoryStore& store = *this;
  firmware_ = std::make_unique<Firmware>(std::move(memory), events, store, [](int ms) { ::Sleep(static_cast<DWORD>(ms)); });
  char unplugged[4] = {};
  if (::GetEnvironmentVariableA(kStartUnpluggedVariable, unplugged, sizeof unplugged) == 1 && unplugged[0] == '1')
    firmware_->Unplug();
}

void VirtualMouseLibrary::OpenDevMonitor(HWND window, UINT eventMessage, UINT arrivalMessage) {
  {
    std::lock_guard lock(windowLock_);
    window_ = window;
    eventMessage_ = eventMessage;
    arrivalMessage_ = arrivalMessage;
  }
  control_.Start();
}

void VirtualMouseLibrary::CloseDevMonitor() {
  control_.Stop();
  std::lock_guard lock(windowLock_);
  window_ = nullptr;
}

void VirtualMouseLibrary::DeviceEvent(std::uint16_t eventClass, std::uint16_t data) {
  std::lock_guard lock(windowLock_);
  if (window_) ::PostMessageA(window_, eventMessage_, eventClass, data);
}

void VirtualMouseLibrary::Arrival(bool arrived) {
  std::lock_guard lock(windowLock_);
  if (window_) ::PostMessageA(window_, arrivalMessage_, arrived ? 1 : 0, 0);
}

void VirtualMouseLibrary::Save(const MouseMemory& memory) { SaveMemoryFile(memoryPath_, memory); }

}  // namespace orvix::vmouse
