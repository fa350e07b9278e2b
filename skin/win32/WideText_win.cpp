// Text conversions through MultiByteToWideChar and WideCharToMultiByte.
#include "WideText_win.h"

#include <windows.h>

namespace orvix {
namespace {

std::wstring Widen(std::string_view text, UINT codePage) {
  if (text.empty()) return {};
  int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) { return Widen(text, CP_UTF8); }
std::wstring WideFromAnsi(std::string_view text) { return Widen(text, CP_ACP); }

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  int length = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                     nullptr);
  if (length <= 0) return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length, nullptr,
                        nullptr);
  return narrow;
}

}  // namespace orvix
