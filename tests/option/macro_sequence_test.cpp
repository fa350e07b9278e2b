#include "macro_manager/MacroSequence.h"

#include <gtest/gtest.h>

#include "MacroEventText.h"

namespace orvix {
namespace {

using testing::Events;
using testing::PairsThen;
using testing::RecordOf;
using testing::TextOf;

TEST(MacroSequence, ARecordWithABadCountGivesWhatFits) {
  MacroRecord macro = RecordOf(Events("4+:10 4-"));
  macro.eventCount = 9999;
  EXPECT_EQ(MacroSequence::Of(macro).count, kMaxMacroEvents);
  macro.eventCount = -3;
  EXPECT_EQ(MacroSequence::Of(macro), MacroSequence{});
  macro.eventCount = 1;
  EXPECT_EQ(MacroSequence::Of(macro), Events("4+:10")) << "slots past the count are not taken along";
}

TEST(MacroBalance, BalancedSequencesStayAsTheyAre) {
  for (const char* text : {"", "4+:5 4-:9", "4- 5+ 5-", "4+ 5+ 4- 5-", "4+ 4+ 4-", "4+ 4- 4-"}) {
    EXPECT_TRUE(IsBalanced(Events(text))) << text;
    EXPECT_EQ(TextOf(Balanced(Events(text))), text);
  }
  EXPECT_EQ(TextOf(Balanced(PairsThen(250))), TextOf(PairsThen(250)));
}

TEST(MacroBalance, MissingReleasesAreAppendedLatestPressFirst) {
  EXPECT_EQ(UnreleasedPresses(Events("224+ 6+:40 6- 6+")), 2);
  EXPECT_EQ(TextOf(Balanced(Events("224+ 6+:40 6- 6+"))), "224+ 6+:40 6- 6+ 6- 224-");
  EXPECT_EQ(TextOf(Balanced(Events("4+ 4+:20"))), "4+ 4+:20 4-") << "one release brings a key up";
  EXPECT_EQ(TextOf(Balanced(Events("4+ 5+ 4-"))), "4+ 5+ 4- 5-");
}

TEST(MacroBalance, WithoutRoomTheLatestPressesGoAndTheirDelaysStay) {
  // Two keys down and no free slot: dropping the later press makes room for the other's release.
  MacroSequence sequence = PairsThen(249, "225+:20 4+:30");
  MacroSequence balanced = Balanced(sequence);
  EXPECT_EQ(balanced.count, kMaxMacroEvents);
  EXPECT_EQ(TextOf(balanced), TextOf(PairsThen(249, "225+:50 225-")));

  // A key pressed twice needs one release, so one free slot is room enough.
  EXPECT_EQ(TextOf(Balanced(PairsThen(248, "5- 6+ 6+:9"))), TextOf(PairsThen(248, "5- 6+ 6+:9 6-")));

  // The only press left down goes, no release is needed, and its delay is capped on the event before.
  sequence = PairsThen(249, "5-:65530 4+:9");
  EXPECT_EQ(TextOf(Balanced(sequence)), TextOf(PairsThen(249, "5-:65535")));
}

TEST(MacroBalance, RemovingAReleaseUnbalancesOnlyWhenNoLaterOneTakesOver) {
  const MacroSequence sequence = Events("4+ 5+ 4- 5- 6- 5-");
  EXPECT_TRUE(RemovalUnbalances(sequence, 2));
  EXPECT_FALSE(RemovalUnbalances(sequence, 3)) << "5 is released again later";
  EXPECT_FALSE(RemovalUnbalances(sequence, 0)) << "a press";
  EXPECT_FALSE(RemovalUnbalances(sequence, 4)) << "a release without a press";
  EXPECT_FALSE(RemovalUnbalances(sequence, 6));
}

}  // namespace
}  // namespace orvix
