// UTF-8 text of the layout and unit tables as a QString.
#pragma once

#include <QString>
#include <string_view>

namespace window {

inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace window
