#include "StringResource_win.h"

#include <algorithm>
#include <cstddef>

namespace orvix {
namespace {

// Whether all of [start, start + size) is committed, readable memory. The resource
// directory can point anywhere inside or outside the library's image.
bool IsReadable(const void* start, std::size_t size) {
  const auto* at = static_cast<const char*>(start);
  const char* const end = at + size;
  while (at < end) {
    MEMORY_BASIC_INFORMATION region{};
    if (::VirtualQuery(at, &region, sizeof region) != sizeof region) return false;
    if (region.State != MEM_COMMIT || (region.Protect & (PAGE_NOACCESS | PAGE_GUARD)) != 0) return false;
    at = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
  }
  return true;
}

}  // namespace

ModuleHandle LoadLibraryAsData(const std::wstring& path) {
  return ModuleHandle(::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

std::wstring ReadStringResource(HMODULE library, int id) {
  if (!library || id < 0 || id > 0xFFFF) return {};
  // Strings come in blocks of 16, block n + 1 holding identifiers 16n to 16n + 15, each
  // string a length followed by that many UTF-16 units. LoadString would trust those
  // lengths; here each is checked against the block's size.
  HRSRC info = ::FindResourceW(library, MAKEINTRESOURCEW((id >> 4) + 1), MAKEINTRESOURCEW(6));  // RT_STRING
  if (!info) return {};
  const DWORD bytes = ::SizeofResource(library, info);
  const auto* block = static_cast<const WCHAR*>(::LockResource(::LoadResource(library, info)));
  if (!block || bytes == 0 || !IsReadable(block, bytes)) return {};

  const std::size_t units = bytes / sizeof(WCHAR);
  std::size_t at = 0;
  for (int skip = id & 15; skip > 0; --skip) {
    if (at >= units) return {};
    at += 1 + std::size_t{block[at]};
  }
  if (at >= units) return {};
  const std::size_t length = block[at];
  if (length > units - at - 1) return {};  // runs past its block

  WCHAR buffer[kTextBufferSize];
  const std::size_t kept = std::min<std::size_t>(length, kTextBufferSize - 1);
  std::copy_n(block + at + 1, kept, buffer);
  return std::wstring(buffer, buffer + kept);
}

}  // namespace orvix
