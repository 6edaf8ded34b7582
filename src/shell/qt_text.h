#pragma once
// The core keeps its texts in std::string (UTF-8); the windows want QString.
// A "\r" in a message is a line break.
#include <QString>
#include <string_view>

namespace vantrel {

inline QString toQt(std::string_view text) {
    QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace vantrel
