#include <gtest/gtest.h>

#include "tray/FirmwareCheck.h"

namespace orvix {

TEST(FirmwareCheck, StartsTheUpdaterOnlyWhenTheVersionsDiffer) {
  EXPECT_EQ(FirmwareUpdaterParameter(12, 12), std::nullopt);
  EXPECT_EQ(FirmwareUpdaterParameter(12, 13), 1);
  EXPECT_EQ(FirmwareUpdaterParameter(12, 11), 0);
}

TEST(FirmwareCheck, AMissingUpdaterVersionCountsAsNewer) {
  EXPECT_EQ(FirmwareUpdaterParameter(200, -1), 1);
}

TEST(FirmwareCheck, AnUnreadableOrZeroDeviceVersionNeverStartsTheUpdater) {
  EXPECT_EQ(FirmwareUpdaterParameter(std::nullopt, 5), std::nullopt);
  EXPECT_EQ(FirmwareUpdaterParameter(0, -1), std::nullopt);
}

}  // namespace orvix
