#include "OptionFixtures_win.h"

namespace orvix::test {

std::wstring Wide(const std::string& ansi) {
  std::wstring wide(ansi.size(), L'\0');
  const int n = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                                      static_cast<int>(wide.size()));
  wide.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return wide;
}

std::string NameText(const char* field, std::size_t size) {
  std::size_t length = 0;
  while (length < size && field[length] != '\0') ++length;
  return std::string(field, length);
}

bool OptionTest::Start() {
  program_ = std::make_unique<OptionProgram>(install_.folder());
  if (!program_->WaitForWindow()) return false;
  if (monitor_) monitor_->WatchButtons(program_->Button(L"OK"), program_->Button(L"Apply"));
  return true;
}

bool OptionTest::WaitUntilIdle(DWORD timeoutMs) {
  const HWND ok = program_->Button(L"OK");
  return ok && PumpUntil([&] { return ::IsWindowEnabled(ok) != FALSE; }, timeoutMs);
}

bool OptionTest::ClickThenApply(const std::wstring& label) {
  const int before = monitor_ ? monitor_->Count(WM_MON_APPLY_ALL) : 0;
  if (!program_->Click(label) || !program_->Click(L"Apply")) return false;
  if (monitor_ && !monitor_->WaitFor(WM_MON_APPLY_ALL, 10000, before + 1)) return false;
  return WaitUntilIdle();
}

}  // namespace orvix::test
