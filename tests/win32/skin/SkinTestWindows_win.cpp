// Test helpers of the skin toolkit.
#include "SkinTestWindows_win.h"

#include <shlwapi.h>

#include "GdiHandles_win.h"
#include "WinHandles.h"

namespace orvix {

RecordingParent::RecordingParent(int width, int height, bool visible) {
  Create({.className = "OrvixSkinTestParent",
          .title = "skin test parent",
          .style = WS_POPUP | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0u),
          .x = 0,
          .y = 0,
          .width = width,
          .height = height});
}

std::vector<RecordedMessage> RecordingParent::Of(UINT message) const {
  std::vector<RecordedMessage> found;
  for (const RecordedMessage& m : messages)
    if (m.message == message) found.push_back(m);
  return found;
}

LRESULT RecordingParent::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND || message >= WM_USER) messages.push_back({message, wParam, lParam});
  if (message == WM_ERASEBKGND) return 1;
  return Window::HandleMessage(message, wParam, lParam);
}

void PumpMessages(DWORD ms) {
  const DWORD start = ::GetTickCount();
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    if (ms) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  } while (::GetTickCount() - start < ms);
}

std::string TestArtFolder() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  ::PathRemoveFileSpecA(path);
  return std::string(path) + "\\skin-art\\";
}

std::string ScratchFolder(const char* name) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "orvix-skin-" + name + "-" + std::to_string(::GetCurrentProcessId()) + "\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  ::CreateDirectoryA((folder + "Skin").c_str(), nullptr);
  return folder;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file) ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::optional<SkinBitmap> PrintClient(HWND window) {
  RECT client;
  if (!::GetClientRect(window, &client)) return std::nullopt;
  std::optional<SkinBitmap> picture = SkinBitmap::Filled(client.right, client.bottom, RGB(255, 0, 255));
  if (!picture) return std::nullopt;
  WindowDc screen(nullptr);
  MemoryDc dc(::CreateCompatibleDC(screen.get()));
  {
    SelectedObject selected(dc.get(), picture->handle());
    ::SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
    ::GdiFlush();
  }
  return picture;
}

void ParkPointer() { ::SetCursorPos(1200, 1000); }

}  // namespace orvix
