// Settings of the outside on-screen-display program. Both programs only read and carry
// them; the two values at 28 and 32 are forwarded to the OSD program after an apply.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvix {

#pragma pack(push, 1)

struct OsdSettings {
  std::uint8_t leading[28];
  std::int32_t forwardedValue1;
  std::int32_t forwardedValue2;
  char text1[100];
  std::int32_t value136;   // default 110
  char text2[100];
  char text3[100];
  std::int32_t value340;   // default 5
};

#pragma pack(pop)

static_assert(sizeof(OsdSettings) == 344);
static_assert(offsetof(OsdSettings, forwardedValue1) == 28);
static_assert(offsetof(OsdSettings, forwardedValue2) == 32);
static_assert(offsetof(OsdSettings, text1) == 36);
static_assert(offsetof(OsdSettings, value136) == 136);
static_assert(offsetof(OsdSettings, text2) == 140);
static_assert(offsetof(OsdSettings, text3) == 240);
static_assert(offsetof(OsdSettings, value340) == 340);

}  // namespace orvix
