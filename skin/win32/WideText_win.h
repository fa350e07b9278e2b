// Texts for the wide Windows functions: layout strings are UTF-8 (ASCII in practice), file
// paths of the programs are in the system's code page.
#pragma once

#include <string>
#include <string_view>

namespace orvix {

std::wstring WideFromUtf8(std::string_view text);
std::wstring WideFromAnsi(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace orvix
