// Numbers put into label patterns that come from a language library.
#include <gtest/gtest.h>

#include "TextFormat.h"

namespace orvix {
namespace {

TEST(FormatWithNumber, PutsTheNumberWhereTheLanguageWantsIt) {
  EXPECT_EQ(FormatWithNumber(L"Profile %d", 3), L"Profile 3");
  EXPECT_EQ(FormatWithNumber(L"%d numaralı profil", 5), L"5 numaralı profil");
  EXPECT_EQ(FormatWithNumber(L"プロファイル %d", 1), L"プロファイル 1");
  EXPECT_EQ(FormatWithNumber(L"%d", -12), L"-12");
}

TEST(FormatWithNumber, AnyOtherPercentSignStaysText) {
  EXPECT_EQ(FormatWithNumber(L"100%% %d", 2), L"100% 2");
  EXPECT_EQ(FormatWithNumber(L"%s%n%d%d%x", 4), L"%s%n4%d%x");  // a damaged pattern cannot reach a printf
  EXPECT_EQ(FormatWithNumber(L"Profile", 4), L"Profile");
  EXPECT_EQ(FormatWithNumber(L"Profile %", 4), L"Profile %");
  EXPECT_EQ(FormatWithNumber(L"", 4), L"");
}

TEST(FormatWithText, PutsANameOnceAndNeverReadsItAsAPattern) {
  EXPECT_EQ(FormatWithText(L"Delete \"%s\"?", L"Raid"), L"Delete \"Raid\"?");
  // A name with a placeholder of its own stays as typed; a second "%s" stays too.
  EXPECT_EQ(FormatWithText(L"%s and %s", L"%d%s"), L"%d%s and %s");
  EXPECT_EQ(FormatWithText(L"100%% %d", L"x"), L"100% %d");
}

}  // namespace
}  // namespace orvix
