// The Registry of the programs: the Windows registry functions.
#pragma once

#include <windows.h>

#include "Registry.h"

namespace orvix {

class SystemRegistry final : public Registry {
 public:
  SystemRegistry() = default;
  // Keys of HKEY_CURRENT_USER go under `currentUser` instead: tests use a scratch key, so
  // that the user's real settings are never touched. The key must outlive this object.
  explicit SystemRegistry(HKEY currentUser) : currentUser_(currentUser) {}

  std::optional<KeyId> OpenKey(RegistryRoot root, const std::string& subkey, RegistryAccess access) override;
  std::optional<KeyId> CreateKey(RegistryRoot root, const std::string& subkey, RegistryAccess access) override;
  void CloseKey(KeyId key) override;
  std::optional<std::string> QueryString(KeyId key, const char* name, std::size_t capacity, bool expand) override;
  bool SetString(KeyId key, const char* name, const std::string& text) override;

 private:
  HKEY RootKey(RegistryRoot root) const;

  HKEY currentUser_ = HKEY_CURRENT_USER;
};

}  // namespace orvix
