#include "apply/RecordFields.h"

#include <gtest/gtest.h>

#include "frame/VersionText.h"

namespace orvix {
namespace {

TEST(RecordFields, CoverTheWholeRecordButItsPaddingWithoutOverlap) {
  // A field added to the record but not to the list would be neither compared nor merged.
  std::size_t covered = 0, end = 0;
  for (const FieldSpan& f : ConfigRecordFields()) {
    EXPECT_GE(f.offset, end) << "fields overlap or are out of order at " << f.offset;
    end = f.offset + f.size;
    covered += f.size;
  }
  EXPECT_EQ(end, sizeof(ConfigRecord));
  constexpr std::size_t kPaddingPerProfile = 2 + 2;  // a button assignment is merged whole, padding and all
  EXPECT_EQ(covered, sizeof(ConfigRecord) - kProfiles * kPaddingPerProfile);
}

TEST(VersionText, OneFormatForStartUpAndReload) {
  EXPECT_EQ(FirmwareVersionText(114), "1.14");
  EXPECT_EQ(FirmwareVersionText(100), "1.00");
  EXPECT_EQ(FirmwareVersionText(501), "5.01");
  EXPECT_EQ(FirmwareVersionText(999), "9.99");
  for (int bad : {99, 1000, 0, -1, -2147483647 - 1, 2147483647}) EXPECT_EQ(FirmwareVersionText(bad), "N/A") << bad;
}

}  // namespace
}  // namespace orvix
