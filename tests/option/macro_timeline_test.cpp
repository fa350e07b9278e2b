#include "macro_manager/Timeline.h"

#include <gtest/gtest.h>

#include <vector>

#include "MacroEventText.h"

namespace orvix {
namespace {

using testing::Events;
using testing::PairsThen;
using testing::TextOf;

struct BarTimes {
  int key;
  std::int64_t start, end;
  friend bool operator==(const BarTimes&, const BarTimes&) = default;
};

std::vector<BarTimes> TimesOf(const Timeline& timeline) {
  std::vector<BarTimes> times;
  for (const TimelineBar& bar : timeline.bars()) times.push_back({bar.key, bar.start, bar.end});
  return times;
}

void PrintTo(const BarTimes& bar, std::ostream* out) { *out << bar.key << ":" << bar.start << ".." << bar.end; }

TEST(Timeline, AnUneditedMacroComesBackAsItWas) {
  for (const char* text : {"4+:100 5+:50 4-:200 5-", "225+:20 4+:80 4-:30 225-", "4+ 4+:10 4-:10 4-",
                           "4+:60000 5+:60000 5- 4-", "240+ 240-:15 241+:15 241-"}) {
    Timeline timeline;
    timeline.Load(Events(text));
    EXPECT_FALSE(timeline.edited());
    EXPECT_EQ(TextOf(timeline.ToEvents()), text);
  }
  Timeline overlapping;
  overlapping.Load(Events("4+:100 5+:50 4-:200 5-"));
  EXPECT_EQ(TimesOf(overlapping), (std::vector<BarTimes>{{4, 0, 150}, {5, 100, 350}}));
}

TEST(Timeline, BarsFollowThePressesAndLoneEventsOnlyPassTheirDelayOn) {
  Timeline timeline;
  timeline.Load(Events("6+:40 7-:60 4+:25 5+ 5- 4-"));
  EXPECT_EQ(TimesOf(timeline), (std::vector<BarTimes>{{4, 100, 125}, {5, 125, 125}}));
  EXPECT_EQ(timeline.bars()[0].pressIndex, 2);
  EXPECT_EQ(timeline.bars()[0].releaseIndex, 5);
  EXPECT_EQ(TextOf(timeline.ToEvents()), "4+:25 5+ 5- 4-");
}

TEST(Timeline, ZoomSnapsToItsStepsAndTheLinesFollow) {
  EXPECT_EQ(SnappedSpan(14), 10);
  EXPECT_EQ(SnappedSpan(15), 25);
  EXPECT_EQ(SnappedSpan(30), 45);
  EXPECT_EQ(SnappedSpan(50), 90);
  EXPECT_EQ(SnappedSpan(199), 187);
  EXPECT_EQ(SnappedSpan(200), 375);
  EXPECT_EQ(SnappedSpan(1999), 1500);
  EXPECT_EQ(SnappedSpan(2000), 2000);

  Timeline timeline;
  EXPECT_EQ(timeline.span(), kTimelineStartSpan);
  std::vector<std::pair<int, int>> zoomedIn;
  for (int i = 0; i < 9; ++i) {
    timeline.ZoomIn();
    zoomedIn.emplace_back(timeline.span(), timeline.LineStep());
  }
  EXPECT_EQ(zoomedIn, (std::vector<std::pair<int, int>>{
                          {1500, 40}, {750, 20}, {375, 10}, {187, 5}, {90, 3}, {45, 2}, {25, 2}, {10, 1}, {10, 1}}));
  std::vector<std::pair<int, int>> zoomedOut;
  for (int i = 0; i < 12; ++i) {
    timeline.ZoomOut();
    zoomedOut.emplace_back(timeline.span(), timeline.LineStep());
  }
  EXPECT_EQ(zoomedOut, (std::vector<std::pair<int, int>>{{25, 2}, {90, 3}, {187, 5}, {375, 10}, {750, 20},
                                                          {1500, 40}, {3000, 100}, {6000, 200}, {12000, 400},
                                                          {24000, 800}, {48000, 1600}, {48000, 1600}}));
  EXPECT_FALSE(timeline.edited());
}

TEST(Timeline, ZoomingOutKeepsTheViewInsideTheTimeRange) {
  Timeline longMacro;
  longMacro.Load(Events("4+:60000 4-"));
  EXPECT_EQ(longMacro.TimeRange(), 60000);
  longMacro.ScrollTo(58000);
  EXPECT_EQ(longMacro.offset(), 57000);
  longMacro.ZoomOut();
  EXPECT_EQ(longMacro.offset(), 54000);
  for (int i = 0; i < 4; ++i) longMacro.ZoomOut();
  EXPECT_EQ(longMacro.span(), kTimelineMaxSpan);
  EXPECT_EQ(longMacro.offset(), 12000);

  Timeline shortMacro;
  shortMacro.Load(Events("4+:500 4-"));
  shortMacro.ScrollTo(40000);
  EXPECT_EQ(shortMacro.offset(), 40000);
  shortMacro.ZoomOut();
  EXPECT_EQ(shortMacro.offset(), 0) << "the whole macro fits the span";
  shortMacro.ScrollTo(-5);
  EXPECT_EQ(shortMacro.offset(), 0);
}

TEST(Timeline, PixelsAndTimesMapThroughTheSpanAndOffset) {
  Timeline timeline;
  timeline.Load(Events("4+:100 4-"));
  EXPECT_EQ(timeline.TimeAtPixel(kTimelineBandWidth), 3000);
  EXPECT_EQ(timeline.TimeAtPixel(1), 7);
  timeline.ScrollTo(1000);
  EXPECT_EQ(timeline.TimeAtPixel(0), 1000);
  EXPECT_EQ(timeline.PixelOfTime(2500), 190);
  EXPECT_EQ(timeline.PixelOfTime(999), -1) << "left of the view";
}

TEST(Timeline, DraggedEdgesKeepTheBarBetweenZeroAndItsOtherEdge) {
  Timeline timeline;
  timeline.Load(Events("5-:100 4+:400 4-"));  // key 4 from 100 to 500
  timeline.ScrollTo(500);
  timeline.DragEdge(0, BarEdge::kEnd, 0);
  EXPECT_FALSE(timeline.edited()) << "an edge that did not move";
  timeline.ScrollTo(0);

  const struct {
    BarEdge edge;
    int x;
    std::int64_t start, end;
  } drags[] = {{BarEdge::kStart, 38, 300, 500}, {BarEdge::kEnd, 10, 300, 300}, {BarEdge::kEnd, 76, 300, 600},
               {BarEdge::kStart, 100, 600, 600}, {BarEdge::kStart, -20, 0, 600}};
  for (const auto& drag : drags) {
    timeline.DragEdge(0, drag.edge, drag.x);
    EXPECT_EQ(TimesOf(timeline)[0], (BarTimes{4, drag.start, drag.end})) << drag.x;
  }
  EXPECT_TRUE(timeline.edited());
  EXPECT_EQ(TextOf(timeline.ToEvents()), "4+:600 4-") << "the lone release had no bar";
}

TEST(Timeline, EventsAreOrderedByTimeThenByTheirFormerPlaceAndDelaysCapped) {
  Timeline timeline;
  timeline.Load(Events("4+:60000 5+:60000 5- 4-"));
  timeline.DragEdge(1, BarEdge::kStart, -100);
  EXPECT_EQ(TextOf(timeline.ToEvents()), "4+ 5+:65535 5- 4-");
}

TEST(Timeline, AddedBarsTakeAPlaceAndAKeyBeforeTheyCount) {
  Timeline timeline;
  timeline.Load(Events("4+:100 5+:50 4-:200 5-"));
  timeline.Select(0);
  EXPECT_EQ(timeline.Add(), 0);
  EXPECT_TRUE(timeline.edited());
  EXPECT_EQ(timeline.selected(), 0);
  EXPECT_EQ(TimesOf(timeline)[0], (BarTimes{-1, 0, 150}));
  EXPECT_EQ(TextOf(timeline.ToEvents()), "4+:100 5+:50 4-:200 5-") << "a keyless bar gives nothing";
  timeline.SetKey(0, 6);
  EXPECT_EQ(TextOf(timeline.ToEvents()), "4+ 6+:100 5+:50 4- 6-:200 5-") << "the older events first at equal times";

  timeline.Select(-1);
  EXPECT_EQ(timeline.Add(), 3);
  EXPECT_EQ(TimesOf(timeline)[3], (BarTimes{-1, 100, 350}));
  EXPECT_GT(timeline.bars()[3].pressIndex, timeline.bars()[0].releaseIndex);
  timeline.RemoveKeylessBars();
  EXPECT_EQ(timeline.bars().size(), 3u);
  EXPECT_EQ(timeline.selected(), -1);

  timeline.Select(1);
  EXPECT_TRUE(timeline.Delete());
  EXPECT_EQ(timeline.selected(), -1);
  EXPECT_EQ(TextOf(timeline.ToEvents()), "6+:100 5+:50 6-:200 5-");
  EXPECT_FALSE(timeline.Delete());

  Timeline empty;
  empty.Load(MacroSequence{});
  EXPECT_EQ(empty.Add(), 0);
  empty.SetKey(0, 240);
  EXPECT_EQ(TextOf(empty.ToEvents()), "240+ 240-");
}

TEST(Timeline, AddScrollsTheNewBarIntoViewUpTo250Bars) {
  Timeline timeline;
  timeline.Load(PairsThen(30));
  EXPECT_FALSE(timeline.edited());
  EXPECT_EQ(timeline.Add(), 30);
  EXPECT_EQ(timeline.firstRow(), 30 - kTimelineRows + 1);
  timeline.ScrollRowsTo(100);
  EXPECT_EQ(timeline.firstRow(), 31 - kTimelineRows);
  timeline.ScrollRowsTo(-3);
  EXPECT_EQ(timeline.firstRow(), 0);

  Timeline full;
  full.Load(PairsThen(kMaxTimelineBars));
  EXPECT_EQ(full.bars().size(), static_cast<std::size_t>(kMaxTimelineBars));
  EXPECT_EQ(full.Add(), -1);
  EXPECT_FALSE(full.edited());
}

}  // namespace
}  // namespace orvix
