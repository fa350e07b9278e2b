#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "NumberBoxRules.h"
#include "ProfileFile.h"
#include "pages/main/DoubleClickTable.h"
#include "pages/main/DpiLevelRules.h"
#include "pages/main/MainPageModel.h"

namespace orvix {
namespace {

std::unique_ptr<ProfileRecord> Fresh() {
  auto profile = std::make_unique<ProfileRecord>();
  std::memset(profile.get(), 0, sizeof *profile);
  InitDefaultProfile(*profile, 1);
  return profile;
}

bool SameBytes(const ProfileRecord& a, const ProfileRecord& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

std::uintptr_t RowNotice(DpiRowKind kind, int value) { return PackDpiRowNotice({kind, value}); }

TEST(DoubleClickTable, PositionsAndMillisecondsBothWays) {
  const int table[] = {900, 830, 760, 690, 620, 550, 480, 410, 340, 270, 200};
  for (int position = 1; position <= 11; ++position) {
    SCOPED_TRACE(position);
    const int ms = table[position - 1];
    EXPECT_EQ(DoubleClickMsOfPosition(position), ms);
    EXPECT_EQ(DoubleClickPositionOfMs(ms), position);
    // Just below a step's time is the next, faster position.
    if (position < 11) {
      EXPECT_EQ(DoubleClickPositionOfMs(ms - 1), position + 1);
    }
  }
  for (int position : {0, -1, 12, 1000}) EXPECT_EQ(DoubleClickMsOfPosition(position), 480) << position;
  EXPECT_EQ(DoubleClickPositionOfMs(500), 7);
  EXPECT_EQ(DoubleClickPositionOfMs(5000), 1);
  EXPECT_EQ(DoubleClickPositionOfMs(-1), 11);
  EXPECT_EQ(DoubleClickPositionOfMs(INT32_MIN), 11);
}

TEST(DpiLevels, NumbersAndLevels) {
  EXPECT_EQ(DpiOfLevel(1), 200);
  EXPECT_EQ(DpiOfLevel(41), 8200);
  EXPECT_EQ(LevelOfDpi(1000), 5);
  EXPECT_EQ(LevelOfDpi(1100), 5);
  EXPECT_EQ(LevelOfDpi(1199), 5);
  EXPECT_EQ(LevelOfDpi(1200), 6);
  // What a typed 8300 becomes: the row's box takes 200..8200.
  const NumberBoxRules box(kDpiMinimum, kDpiMaximum, kDpiPerLevel);
  EXPECT_EQ(LevelOfDpi(box.Commit("8300")), 41);
  EXPECT_EQ(LevelOfDpi(box.Commit("1100")), 5);
  EXPECT_EQ(LevelOfDpi(box.Commit("0")), 1);
  EXPECT_EQ(box.MaxTextLength(), 4u);
}

TEST(DpiLevels, RowNoticesPackKindAndValue) {
  for (const DpiRowNotice notice : {DpiRowNotice{DpiRowKind::kEnabled, 0}, DpiRowNotice{DpiRowKind::kEnabled, 1},
                                    DpiRowNotice{DpiRowKind::kLevel, 41}, DpiRowNotice{DpiRowKind::kMadeActive, 1}}) {
    const std::uint32_t packed = PackDpiRowNotice(notice);
    EXPECT_EQ(packed >> 16, static_cast<std::uint32_t>(notice.kind));
    const UnpackedDpiRowNotice back = UnpackDpiRowNotice(packed);
    EXPECT_EQ(back.kind, static_cast<int>(notice.kind));
    EXPECT_EQ(back.value, notice.value);
  }
  EXPECT_EQ(PackDpiRowNotice({DpiRowKind::kLevel, 7}), 0x00020007u);
}

TEST(DpiLevelRow, ControlsStoreTheLevelAndTellThePageOnlyOfChanges) {
  DpiLevelRowState row;
  row.Show(8, true, false);
  EXPECT_EQ(row.numberDpi(), 1600);
  EXPECT_EQ(row.OnSliderMoved(8), std::nullopt);
  EXPECT_EQ(row.OnSliderMoved(9), (DpiRowNotice{DpiRowKind::kLevel, 9}));
  EXPECT_EQ(row.numberDpi(), 1800);
  EXPECT_EQ(row.OnNumberChanged(1900), std::nullopt) << "1900 DPI is still level 9";
  EXPECT_EQ(row.OnNumberChanged(1000), (DpiRowNotice{DpiRowKind::kLevel, 5}));
  EXPECT_EQ(row.OnNumberChanged(8200), (DpiRowNotice{DpiRowKind::kLevel, 41}));
  EXPECT_EQ(row.sliderLevel(), 41);

  const int presets[] = {1, 10, 20, 30, 41};
  for (int k = 0; k < 5; ++k) {
    row.Show(presets[k], true, false);
    EXPECT_EQ(row.OnPreset(k), (DpiRowNotice{DpiRowKind::kLevel, presets[k]})) << "a preset always tells";
    EXPECT_EQ(row.level(), presets[k]);
  }
  EXPECT_EQ(row.OnPreset(5), std::nullopt);
  EXPECT_EQ(row.OnPreset(-1), std::nullopt);

  EXPECT_EQ(row.OnEnableToggled(false), (DpiRowNotice{DpiRowKind::kEnabled, 0}));
  EXPECT_FALSE(row.levelControlsEnabled());
  EXPECT_EQ(row.OnEnableToggled(true), (DpiRowNotice{DpiRowKind::kEnabled, 1}));
  EXPECT_TRUE(row.levelControlsEnabled());
  EXPECT_EQ(row.OnStripPressed(true), (DpiRowNotice{DpiRowKind::kMadeActive, 1}));
}

TEST(DpiLevelRow, AStoredLevelOutOfRangeIsShownClampedAndKeptUntilMoved) {
  DpiLevelRowState row;
  row.Show(60, true, false);
  EXPECT_EQ(row.sliderLevel(), 41);
  EXPECT_EQ(row.numberDpi(), 8200);
  EXPECT_EQ(row.level(), 60);
  EXPECT_EQ(row.OnSliderMoved(41), (DpiRowNotice{DpiRowKind::kLevel, 41}));
  row.Show(-3, true, false);
  EXPECT_EQ(row.numberDpi(), 200);
  EXPECT_EQ(row.OnSliderMoved(500), (DpiRowNotice{DpiRowKind::kLevel, 41})) << "a slider value is clamped too";
}

TEST(DpiLevelRow, TheActiveLevelCannotBeSwitchedOff) {
  DpiLevelRowState row;
  row.Show(4, true, true);
  EXPECT_FALSE(row.checkBoxEnabled());
  EXPECT_TRUE(row.levelControlsEnabled());
  row.Show(4, true, false);
  EXPECT_TRUE(row.checkBoxEnabled());
  row.Show(4, false, false);
  EXPECT_TRUE(row.checkBoxEnabled());
  EXPECT_FALSE(row.levelControlsEnabled());
  // A loaded profile whose active level is off: the box must stay usable to switch it on.
  row.Show(4, false, true);
  EXPECT_TRUE(row.checkBoxEnabled());
}

TEST(MainPageView, ShowsTheProfileClampedWithoutWritingIt) {
  auto profile = Fresh();
  profile->Sensitivity = 1;
  profile->DbleClickSpeed = 500;
  profile->Cpi_X = 3;
  profile->dpi[2] = 0;
  MainPageView view = ViewOf(*profile);
  EXPECT_EQ(view.sensitivity, 1);
  EXPECT_EQ(view.sensitivityNumber, -5);
  EXPECT_EQ(view.scrollSpeed, 3);
  EXPECT_EQ(view.scrollChoice, ScrollChoice::kLinesPerNotch);
  EXPECT_EQ(view.tiltSpeed, 3);
  EXPECT_EQ(view.doubleClickPosition, 7);
  for (int i = 0; i < kDpiLevels; ++i) {
    EXPECT_EQ(view.rows[i].level, profile->CpiLevel_X[i]);
    EXPECT_EQ(view.rows[i].enabled, i != 2);
    EXPECT_EQ(view.rows[i].active, i == 3);
  }

  profile->Sensitivity = -1;
  profile->ScrollWheelSpeed = 99;
  profile->ScrollWheelFlag = -1;
  profile->TiltSpeed = 0;
  profile->Cpi_X = 77;
  profile->dpi[0] = 255;
  const auto before = std::make_unique<ProfileRecord>(*profile);
  view = ViewOf(*profile);
  EXPECT_EQ(view.sensitivity, 1);
  EXPECT_EQ(view.scrollSpeed, 10);
  EXPECT_EQ(view.scrollChoice, std::nullopt);
  EXPECT_EQ(view.tiltSpeed, 1);
  EXPECT_TRUE(view.rows[4].active) << "a level beyond the last marks the last";
  EXPECT_TRUE(view.rows[0].enabled);
  profile->ScrollWheelFlag = 1;
  profile->Cpi_X = -2;
  view = ViewOf(*profile);
  EXPECT_EQ(view.scrollChoice, ScrollChoice::kOnePagePerNotch);
  EXPECT_TRUE(view.rows[0].active);
  profile->ScrollWheelFlag = -1;
  profile->Cpi_X = 77;
  EXPECT_TRUE(SameBytes(*profile, *before));
}

TEST(MainPageView, TheEditedProfileIsTheCurrentSlotOrTheFirst) {
  auto config = std::make_unique<ConfigRecord>();
  std::memset(config.get(), 0, sizeof *config);
  for (int current : {0, 4}) {
    config->CurrentProfile = current;
    EXPECT_EQ(&EditedProfile(*config), &config->profiles[current]);
  }
  config->CurrentProfile = 9;
  EXPECT_EQ(&EditedProfile(*config), &config->profiles[4]);
  config->CurrentProfile = -7;
  EXPECT_EQ(&EditedProfile(std::as_const(*config)), &config->profiles[0]);
}

// Each notification changes its own field and nothing else of the record.
TEST(MainPageReactions, EachControlWritesExactlyItsField) {
  struct Case {
    const char* what;
    std::function<PageReaction(ProfileRecord&)> notify;
    std::function<void(ProfileRecord&)> expected;
    std::optional<int> doubleClickMs;
  };
  const Case cases[] = {
      {"sensitivity slider", [](ProfileRecord& p) { return OnSliderMoved(p, 300, 1); },
       [](ProfileRecord& p) { p.Sensitivity = 1; }, std::nullopt},
      {"sensitivity box", [](ProfileRecord& p) { return OnNumberBoxChanged(p, 400, 5); },
       [](ProfileRecord& p) { p.Sensitivity = 11; }, std::nullopt},
      {"scroll speed", [](ProfileRecord& p) { return OnSliderMoved(p, 301, 7); },
       [](ProfileRecord& p) { p.ScrollWheelSpeed = 7; }, std::nullopt},
      {"tilt speed", [](ProfileRecord& p) { return OnSliderMoved(p, 302, 9); },
       [](ProfileRecord& p) { p.TiltSpeed = 9; }, std::nullopt},
      {"double click", [](ProfileRecord& p) { return OnSliderMoved(p, 303, 11); },
       [](ProfileRecord& p) { p.DbleClickSpeed = 200; }, 200},
      {"one page", [](ProfileRecord& p) { return OnScrollChoice(p, ScrollChoice::kOnePagePerNotch); },
       [](ProfileRecord& p) { p.ScrollWheelFlag = 1; }, std::nullopt},
      {"row 2 off", [](ProfileRecord& p) { return OnDpiRowNotice(p, RowNotice(DpiRowKind::kEnabled, 0), 502); },
       [](ProfileRecord& p) { p.dpi[2] = 0; }, std::nullopt},
      {"row 4 level", [](ProfileRecord& p) { return OnDpiRowNotice(p, RowNotice(DpiRowKind::kLevel, 20), 504); },
       [](ProfileRecord& p) { p.CpiLevel_X[4] = 20; }, std::nullopt},
      {"row 3 active", [](ProfileRecord& p) { return OnDpiRowNotice(p, RowNotice(DpiRowKind::kMadeActive, 1), 503); },
       [](ProfileRecord& p) { p.Cpi_X = 3; }, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto profile = Fresh();
    auto expected = std::make_unique<ProfileRecord>(*profile);
    c.expected(*expected);
    ASSERT_FALSE(SameBytes(*profile, *expected)) << "the case changes nothing";
    const PageReaction reaction = c.notify(*profile);
    EXPECT_TRUE(reaction.changed);
    EXPECT_EQ(reaction.doubleClickMs, c.doubleClickMs);
    EXPECT_TRUE(SameBytes(*profile, *expected));
    // The same notification again finds nothing to change.
    EXPECT_FALSE(c.notify(*profile).changed);
  }
}

TEST(MainPageReactions, ForeignIdsKindsAndValuesChangeNothingHarmful) {
  auto profile = Fresh();
  const auto before = std::make_unique<ProfileRecord>(*profile);
  EXPECT_FALSE(OnSliderMoved(*profile, 304, 5).changed);
  EXPECT_FALSE(OnNumberBoxChanged(*profile, 401, 5).changed);
  for (std::intptr_t id : {499, 505, -1, 0x7FFFFFFF})
    EXPECT_FALSE(OnDpiRowNotice(*profile, RowNotice(DpiRowKind::kLevel, 9), id).changed) << id;
  EXPECT_FALSE(OnDpiRowNotice(*profile, 0x00040001u, 500).changed) << "kind 4";
  EXPECT_FALSE(OnDpiRowNotice(*profile, 0x00000001u, 500).changed) << "kind 0";
  EXPECT_TRUE(SameBytes(*profile, *before));

  // Values no control of the page sends are kept in the controls' ranges.
  EXPECT_TRUE(OnDpiRowNotice(*profile, RowNotice(DpiRowKind::kLevel, 0xFFFF), 500).changed);
  EXPECT_EQ(profile->CpiLevel_X[0], 41);
  EXPECT_TRUE(OnSliderMoved(*profile, 300, 40).changed);
  EXPECT_EQ(profile->Sensitivity, 11);
  EXPECT_TRUE(OnNumberBoxChanged(*profile, 400, -90).changed);
  EXPECT_EQ(profile->Sensitivity, 1);
  // The double-click slider out of its range: the fallback time.
  const PageReaction reaction = OnSliderMoved(*profile, 303, 0);
  EXPECT_EQ(reaction.doubleClickMs, 480);
  EXPECT_EQ(profile->DbleClickSpeed, 480);
}

TEST(MainPageReactions, TheDoubleClickSliderSetsWindowsEvenWithoutAChange) {
  auto profile = Fresh();
  profile->DbleClickSpeed = 550;
  const PageReaction reaction = OnSliderMoved(*profile, 303, 6);
  EXPECT_FALSE(reaction.changed);
  EXPECT_EQ(reaction.doubleClickMs, 550);
}

TEST(MainPageReactions, AnOutOfRangeRecordIsKeptUntilTheControlMoves) {
  auto profile = Fresh();
  profile->Sensitivity = 30;
  // The number box shows 5 for it; a commit of 5 is a real change to 11.
  EXPECT_EQ(ViewOf(*profile).sensitivityNumber, 5);
  EXPECT_TRUE(OnNumberBoxChanged(*profile, 400, 5).changed);
  EXPECT_EQ(profile->Sensitivity, 11);
}

}  // namespace
}  // namespace orvix
