#include "FakeRegistry.h"

#include "AsciiCase.h"

namespace orvix::testing {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = LowerAscii(c);
  return text;
}

}  // namespace

FakeRegistry::KeyPath FakeRegistry::PathOf(RegistryRoot root, const std::string& subkey) {
  return {root, Lower(subkey)};
}

std::optional<Registry::KeyId> FakeRegistry::OpenKey(RegistryRoot root, const std::string& subkey,
                                                     RegistryAccess access) {
  const KeyPath name = PathOf(root, subkey);
  if (refused_.count(name) || refusedOpening_.count(name) || !keys_.count(name)) return std::nullopt;
  lastAccess = access;
  open_[nextId_] = name;
  return nextId_++;
}

std::optional<Registry::KeyId> FakeRegistry::CreateKey(RegistryRoot root, const std::string& subkey,
                                                       RegistryAccess access) {
  const KeyPath name = PathOf(root, subkey);
  if (refused_.count(name)) return std::nullopt;
  keys_[name];
  lastAccess = access;
  open_[nextId_] = name;
  return nextId_++;
}

void FakeRegistry::CloseKey(KeyId key) { open_.erase(key); }

std::optional<std::string> FakeRegistry::QueryString(KeyId key, const char* name, std::size_t capacity,
                                                     bool expand) {
  const auto open = open_.find(key);
  if (open == open_.end()) return std::nullopt;
  const auto& values = keys_[open->second];
  const auto value = values.find(Lower(name ? name : ""));
  if (value == values.end() || !value->second.isString) return std::nullopt;
  std::string text = expand && value->second.expandable ? Expand(value->second.text) : value->second.text;
  if (text.size() + 1 > capacity) return std::nullopt;  // the system reports "more data"
  return text;
}

bool FakeRegistry::SetString(KeyId key, const char* name, const std::string& text) {
  const auto open = open_.find(key);
  if (open == open_.end()) return false;
  keys_[open->second][Lower(name ? name : "")] = Value{text};
  return true;
}

void FakeRegistry::Set(RegistryRoot root, const std::string& subkey, const std::string& name, Value value) {
  keys_[PathOf(root, subkey)][Lower(name)] = std::move(value);
}

std::optional<std::string> FakeRegistry::Get(RegistryRoot root, const std::string& subkey,
                                             const std::string& name) const {
  const auto key = keys_.find(PathOf(root, subkey));
  if (key == keys_.end()) return std::nullopt;
  const auto value = key->second.find(Lower(name));
  if (value == key->second.end()) return std::nullopt;
  return value->second.text;
}

bool FakeRegistry::HasKey(RegistryRoot root, const std::string& subkey) const {
  return keys_.count(PathOf(root, subkey)) != 0;
}

void FakeRegistry::Refuse(RegistryRoot root, const std::string& subkey) { refused_.insert(PathOf(root, subkey)); }

void FakeRegistry::RefuseOpening(RegistryRoot root, const std::string& subkey) {
  refusedOpening_.insert(PathOf(root, subkey));
}

std::string FakeRegistry::Expand(const std::string& text) const {
  std::string result;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = text.find('%', i);
    const std::size_t end = start == std::string::npos ? std::string::npos : text.find('%', start + 1);
    if (end == std::string::npos) {
      result += text.substr(i);
      break;
    }
    result += text.substr(i, start - i);
    const auto variable = environment.find(text.substr(start + 1, end - start - 1));
    result += variable != environment.end() ? variable->second : text.substr(start, end - start + 1);
    i = end + 1;
  }
  return result;
}

}  // namespace orvix::testing
