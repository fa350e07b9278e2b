// The registry as the settings store uses it: keys opened or created under a root,
// string values read and written. The system sits behind `Registry`; tests use a fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace orvix {

enum class RegistryRoot { kLocalMachine, kCurrentUser, kCurrentConfig, kClassesRoot };
enum class RegistryAccess { kRead, kWrite, kFull };

class Registry {
 public:
  // Names an open key; only meaningful to the Registry that returned it.
  using KeyId = std::uintptr_t;

  virtual ~Registry() = default;
  virtual std::optional<KeyId> OpenKey(RegistryRoot root, const std::string& subkey, RegistryAccess access) = 0;
  virtual std::optional<KeyId> CreateKey(RegistryRoot root, const std::string& subkey, RegistryAccess access) = 0;
  virtual void CloseKey(KeyId key) = 0;
  // A string value (REG_SZ or REG_EXPAND_SZ; with `expand` the variables of a
  // REG_EXPAND_SZ are expanded). Nullopt when it is missing, of another type, or does
  // not fit with its terminator into `capacity` bytes: a long value never overruns.
  virtual std::optional<std::string> QueryString(KeyId key, const char* name, std::size_t capacity, bool expand) = 0;
  // Sets a REG_SZ value.
  virtual bool SetString(KeyId key, const char* name, const std::string& text) = 0;
};

// The owner of one open key: closes it when it goes away. Move-only.
class RegKey {
 public:
  RegKey() = default;
  RegKey(Registry& registry, Registry::KeyId id) : registry_(&registry), id_(id) {}
  RegKey(RegKey&& other) noexcept : registry_(std::exchange(other.registry_, nullptr)), id_(other.id_) {}
  RegKey& operator=(RegKey&& other) noexcept {
    if (this != &other) {
      Close();
      registry_ = std::exchange(other.registry_, nullptr);
      id_ = other.id_;
    }
    return *this;
  }
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() { Close(); }

  explicit operator bool() const { return registry_ != nullptr; }
  Registry* registry() const { return registry_; }
  Registry::KeyId id() const { return id_; }

  void Close() {
    if (registry_) std::exchange(registry_, nullptr)->CloseKey(id_);
  }

 private:
  Registry* registry_ = nullptr;
  Registry::KeyId id_ = 0;
};

// Registry strings are read through a buffer of this size.
constexpr std::size_t kRegStringBufferSize = 80;

// Opens the key with full access; when that fails, creates it. An empty key on failure.
RegKey OpenOrCreateKey(Registry& registry, RegistryRoot root, const std::string& subkey);
// The value through an 80-byte buffer: nullopt when missing or 80 bytes or longer.
std::optional<std::string> ReadRegString(const RegKey& key, const char* name);
bool WriteRegString(const RegKey& key, const char* name, const std::string& text);

struct RegistryPath {
  RegistryRoot root;
  std::string subkey;
};

// Splits a path at its first backslash. A first part naming, in any case,
// HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER, HKEY_CURRENT_CONFIG or HKEY_CLASSES_ROOT selects
// that root and the rest is the subkey; any other path is a subkey of HKEY_LOCAL_MACHINE.
RegistryPath ParseRegistryPath(std::string_view path);

// A key opened by its full path and kept open: the monitor holds one on
// "HKEY_CURRENT_USER\Control Panel\Mouse" for its lifetime, the player functions another.
class RegistryKey {
 public:
  explicit RegistryKey(Registry& registry) : registry_(registry) {}

  // Closes any open key, then opens the path with `access`, or creates it when it
  // cannot be opened.
  bool Open(std::string_view path, RegistryAccess access);
  // Copy the value into `buffer` (always terminated) when it fits into `size` bytes;
  // false when no key is open or the value is missing, of another type or too long.
  bool ReadExpandString(const char* name, char* buffer, std::size_t size) const;
  bool ReadString(const char* name, char* buffer, std::size_t size) const;
  bool WriteString(const char* name, const std::string& text) const;
  void Close();

  bool IsOpen() const { return static_cast<bool>(key_); }
  RegistryRoot Root() const { return root_; }
  const std::string& Subkey() const { return subkey_; }

 private:
  bool Read(const char* name, char* buffer, std::size_t size, bool expand) const;

  Registry& registry_;
  RegKey key_;
  RegistryRoot root_ = RegistryRoot::kLocalMachine;
  std::string subkey_;
};

}  // namespace orvix
