// The English texts compiled into the program: the same as the table's, found by every
// named identifier, and nothing for an identifier the table lacks.
#include <gtest/gtest.h>

#include <string>

#include "EnglishTexts.h"
#include "TextIds.h"
#include "TranslatedTextTable.h"

namespace orvix {
namespace {

constexpr int kEnglish = 1;

TEST(EnglishTexts, AreTheTablesEnglishTexts) {
  for (const auto& row : testing::kTableRows) {
    if (!row.texts[kEnglish]) continue;  // reported by the table's own tests
    EXPECT_EQ(std::wstring(EnglishText(row.id)), row.texts[kEnglish]) << row.id;
  }
}

TEST(EnglishTexts, UnknownIdentifiersHaveNone) {
  for (int id : {0, -1, -1001, 1, 1000, 3699, 3000, 3104, 65535, 65536 + 1001, 1 << 30}) EXPECT_TRUE(EnglishText(id).empty()) << id;
}

TEST(EnglishTexts, EveryQuickHelpTextOfTheMainDialogIsThere) {
  for (int id = kTextQuickHelpMin; id <= kTextQuickHelpCancel; ++id) EXPECT_FALSE(EnglishText(id).empty()) << id;
  for (int slot = 0; slot < 5; ++slot) {
    EXPECT_EQ(EnglishText(TextQuickHelpSlotButton(slot)), L"Click here to activate profile slot #" + std::to_wstring(slot + 1));
    EXPECT_EQ(EnglishText(TextQuickHelpSlotName(slot)), L"Profile assigned to profile slot #" + std::to_wstring(slot + 1));
  }
  EXPECT_EQ(TextQuickHelpSlotButton(5), 0);
  EXPECT_EQ(TextQuickHelpSlotName(-1), 0);
}

TEST(EnglishTexts, EveryLabelAndNoticeIdentifierHasItsText) {
  const struct {
    int id;
    const wchar_t* text;
  } named[] = {
      {kTextLabelTabMain, L"Main"},       {kTextLabelTabButtons, L"Button Assign"}, {kTextLabelTabAdvanced, L"Advanced"},
      {kTextLabelTabColor, L"Color"},     {kTextLabelTabTrophy, L"Trophy"},         {kTextLabelTabUpdate, L"Update"},
      {kTextLabelCreate, L"Create"},      {kTextLabelLoad, L"Load"},                {kTextLabelSave, L"Save"},
      {kTextLabelEdit, L"Edit"},          {kTextLabelSlot, L"Profile %d"},          {kTextLabelOk, L"OK"},
      {kTextLabelApply, L"Apply"},        {kTextLabelCancel, L"Cancel"},            {kTextLabelSelectLanguage, L"Select language"},
      {kTextNoticeTitle, L"Orvix One"},   {kTextButtonYes, L"Yes"},                 {kTextButtonNo, L"No"},
  };
  for (const auto& n : named) EXPECT_EQ(EnglishText(n.id), n.text) << n.id;
  for (int id : {kTextNoticeMonitorAbsent, kTextNoticeMonitorTimedOut, kTextQuestionRestoreChanges})
    EXPECT_GT(EnglishText(id).size(), 40u) << id;
  EXPECT_NE(EnglishText(kTextQuestionRestoreChanges).find(L'?'), std::wstring_view::npos);
}

}  // namespace
}  // namespace orvix
