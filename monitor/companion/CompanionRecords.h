// The WM_COPYDATA records exchanged with the companion application.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ProfileRecord.h"

namespace orvix {

// How the companion application recognises our mouse.
constexpr std::uint16_t kOrvixOneVendorId = 0x2F4E;
constexpr std::uint16_t kOrvixOneProductId = 0x0A11;

constexpr std::uint32_t kCompanionCopyDataBase = 0x07970000;  // dwData = base + record type
constexpr std::uintptr_t kCompanionCopyDataWParam = 2024;

enum CompanionRecordType : std::uint32_t {
  kRecordDeviceConnected = 3,
  kRecordDeviceNotConnected = 4,
  kRecordDpiTable = 5,
};

// Types 3, 4 and 5: vendor, product, our window handle, the current profile's five DPI values.
std::vector<std::uint8_t> EncodeDeviceRecord(std::uint32_t monitorWindow, const ProfileRecord* current);

// A button function: type 245, 246, 140, 141 or 0 with its 16-bit parameter; `eventHighByte`
// is 0 for a press.
std::vector<std::uint8_t> EncodeButtonFunctionRecord(std::uint8_t type, std::uint16_t parameter,
                                                     std::uint8_t eventHighByte);

// A device record from the companion application: exactly 64 bytes.
struct CompanionDeviceRecord {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
  std::u16string name;  // up to 20 UTF-16 units, without the zero padding
  std::array<std::int32_t, 5> cpi{};
};
std::optional<CompanionDeviceRecord> DecodeCompanionDeviceRecord(const void* data, std::size_t size);

}  // namespace orvix
