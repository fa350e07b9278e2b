// The text of one INI file in memory, read and edited as the Windows private-profile
// functions do (see TextIniStore for the rules). Any content is accepted.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvix {

class IniDocument {
 public:
  explicit IniDocument(std::string_view content = {});

  // The stored text of a key without quote handling, cut at a NUL; nullopt when the
  // section or the key is missing or the key line has no "=".
  std::optional<std::string> RawValue(std::string_view section, std::string_view key) const;
  // Rewrites the key in place, or appends it to its section, or appends the section.
  void Write(std::string_view section, std::string_view key, std::string_view value);
  // The section names that fit, each with its terminator, into `capacity` bytes.
  std::vector<std::string> SectionNames(std::size_t capacity) const;
  // Every line with CR LF.
  std::string Text() const;

 private:
  std::vector<std::string_view> Views() const;
  std::vector<std::string> lines_;
};

}  // namespace orvix
