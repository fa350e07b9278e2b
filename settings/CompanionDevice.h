// A device of the companion application's list, as kept in memory and in "DeviceInfo.ini".
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvix {

constexpr int kMaxCompanionDevices = 100;
constexpr int kCompanionNameSize = 20;  // at most 19 characters and the terminator

#pragma pack(push, 1)

struct CompanionDevice {
  std::uint16_t VID;
  std::uint16_t PID;  // the key of the list; stored in a slot's companion-device field
  char Name[kCompanionNameSize];
  std::int32_t Cpi[5];
};

struct CompanionDeviceList {
  std::int32_t count;  // 0..kMaxCompanionDevices
  CompanionDevice devices[kMaxCompanionDevices];
};

#pragma pack(pop)

static_assert(sizeof(CompanionDevice) == 44);
static_assert(offsetof(CompanionDevice, Name) == 4);
static_assert(offsetof(CompanionDevice, Cpi) == 24);

}  // namespace orvix
