#pragma once

#include <QString>
#include <string_view>

namespace formkit {

// A table's UTF-8 text as Qt holds it.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace formkit
