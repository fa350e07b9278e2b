#include <gtest/gtest.h>

#include "SliderScale.h"

namespace orvix {

TEST(SliderScale, EndsOfTheRangeSitAtTheEndsOfTheTrack) {
  SliderScale sensitivity(1, 11, 1, 266, 16);  // travel 250 pixels
  EXPECT_EQ(sensitivity.ThumbLeft(1), 0);
  EXPECT_EQ(sensitivity.ThumbLeft(11), 250);
  EXPECT_EQ(sensitivity.ThumbLeft(6), 125);
  // Values out of range show at the ends.
  EXPECT_EQ(sensitivity.ThumbLeft(-40), 0);
  EXPECT_EQ(sensitivity.ThumbLeft(99), 250);
  EXPECT_EQ(sensitivity.ValueAtThumbLeft(-10), 1);
  EXPECT_EQ(sensitivity.ValueAtThumbLeft(9999), 11);
}

TEST(SliderScale, DraggingSnapsToTheNearestValue) {
  SliderScale sensitivity(1, 11, 1, 266, 16);  // 25 pixels per value
  EXPECT_EQ(sensitivity.ValueAtThumbLeft(12), 1);
  EXPECT_EQ(sensitivity.ValueAtThumbLeft(13), 2);  // past the middle between 1 and 2
  EXPECT_EQ(sensitivity.ValueAtThumbLeft(37), 2);
  EXPECT_EQ(sensitivity.ValueAtThumbLeft(38), 3);
  // Every value's own thumb position gives the value back.
  for (int v = 1; v <= 11; ++v) EXPECT_EQ(sensitivity.ValueAtThumbLeft(sensitivity.ThumbLeft(v)), v);
}

TEST(SliderScale, StepsOfMoreThanOneAndAMaximumOffTheGrid) {
  SliderScale s(0, 10, 4, 110, 10);  // allowed: 0, 4, 8, 10
  EXPECT_EQ(s.Snap(1), 0);
  EXPECT_EQ(s.Snap(2), 4);  // a tie goes up
  EXPECT_EQ(s.Snap(9), 10);
  EXPECT_EQ(s.Snap(8), 8);
  EXPECT_EQ(s.StepBy(8, 1), 10);
  EXPECT_EQ(s.StepBy(10, -1), 8);
  EXPECT_EQ(s.StepBy(0, -1), 0);
  EXPECT_EQ(s.StepBy(4, 100), 10);
  EXPECT_EQ(s.StepBy(4, -2147483647 - 1), 0);
  EXPECT_EQ(s.ValueAtThumbLeft(95), 10);  // the dragged thumb near the right lands on the maximum
}

TEST(SliderScale, PressOnTheTrackCentresTheThumbThere) {
  SliderScale volume(0, 4, 1, 102, 22);  // travel 80, 20 pixels per value
  EXPECT_EQ(volume.ValueAtPoint(11), 0);
  EXPECT_EQ(volume.ValueAtPoint(11 + 40), 2);
  EXPECT_EQ(volume.ValueAtPoint(101), 4);
  EXPECT_TRUE(volume.HitsThumb(2, 40));
  EXPECT_TRUE(volume.HitsThumb(2, 61));
  EXPECT_FALSE(volume.HitsThumb(2, 39));
  EXPECT_FALSE(volume.HitsThumb(2, 62));
}

TEST(SliderScale, DegenerateTracksAndRangesStayInRange) {
  SliderScale noTravel(1, 41, 1, 10, 30);
  EXPECT_EQ(noTravel.ThumbLeft(41), 0);
  EXPECT_EQ(noTravel.ValueAtThumbLeft(5), 1);
  SliderScale oneValue(7, 7, 1, 200, 10);
  EXPECT_EQ(oneValue.ThumbLeft(7), 0);
  EXPECT_EQ(oneValue.ValueAtPoint(150), 7);
  EXPECT_EQ(oneValue.StepBy(7, 1), 7);
  SliderScale huge(-2147483647 - 1, 2147483647, 1, 1000, 10);
  EXPECT_EQ(huge.ThumbLeft(2147483647), 990);
  EXPECT_EQ(huge.ValueAtThumbLeft(990), 2147483647);
  EXPECT_EQ(huge.ValueAtThumbLeft(0), -2147483647 - 1);
}

}  // namespace orvix
