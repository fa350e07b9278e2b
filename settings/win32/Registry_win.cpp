#include "Registry_win.h"

#include "FixedText.h"
#include "WinHandles.h"

namespace orvix {
namespace {

REGSAM AccessMask(RegistryAccess access) {
  switch (access) {
    case RegistryAccess::kRead: return KEY_READ;
    case RegistryAccess::kWrite: return KEY_WRITE;
    default: return KEY_ALL_ACCESS;
  }
}

HKEY KeyOf(Registry::KeyId id) { return reinterpret_cast<HKEY>(id); }

std::optional<Registry::KeyId> Handed(RegKeyHandle key) {
  if (!key) return std::nullopt;
  return reinterpret_cast<Registry::KeyId>(key.release());  // from here on a RegKey owns it
}

}  // namespace

HKEY SystemRegistry::RootKey(RegistryRoot root) const {
  switch (root) {
    case RegistryRoot::kCurrentUser: return currentUser_;
    case RegistryRoot::kCurrentConfig: return HKEY_CURRENT_CONFIG;
    case RegistryRoot::kClassesRoot: return HKEY_CLASSES_ROOT;
    default: return HKEY_LOCAL_MACHINE;
  }
}

std::optional<Registry::KeyId> SystemRegistry::OpenKey(RegistryRoot root, const std::string& subkey,
                                                       RegistryAccess access) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(RootKey(root), subkey.c_str(), 0, AccessMask(access), &key) != ERROR_SUCCESS) return std::nullopt;
  return Handed(RegKeyHandle(key));
}

std::optional<Registry::KeyId> SystemRegistry::CreateKey(RegistryRoot root, const std::string& subkey,
                                                         RegistryAccess access) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(RootKey(root), subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, AccessMask(access),
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
    return std::nullopt;
  return Handed(RegKeyHandle(key));
}

void SystemRegistry::CloseKey(KeyId key) { RegKeyHandle closing(KeyOf(key)); }

std::optional<std::string> SystemRegistry::QueryString(KeyId key, const char* name, std::size_t capacity,
                                                       bool expand) {
  if (capacity == 0) return std::nullopt;
  std::string buffer(capacity, '\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(capacity);
  // Too long a value fails with ERROR_MORE_DATA instead of running past the buffer.
  if (::RegQueryValueExA(KeyOf(key), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  // A stored string need not carry its terminator; it must still fit with one.
  const std::string_view text = FixedTextView(buffer.data(), size);
  if (text.size() >= capacity) return std::nullopt;
  if (!expand || type != REG_EXPAND_SZ) return std::string(text);

  const std::string unexpanded(text);
  std::string expanded(capacity, '\0');
  const DWORD needed = ::ExpandEnvironmentStringsA(unexpanded.c_str(), expanded.data(), static_cast<DWORD>(capacity));
  if (needed == 0 || needed > capacity) return std::nullopt;
  expanded.resize(needed - 1);
  return expanded;
}

bool SystemRegistry::SetString(KeyId key, const char* name, const std::string& text) {
  return ::RegSetValueExA(KeyOf(key), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

}  // namespace orvix
