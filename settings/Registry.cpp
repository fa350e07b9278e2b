#include "Registry.h"

#include "AsciiCase.h"
#include "FixedText.h"

namespace orvix {
namespace {

RegKey OpenOrCreate(Registry& registry, RegistryRoot root, const std::string& subkey, RegistryAccess access) {
  std::optional<Registry::KeyId> id = registry.OpenKey(root, subkey, access);
  if (!id) id = registry.CreateKey(root, subkey, access);
  return id ? RegKey(registry, *id) : RegKey();
}

}  // namespace

RegKey OpenOrCreateKey(Registry& registry, RegistryRoot root, const std::string& subkey) {
  return OpenOrCreate(registry, root, subkey, RegistryAccess::kFull);
}

std::optional<std::string> ReadRegString(const RegKey& key, const char* name) {
  if (!key) return std::nullopt;
  return key.registry()->QueryString(key.id(), name, kRegStringBufferSize, false);
}

bool WriteRegString(const RegKey& key, const char* name, const std::string& text) {
  return key && key.registry()->SetString(key.id(), name, text);
}

RegistryPath ParseRegistryPath(std::string_view path) {
  static constexpr std::pair<std::string_view, RegistryRoot> kRoots[] = {
      {"HKEY_LOCAL_MACHINE", RegistryRoot::kLocalMachine},
      {"HKEY_CURRENT_USER", RegistryRoot::kCurrentUser},
      {"HKEY_CURRENT_CONFIG", RegistryRoot::kCurrentConfig},
      {"HKEY_CLASSES_ROOT", RegistryRoot::kClassesRoot},
  };
  const std::size_t slash = path.find('\\');
  const std::string_view first = path.substr(0, slash);
  for (const auto& [name, root] : kRoots)
    if (EqualIgnoringCase(first, name))
      return {root, slash == std::string_view::npos ? std::string() : std::string(path.substr(slash + 1))};
  return {RegistryRoot::kLocalMachine, std::string(path)};
}

bool RegistryKey::Open(std::string_view path, RegistryAccess access) {
  Close();
  RegistryPath parsed = ParseRegistryPath(path);
  key_ = OpenOrCreate(registry_, parsed.root, parsed.subkey, access);
  if (!key_) return false;
  root_ = parsed.root;
  subkey_ = std::move(parsed.subkey);
  return true;
}

bool RegistryKey::Read(const char* name, char* buffer, std::size_t size, bool expand) const {
  if (!key_ || size == 0) return false;
  const std::optional<std::string> value = registry_.QueryString(key_.id(), name, size, expand);
  if (!value) return false;
  CopyFixedText(buffer, size, *value);
  return true;
}

bool RegistryKey::ReadExpandString(const char* name, char* buffer, std::size_t size) const {
  return Read(name, buffer, size, true);
}

bool RegistryKey::ReadString(const char* name, char* buffer, std::size_t size) const {
  return Read(name, buffer, size, false);
}

bool RegistryKey::WriteString(const char* name, const std::string& text) const {
  return WriteRegString(key_, name, text);
}

void RegistryKey::Close() {
  key_.Close();
  subkey_.clear();
}

}  // namespace orvix
