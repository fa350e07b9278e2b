#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ProfileFile.h"
#include "pages/color/ColorPageModel.h"
#include "pages/color/ColourStrip.h"

namespace orvix::color_page {
namespace {

ProfileRecord Sane(int slot = 0) {
  ProfileRecord p;
  std::memset(&p, 0, sizeof p);
  InitDefaultProfile(p, slot);
  p.CustomLightInfo[0] = {0, 1, 10, 20, 30};
  return p;
}

// The bytes in which two records differ, as "offset..end" ranges, so that a control that
// touched one byte too many names it.
std::string Difference(const ProfileRecord& a, const ProfileRecord& b) {
  const auto* x = reinterpret_cast<const unsigned char*>(&a);
  const auto* y = reinterpret_cast<const unsigned char*>(&b);
  std::string ranges;
  for (std::size_t i = 0; i < sizeof a;) {
    if (x[i] == y[i]) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < sizeof a && x[end] != y[end]) ++end;
    ranges += std::to_string(i) + ".." + std::to_string(end) + " ";
    i = end;
  }
  return ranges;
}

TEST(PaletteColour, GoesIntoTheFirstEntryOrAllFourAndKeepsTheOnFlags) {
  ProfileRecord p = Sane(3);
  p.LightInfo[0].on = 0;
  p.LightInfo[2].on = 7;
  ProfileRecord expected = p;

  p.UseColorForAll = 1;
  expected.UseColorForAll = 1;
  SetPaletteColour(p, 7);
  for (LightEntry& entry : expected.LightInfo) {
    entry.paletteIndex = 7;
    entry.red = 255;
    entry.green = 0;
    entry.blue = 0;
  }
  EXPECT_EQ(Difference(p, expected), "");

  p.UseColorForAll = 0;
  expected.UseColorForAll = 0;
  SetPaletteColour(p, 16);  // the mouse gets the device colour, not the one shown
  expected.LightInfo[0] = {16, 0, 0, 250, 250};
  EXPECT_EQ(Difference(p, expected), "");

  // Any other value than 1 is "only the first entry".
  p.UseColorForAll = -1;
  expected.UseColorForAll = -1;
  SetPaletteColour(p, 2);
  expected.LightInfo[0] = {2, 0, 0, 0, 255};
  EXPECT_EQ(Difference(p, expected), "");
}

TEST(PaletteColour, AnIndexOutsideThePaletteIsTheNearestColour) {
  ProfileRecord p = Sane();
  SetPaletteColour(p, 40);
  EXPECT_EQ(p.LightInfo[0].paletteIndex, 32);
  EXPECT_EQ((Rgb{p.LightInfo[0].red, p.LightInfo[0].green, p.LightInfo[0].blue}), (Rgb{250, 0, 25}));
  SetPaletteColour(p, -2147483647 - 1);
  EXPECT_EQ(p.LightInfo[0].paletteIndex, 0);
  EXPECT_EQ(PaletteDisplayColour(99), PaletteDisplayColour(32));
}

struct ControlCase {
  const char* name;
  std::function<Reaction(ProfileRecord&)> use;
  std::function<void(ProfileRecord&)> expect;  // the fields the control writes
  Reaction reaction;
};

TEST(ColorPageControls, EachChangesExactlyItsFieldsAndReactsAsTheTableSays) {
  const Reaction movesOnly{true, false, false}, flow{true, false, true}, again{true, true, true};
  const std::vector<ControlCase> cases = {
      {"Random multi color", [](ProfileRecord& p) { return ChooseEffectMode(p, 2); },
       [](ProfileRecord& p) { p.LightEffectMode = 3; }, movesOnly},
      {"Flow direction Left", [](ProfileRecord& p) { return ChooseFlow(p, 4); },
       [](ProfileRecord& p) { p.LightColorFlow = 4; }, flow},
      {"All light Off", [](ProfileRecord& p) { return ChooseEffectType(p, 0); },
       [](ProfileRecord& p) { p.LightEffectType = 0; }, again},
      {"Heartbeat", [](ProfileRecord& p) { return ChooseEffectType(p, 4); },
       [](ProfileRecord& p) { p.LightEffectType = 4; }, again},
      {"Choose a custom color", [](ProfileRecord& p) { return ChooseColourSource(p, 1); },
       [](ProfileRecord& p) { p.LtChoseType = 1; }, again},
      {"custom colour button", [](ProfileRecord& p) { return ChooseCustomColour(p); },
       [](ProfileRecord& p) { p.LtChoseType = 1; }, again},
      {"color13 while custom", [](ProfileRecord& p) {
         p.LtChoseType = 1;
         return ChoosePaletteColour(p, 12);
       },
       [](ProfileRecord& p) { p.LightInfo[0] = {12, 1, 24, 166, 42}; }, again},
      {"blue box", [](ProfileRecord& p) { return SetCustomChannel(p, Channel::kBlue, 77); },
       [](ProfileRecord& p) { p.CustomLightInfo[0].blue = 77; }, again},
      {"red box past its range", [](ProfileRecord& p) { return SetCustomChannel(p, Channel::kRed, 300); },
       [](ProfileRecord& p) { p.CustomLightInfo[0].red = 255; }, again},
      {"green box below its range", [](ProfileRecord& p) { return SetCustomChannel(p, Channel::kGreen, -4); },
       [](ProfileRecord& p) { p.CustomLightInfo[0].green = 0; }, again},
      {"strip", [](ProfileRecord& p) { return TakePickedColour(p, {1, 2, 3}); },
       [](ProfileRecord& p) {
         p.CustomLightInfo[0].red = 1;
         p.CustomLightInfo[0].green = 2;
         p.CustomLightInfo[0].blue = 3;
       },
       again},
      // Out of range: nothing changes and nothing follows.
      {"effect mode 3", [](ProfileRecord& p) { return ChooseEffectMode(p, 3); }, [](ProfileRecord&) {}, {}},
      {"flow -1", [](ProfileRecord& p) { return ChooseFlow(p, -1); }, [](ProfileRecord&) {}, {}},
      {"effect type 5", [](ProfileRecord& p) { return ChooseEffectType(p, 5); }, [](ProfileRecord&) {}, {}},
      {"source 2", [](ProfileRecord& p) { return ChooseColourSource(p, 2); }, [](ProfileRecord&) {}, {}},
      {"palette 33", [](ProfileRecord& p) { return ChoosePaletteColour(p, 33); }, [](ProfileRecord&) {}, {}},
  };
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    ProfileRecord p = Sane(1);
    ProfileRecord expected = p;
    const Reaction reaction = c.use(p);
    c.expect(expected);
    EXPECT_EQ(Difference(p, expected), "");
    EXPECT_EQ(reaction, c.reaction);
  }
}

