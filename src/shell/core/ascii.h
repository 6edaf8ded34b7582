#pragma once
// Names of files, sections and keys compare without regard to case, as on
// the case-blind systems the data comes from (ASCII letters only).
#include <string_view>

namespace vantrel {

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

}  // namespace vantrel
