// An in-memory registry for tests. Keys and value names compare without case, as in the
// system; keys can be made to fail, and the keys left open are counted so that a test
// can prove every key it opened was closed again.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "Registry.h"

namespace orvix::testing {

class FakeRegistry : public Registry {
 public:
  struct Value {
    std::string text;
    bool expandable = false;  // REG_EXPAND_SZ
    bool isString = true;     // false: some other type, such as REG_DWORD
  };

  std::optional<KeyId> OpenKey(RegistryRoot root, const std::string& subkey, RegistryAccess access) override;
  std::optional<KeyId> CreateKey(RegistryRoot root, const std::string& subkey, RegistryAccess access) override;
  void CloseKey(KeyId key) override;
  std::optional<std::string> QueryString(KeyId key, const char* name, std::size_t capacity, bool expand) override;
  bool SetString(KeyId key, const char* name, const std::string& text) override;

  // Test side: values by root and key path.
  void Set(RegistryRoot root, const std::string& subkey, const std::string& name, Value value);
  void Set(RegistryRoot root, const std::string& subkey, const std::string& name, const std::string& text) {
    Set(root, subkey, name, Value{text});
  }
  std::optional<std::string> Get(RegistryRoot root, const std::string& subkey, const std::string& name) const;
  bool HasKey(RegistryRoot root, const std::string& subkey) const;
  // A key that can be neither opened nor created.
  void Refuse(RegistryRoot root, const std::string& subkey);
  // Keys that exist but cannot be opened (so they are created, or "created", instead).
  void RefuseOpening(RegistryRoot root, const std::string& subkey);

  int OpenKeys() const { return static_cast<int>(open_.size()); }
  // The access of the last successful open or create.
  RegistryAccess lastAccess = RegistryAccess::kRead;

  // Environment variables that REG_EXPAND_SZ values may name ("%NAME%").
  std::map<std::string, std::string> environment;

 private:
  using KeyPath = std::pair<RegistryRoot, std::string>;  // subkey in lower case
  static KeyPath PathOf(RegistryRoot root, const std::string& subkey);
  std::string Expand(const std::string& text) const;

  std::map<KeyPath, std::map<std::string, Value>> keys_;  // value names in lower case
  std::set<KeyPath> refused_, refusedOpening_;
  std::map<KeyId, KeyPath> open_;
  KeyId nextId_ = 1;
};

}  // namespace orvix::testing
