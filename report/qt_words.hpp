// The tables' UTF-8 names as QString.
#pragma once

#include <QString>
#include <string_view>

namespace report {

inline QString qt_words(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace report
