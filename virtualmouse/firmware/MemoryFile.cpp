#include "MemoryFile.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace orvix::vmouse {
namespace {

constexpr char kMagic[8] = {'O', 'R', 'V', 'X', 'M', 'O', 'U', 'S'};
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::size_t kHeaderBytes = sizeof kMagic + 3 * 4;
constexpr std::size_t kMaxDatabaseBytes = std::size_t{kLightDatabaseChunks} * kLightChunkBytes;

std::uint32_t Fnv1a(const std::uint8_t* bytes, std::size_t size) {
  std::uint32_t hash = 2166136261u;
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 16777619u;
  return hash;
}

void PutU32(std::uint8_t* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetU32(const std::uint8_t* at) {
  return at[0] | (at[1] << 8) | (at[2] << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// Values the firmware itself uses as indexes or counts.
bool Plausible(const MouseState& state) {
  if (state.currentProfile >= kMouseProfiles) return false;
  for (const MouseProfile& profile : state.profiles) {
    if (profile.settings.currentLevel > 4) return false;
    for (const DeviceMacro& macro : profile.macros)
      if (macro.eventCount > kMaxMacroEvents) return false;
  }
  return true;
}

}  // namespace

std::vector<std::uint8_t> SerializeMemory(const MouseMemory& memory) {
  const std::size_t databaseBytes = memory.lightDatabase.size();
  std::vector<std::uint8_t> out(kHeaderBytes + sizeof(MouseState) + databaseBytes + 4);
  std::uint8_t* at = out.data();
  std::memcpy(at, kMagic, sizeof kMagic);
  PutU32(at + 8, kFormatVersion);
  PutU32(at + 12, sizeof(MouseState));
  PutU32(at + 16, static_cast<std::uint32_t>(databaseBytes));
  std::memcpy(at + kHeaderBytes, &memory.state, sizeof(MouseState));
  if (databaseBytes > 0) std::memcpy(at + kHeaderBytes + sizeof(MouseState), memory.lightDatabase.data(), databaseBytes);
  const std::size_t checked = out.size() - 4;
  PutU32(at + checked, Fnv1a(at, checked));
  return out;
}

bool ParseMemory(const std::vector<std::uint8_t>& bytes, MouseMemory& memory) {
  if (bytes.size() < kHeaderBytes + sizeof(MouseState) + 4) return false;
  const std::uint8_t* at = bytes.data();
  if (std::memcmp(at, kMagic, sizeof kMagic) != 0) return false;
  if (GetU32(at + 8) != kFormatVersion || GetU32(at + 12) != sizeof(MouseState)) return false;
  const std::uint32_t databaseBytes = GetU32(at + 16);
  if (databaseBytes > kMaxDatabaseBytes || databaseBytes % kLightChunkBytes != 0) return false;
  if (bytes.size() != kHeaderBytes + sizeof(MouseState) + databaseBytes + 4) return false;
  const std::size_t checked = bytes.size() - 4;
  if (GetU32(at + checked) != Fnv1a(at, checked)) return false;

  // Large: kept off the stack of whichever thread loads the library.
  auto state = std::make_unique<MouseState>();
  std::memcpy(state.get(), at + kHeaderBytes, sizeof(MouseState));
  if (!Plausible(*state)) return false;
  memory.state = *state;
  const std::uint8_t* database = at + kHeaderBytes + sizeof(MouseState);
  memory.lightDatabase.assign(database, database + databaseBytes);
  return true;
}

void LoadMemoryFile(const std::string& path, MouseMemory& memory) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes;
  if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!ParseMemory(bytes, memory)) FactoryMemory(memory);
}

bool SaveMemoryFile(const std::string& path, const MouseMemory& memory) {
  const std::vector<std::uint8_t> bytes = SerializeMemory(memory);
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) return false;
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  return !error;
}

}  // namespace orvix::vmouse
