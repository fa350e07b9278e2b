#include "IniStore_win.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>

namespace orvix {
namespace {

// The system looks for a file given without its full path in the Windows folder; a
// configuration file must never be read from or written there.
bool Refused(const std::string& path) { return path.empty() || ::PathIsRelativeA(path.c_str()); }

}  // namespace

std::string PrivateProfileStore::ReadString(const std::string& path, const char* section, const char* key,
                                            const char* defaultValue, std::size_t capacity) {
  if (capacity == 0) return {};
  if (Refused(path)) return std::string(defaultValue ? defaultValue : "").substr(0, capacity - 1);
  std::string buffer(capacity, '\0');
  const DWORD length = ::GetPrivateProfileStringA(section, key, defaultValue ? defaultValue : "", buffer.data(),
                                                  static_cast<DWORD>(capacity), path.c_str());
  buffer.resize(length < capacity ? length : capacity - 1);
  return buffer;
}

bool PrivateProfileStore::WriteString(const std::string& path, const char* section, const char* key,
                                      const char* value) {
  if (Refused(path)) return false;
  return ::WritePrivateProfileStringA(section, key, value ? value : "", path.c_str()) != FALSE;
}

std::int32_t PrivateProfileStore::ReadInt(const std::string& path, const char* section, const char* key,
                                          std::int32_t defaultValue) {
  if (Refused(path)) return defaultValue;
  return static_cast<std::int32_t>(::GetPrivateProfileIntA(section, key, defaultValue, path.c_str()));
}

bool PrivateProfileStore::ReadStruct(const std::string& path, const char* section, const char* key, void* data,
                                     std::size_t size) {
  if (Refused(path)) return false;
  // The system may write decoded bytes before it finds the checksum wrong.
  std::string decoded(size, '\0');
  if (!::GetPrivateProfileStructA(section, key, decoded.data(), static_cast<UINT>(size), path.c_str())) return false;
  if (size != 0) std::memcpy(data, decoded.data(), size);
  return true;
}

bool PrivateProfileStore::WriteStruct(const std::string& path, const char* section, const char* key,
                                      const void* data, std::size_t size) {
  if (Refused(path)) return false;
  return ::WritePrivateProfileStructA(section, key, const_cast<void*>(data), static_cast<UINT>(size), path.c_str()) !=
         FALSE;
}

std::vector<std::string> PrivateProfileStore::SectionNames(const std::string& path, std::size_t capacity) {
  std::vector<std::string> names;
  if (capacity < 2 || Refused(path)) return names;
  std::string buffer(capacity, '\0');
  const DWORD length = ::GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(capacity), path.c_str());
  // Names, each with its terminator; a cut name at the end of a full buffer is dropped.
  const std::size_t end = length < capacity ? length : capacity - 2;
  for (std::size_t at = 0; at < end;) {
    const std::size_t terminator = buffer.find('\0', at);
    if (terminator == std::string::npos || terminator > end) break;
    if (terminator > at) names.push_back(buffer.substr(at, terminator - at));
    at = terminator + 1;
  }
  return names;
}

}  // namespace orvix
