// The light colour database file, read whole before its upload. Its content is opaque.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvix {

// The most the chunk numbers of report 26 (16 bits) can address.
constexpr std::size_t kMaxLightDatabaseBytes = std::size_t{65536} * 1024;

// The whole file; nothing when it is missing, larger than the chunks can address, or
// cannot be read to its end.
std::optional<std::vector<std::uint8_t>> ReadLightDatabase(const std::string& path);

}  // namespace orvix
