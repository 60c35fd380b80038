#pragma once

#include <string>
#include <string_view>

// Text rules of the plan files and the Hz boxes. ASCII only: bytes above 0x7F have no case
// and are no digits in an 8-bit file of unknown code page.

// The blanks a value may have around it in a CSV field or a Hz box.
inline constexpr std::string_view kSpacesAndTabs = " \t";
// What some editors put first in a UTF-8 file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

char LowerAscii(char c);
std::string LowerAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool IsDigit(char c);
bool AllDigits(std::string_view text);
// The text without any of the blanks around it.
std::string_view Trim(std::string_view text, std::string_view blanks);
