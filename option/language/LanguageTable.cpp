#include "LanguageTable.h"

namespace orvix {
namespace {

constexpr LanguageInfo kLanguages[kLanguageCount] = {
    {0, "Danish_help.dll", L"Dansk"},
    {1, "English_help.dll", L"English"},
    {2, "Finnish_help.dll", L"Suomi"},
    {3, "French_help.dll", L"Français"},
    {4, "German_help.dll", L"Deutsch"},
    {5, "Italian_help.dll", L"Italiano"},
    {6, "Japanese_help.dll", L"日本語"},
    {7, "Korean_help.dll", L"한국어"},
    {8, "Polish_help.dll", L"Polski"},
    {9, "Russian_help.dll", L"Русский"},
    {10, "SimplChinese_help.dll", L"简体中文"},
    {11, "Spanish_help.dll", L"Español"},
    {12, "Swedish_help.dll", L"Svenska"},
    {13, "Thai_help.dll", L"ไทย"},
    {14, "TradChinese_help.dll", L"繁體中文"},
    {15, "Turkish_help.dll", L"Türkçe"},
    {16, "Vietnamese_help.dll", L"Tiếng Việt"},
};

}  // namespace

std::span<const LanguageInfo> Languages() { return kLanguages; }

bool IsLanguageIndex(int index) { return index >= 0 && index < kLanguageCount; }

const LanguageInfo& LanguageOf(int index) { return kLanguages[IsLanguageIndex(index) ? index : kEnglishLanguage]; }

const char* LibraryFileOf(int index) { return LanguageOf(index).libraryFile; }

int FlagIndexOf(int index) { return LanguageOf(index).index; }

}  // namespace orvix
