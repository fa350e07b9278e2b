// The mouse's memory kept in a file, so that a restart finds what was written. A file
// that is missing, cut short or altered gives a mouse fresh from the factory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "MouseMemory.h"

namespace orvix::vmouse {

std::vector<std::uint8_t> SerializeMemory(const MouseMemory& memory);
// False (and `memory` unchanged) when the bytes are not a whole, unaltered memory image or
// hold values the mouse could never have stored.
bool ParseMemory(const std::vector<std::uint8_t>& bytes, MouseMemory& memory);

// Factory memory when the file is missing or damaged.
void LoadMemoryFile(const std::string& path, MouseMemory& memory);
// Writes a new file beside the old one and then replaces it, so that a crash while
// writing leaves the previous memory intact.
bool SaveMemoryFile(const std::string& path, const MouseMemory& memory);

}  // namespace orvix::vmouse
