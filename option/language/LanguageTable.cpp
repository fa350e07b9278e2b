#include "LanguageTable.h"

namespace orvix {
namespace {

// GDI character set values.
constexpr int kWestern = 0, kJapanese = 128, kKorean = 129, kSimplifiedChinese = 134, kTraditionalChinese = 136,
              kTurkish = 162, kVietnamese = 163, kCyrillic = 204, kThai = 222, kCentralEuropean = 238;

constexpr LanguageInfo kLanguages[kLanguageCount] = {
    {0, "Danish_help.dll", L"Dansk", kWestern},
    {1, "English_help.dll", L"English", kWestern},
    {2, "Finnish_help.dll", L"Suomi", kWestern},
    {3, "French_help.dll", L"Français", kWestern},
    {4, "German_help.dll", L"Deutsch", kWestern},
    {5, "Italian_help.dll", L"Italiano", kWestern},
    {6, "Japanese_help.dll", L"日本語", kJapanese},
    {7, "Korean_help.dll", L"한국어", kKorean},
    {8, "Polish_help.dll", L"Polski", kCentralEuropean},
    {9, "Russian_help.dll", L"Русский", kCyrillic},
    {10, "SimplChinese_help.dll", L"简体中文", kSimplifiedChinese},
    {11, "Spanish_help.dll", L"Español", kWestern},
    {12, "Swedish_help.dll", L"Svenska", kWestern},
    {13, "Thai_help.dll", L"ไทย", kThai},
    {14, "TradChinese_help.dll", L"繁體中文", kTraditionalChinese},
    {15, "Turkish_help.dll", L"Türkçe", kTurkish},
    {16, "Vietnamese_help.dll", L"Tiếng Việt", kVietnamese},
};

}  // namespace

std::span<const LanguageInfo> Languages() { return kLanguages; }

bool IsLanguageIndex(int index) { return index >= 0 && index < kLanguageCount; }

const LanguageInfo& LanguageOf(int index) { return kLanguages[IsLanguageIndex(index) ? index : kEnglishLanguage]; }

const char* LibraryFileOf(int index) { return LanguageOf(index).libraryFile; }

int FlagIndexOf(int index) { return LanguageOf(index).index; }

}  // namespace orvix