TEST(ColorPageControls, AllLightOffTurnsTheSlotSwatchBlackAndAPaletteClickBringsItBack) {
  ProfileRecord p = Sane(2);
  ChooseCustomColour(p);
  EXPECT_EQ(SlotSwatchColour(p), (Rgb{10, 20, 30}));
  ChooseEffectType(p, 0);
  EXPECT_EQ(SlotSwatchColour(p), Rgb{});
  ChooseEffectType(p, 2);
  ChoosePaletteColour(p, 20);
  EXPECT_EQ(SlotSwatchColour(p), (Rgb{100, 158, 240}));  // the colour shown, not the device's
}

TEST(ColorPageView, ShowsTheProfileAndNothingForValuesThePageLacks) {
  ProfileRecord p = Sane(4);
  View view = ViewOf(p);
  EXPECT_EQ(view.selectedPalette, 15);
  EXPECT_EQ(view.effectType, 1);
  EXPECT_EQ(view.colourSource, 0);
  EXPECT_EQ(view.custom, (Rgb{10, 20, 30}));

  p.LightInfo[0].paletteIndex = 255;  // what the device reports for a custom colour
  p.LightEffectType = 9;
  p.LtChoseType = -3;
  view = ViewOf(p);
  EXPECT_EQ(view.selectedPalette, -1);
  EXPECT_EQ(view.effectType, -1);
  EXPECT_EQ(view.colourSource, 1);
}

