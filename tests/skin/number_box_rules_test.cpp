#include <gtest/gtest.h>

#include <string>

#include "NumberBoxRules.h"

namespace orvix {
namespace {

// What the field shows after each typed character, starting empty.
std::string TypeInto(const NumberBoxRules& rules, const std::string& keys) {
  std::string field;
  for (char key : keys) field = rules.OnTyped(field + key).text;
  return field;
}

}  // namespace

TEST(NumberBoxRules, TypingDropsLeadingZerosAndJunk) {
  NumberBoxRules seconds(15, 999);
  EXPECT_EQ(seconds.OnTyped("0042").text, "42");
  EXPECT_EQ(seconds.OnTyped("ab0c4x2").text, "42");
  EXPECT_EQ(seconds.OnTyped("4 2").text, "42");
  // Below the minimum stays while typing, so a value can be typed digit by digit.
  EXPECT_EQ(TypeInto(seconds, "12"), "12");
  EXPECT_EQ(seconds.OnTyped("12").value, 12);
  EXPECT_EQ(TypeInto(seconds, "120"), "120");
}

TEST(NumberBoxRules, ZeroBecomesTheMinimumAboveTheMaximumTheMaximum) {
  NumberBoxRules seconds(15, 999);
  for (const char* zero : {"", "0", "000", "x", "-", "+", "-0"}) {
    EXPECT_EQ(seconds.OnTyped(zero).value, 15) << zero;
    EXPECT_EQ(seconds.OnTyped(zero).text, "15") << zero;
  }
  EXPECT_EQ(seconds.OnTyped("1000").text, "999");
  EXPECT_EQ(TypeInto(seconds, "5555"), "999");
}

TEST(NumberBoxRules, OnlyOneLeadingSign) {
  NumberBoxRules sensitivity(-5, 5);
  EXPECT_EQ(sensitivity.OnTyped("-3").text, "-3");
  EXPECT_EQ(sensitivity.OnTyped("-3").value, -3);
  EXPECT_EQ(sensitivity.OnTyped("--3").text, "-3");
  EXPECT_EQ(sensitivity.OnTyped("3-").text, "3");
  EXPECT_EQ(sensitivity.OnTyped("+4").value, 4);
  EXPECT_EQ(sensitivity.OnTyped("0-2").text, "-2");  // the zero before the sign is dropped
  // Below the minimum while typing, raised on Enter.
  EXPECT_EQ(sensitivity.OnTyped("-9").value, -9);
  EXPECT_EQ(sensitivity.Commit("-9"), -5);
}

TEST(NumberBoxRules, OverflowingInputClampsInsteadOfWrapping) {
  NumberBoxRules dpi(200, 8200, 200);
  EXPECT_EQ(dpi.OnTyped("99999999999999").value, 8200);
  EXPECT_EQ(dpi.OnTyped("99999999999999999999999999999").text, "8200");
  NumberBoxRules wide(-2147483647 - 1, 2147483647);
  EXPECT_EQ(wide.OnTyped("-99999999999999999999").value, -2147483647 - 1);
  EXPECT_EQ(wide.Commit("99999999999999999999"), 2147483647);
}

TEST(NumberBoxRules, EnterRaisesToTheMinimum) {
  NumberBoxRules dpi(200, 8200, 200);
  EXPECT_EQ(dpi.Commit("4"), 200);
  EXPECT_EQ(dpi.Commit("450"), 450);  // committing does not snap; the page reads n / 200
  EXPECT_EQ(dpi.Commit(""), 200);
  EXPECT_EQ(dpi.Commit("9000"), 8200);
}

TEST(NumberBoxRules, ArrowsStepAlongTheGridAndStopAtTheEnds) {
  NumberBoxRules dpi(200, 8200, 200);
  EXPECT_EQ(dpi.Step(400, 1), 600);
  EXPECT_EQ(dpi.Step(450, 1), 600);
  EXPECT_EQ(dpi.Step(450, -1), 400);
  EXPECT_EQ(dpi.Step(200, -1), 200);
  EXPECT_EQ(dpi.Step(8200, 1), 8200);
  EXPECT_EQ(dpi.Step(8000, 5), 8200);
  EXPECT_EQ(dpi.Step(50, 1), 400);  // out of range counts from the nearest end
  NumberBoxRules offGrid(0, 10, 3);
  EXPECT_EQ(offGrid.Step(9, 1), 10);  // the maximum is reachable
  EXPECT_EQ(offGrid.Step(10, -1), 9);
  EXPECT_EQ(offGrid.Step(0, 2147483647), 10);
}

TEST(NumberBoxRules, TextLengthFollowsTheMaximumAndTheSign) {
  EXPECT_EQ(NumberBoxRules(15, 999).MaxTextLength(), 3u);
  EXPECT_EQ(NumberBoxRules(200, 8200).MaxTextLength(), 4u);
  EXPECT_EQ(NumberBoxRules(-5, 5).MaxTextLength(), 2u);
  // A swapped range is one value.
  NumberBoxRules swapped(50, 10);
  EXPECT_EQ(swapped.maximum(), 50);
  EXPECT_EQ(swapped.Commit("7"), 50);
}

}  // namespace orvix
