// The configuration files of an install folder as the tests see them: their bytes, single
// values of "config.ini", and a configuration written as the programs write it.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "ConfigRecord.h"

namespace orvix::test {

// The bytes of a file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// The integer of `key` in `section` of INI text, or nothing when it is not there.
std::optional<int> IniInt(const std::string& content, const std::string& section, const std::string& key);
// The same read from the file "config.ini" of `folder`, section "Setting".
std::optional<int> ConfigInt(const std::string& folder, const std::string& key);

// "config.ini" and the five profile files of `folder` (a trailing backslash), by name;
// a file that does not exist has no entry.
std::map<std::string, std::string> ConfigurationFiles(const std::string& folder);

// Writes `config` into "config.ini" and "config\Default0.nmp".."Default4.nmp" of `folder`
// through the settings store, as the programs save it. False when a file was not written.
bool WriteConfiguration(const std::string& folder, const ConfigRecord& config);

// A sane configuration: slot p from its defaults, named kSlotNames[p]; slot `current` is
// the current profile, English the language, no Windows profile.
std::unique_ptr<ConfigRecord> SaneConfiguration(int current = 1);
inline constexpr const char* kSlotNames[] = {"Alpha Raid", "Bravo Snipe", "Charlie Desk", "Delta Race", "Echo Paint"};

}  // namespace orvix::test