// A strip whose picture is a colour per point, white at its left end.
Rgb StripColour(StripPoint point) {
  if (point.x < 10) return {255, 255, 255};
  return {static_cast<std::uint8_t>(point.x), static_cast<std::uint8_t>(point.y), 9};
}

TEST(ColourStripPicking, PicksWithinReachAtTheNearestPointOfTheArea) {
  ColourStrip strip;
  EXPECT_EQ(strip.marker(), (StripPoint{65, 7}));

  // Just outside the area, on both sides of the reach.
  EXPECT_FALSE(strip.Press({2, 12}, StripColour).repaint);
  EXPECT_FALSE(strip.dragging());
  ColourStrip::Outcome outcome = strip.Press({172, 24}, StripColour);
  EXPECT_TRUE(strip.dragging());
  ASSERT_TRUE(outcome.picked.has_value());
  EXPECT_EQ(*outcome.picked, (Rgb{169, 21, 9}));
  EXPECT_EQ(strip.marker(), (StripPoint{163, 15}));
  strip.Release();
  EXPECT_FALSE(strip.Press({173, 12}, StripColour).repaint);
  EXPECT_FALSE(strip.Press({80, 25}, StripColour).repaint);
  EXPECT_TRUE(strip.Press({80, 3}, StripColour).repaint);
  EXPECT_EQ(strip.marker(), (StripPoint{74, 0}));
  EXPECT_EQ(strip.picked(), (Rgb{80, 6, 9}));
}

TEST(ColourStripPicking, DragsUntilReleasedAndWhitePicksNothing) {
  ColourStrip strip;
  EXPECT_FALSE(strip.Move({50, 10}, StripColour).repaint) << "moved without a press";
  ASSERT_TRUE(strip.Press({50, 10}, StripColour).picked.has_value());

  ColourStrip::Outcome white = strip.Move({7, 10}, StripColour);
  EXPECT_TRUE(white.repaint);
  EXPECT_FALSE(white.picked.has_value());
  EXPECT_EQ(strip.marker(), (StripPoint{1, 4}));
  EXPECT_EQ(strip.picked(), (Rgb{50, 10, 9})) << "white replaced the picked colour";

  EXPECT_FALSE(strip.Move({300, 10}, StripColour).repaint) << "dragged beyond the reach";
  EXPECT_EQ(strip.Move({120, 20}, StripColour).picked, (Rgb{120, 20, 9}));
  strip.Release();
  EXPECT_FALSE(strip.Move({100, 12}, StripColour).repaint);
  EXPECT_EQ(strip.marker(), (StripPoint{114, 14}));

  // Without a picture nothing is picked.
  EXPECT_FALSE(strip.Press({100, 12}, nullptr).picked.has_value());
}

TEST(ColourStripPicking, TheGeometryScalesWithTheDpi) {
  ColourStrip strip{DpiScale(144)};
  EXPECT_EQ(strip.pickArea(), (PixelRect{9, 9, 255, 33}));
  EXPECT_EQ(strip.marker(), (StripPoint{98, 11}));  // 65 and 7 at 150 %, rounded
  EXPECT_TRUE(strip.WithinReach({4, 4}));  // 3 layout pixels are 5 here
  EXPECT_FALSE(strip.WithinReach({3, 20}));
  EXPECT_FALSE(strip.WithinReach({260, 20}));
  strip.Press({259, 37}, StripColour);
  EXPECT_EQ(strip.picked(), (Rgb{254, 32, 9}));
  EXPECT_EQ(strip.marker(), (StripPoint{245, 23}));
}

}  // namespace
}  // namespace orvix::color_page
