#include "CompanionRecords.h"

namespace orvix {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t Get32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

std::vector<std::uint8_t> EncodeDeviceRecord(std::uint32_t monitorWindow, const ProfileRecord* current) {
  std::vector<std::uint8_t> out;
  out.reserve(28);
  Put16(out, kOrvixOneVendorId);
  Put16(out, kOrvixOneProductId);
  Put32(out, monitorWindow);
  for (int level = 0; level < kDpiLevels; ++level)
    Put32(out, current ? static_cast<std::uint32_t>(current->CpiLevel_X[level] * 200) : 0);
  return out;
}

std::vector<std::uint8_t> EncodeButtonFunctionRecord(std::uint8_t type, std::uint16_t parameter,
                                                     std::uint8_t eventHighByte) {
  std::vector<std::uint8_t> out;
  out.reserve(10);
  Put16(out, kOrvixOneVendorId);
  Put16(out, kOrvixOneProductId);
  out.push_back(type);
  Put16(out, kOrvixOneVendorId);
  Put16(out, parameter);
  out.push_back(eventHighByte);
  return out;
}

std::optional<CompanionDeviceRecord> DecodeCompanionDeviceRecord(const void* data, std::size_t size) {
  if (!data || size != 64) return std::nullopt;
  const auto* p = static_cast<const std::uint8_t*>(data);
  CompanionDeviceRecord record;
  record.vendorId = static_cast<std::uint16_t>(p[0] | p[1] << 8);
  record.productId = static_cast<std::uint16_t>(p[2] | p[3] << 8);
  for (int i = 0; i < 20; ++i) {
    const auto unit = static_cast<char16_t>(p[4 + 2 * i] | p[5 + 2 * i] << 8);
    if (unit == 0) break;  // the name may also fill all 20 units without a terminator
    record.name.push_back(unit);
  }
  for (int i = 0; i < 5; ++i) record.cpi[i] = static_cast<std::int32_t>(Get32(p + 44 + 4 * i));
  return record;
}

}  // namespace orvix
