#pragma once
// Small text helpers shared by the model: the data is mostly text.
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

std::string_view trimLeft(std::string_view s);
std::string_view trimRight(std::string_view s);
std::string_view trim(std::string_view s);

// Accepts optional blanks, an optional sign and decimal digits, nothing else.
bool parseInteger(std::string_view s, long long& out);

// Same as parseInteger but limited to the 32-bit range the data file allows.
bool parseInt32(std::string_view s, long& out);

// The lines of a text, without their line ends ("\n" or "\r\n").
std::vector<std::string_view> splitLines(std::string_view text);

// Only "Y" counts as a set flag.
inline bool isYes(std::string_view s) { return s == "Y"; }

}  // namespace vantrel
