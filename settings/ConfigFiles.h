// The files both programs write ("config.ini", the profile files, "DeviceInfo.ini"): each
// is replaced whole, so that a kill or a full disk at any moment leaves the complete old
// or the complete new file, and the writers of both programs take turns through one lock
// so that neither loses the other's keys.
#pragma once

#include <optional>
#include <string>

namespace orvix {

class ConfigFiles {
 public:
  virtual ~ConfigFiles() = default;
  // The whole file; nullopt when it cannot be read (a missing file among them).
  virtual std::optional<std::string> Read(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // Writes `content` beside the file, flushes it and moves it over the file in one step.
  // False, with the file as it was, when any step fails.
  virtual bool Replace(const std::string& path, const std::string& content) = 0;
  virtual bool Remove(const std::string& path) = 0;
  // The writers' lock, held from reading a file to replacing it; a bounded wait. False
  // when it was not obtained in time (a hung peer): the caller then writes nothing.
  virtual bool Lock() = 0;
  virtual void Unlock() = 0;
};

// The files of the host's own file system, for the portable tests: the lock is the
// process's own.
class HostConfigFiles final : public ConfigFiles {
 public:
  std::optional<std::string> Read(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool Replace(const std::string& path, const std::string& content) override;
  bool Remove(const std::string& path) override;
  bool Lock() override;
  void Unlock() override;

 private:
  bool locked_ = false;
};

}  // namespace orvix
