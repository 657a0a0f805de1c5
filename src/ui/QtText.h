#pragma once

#include <QString>

#include <string_view>

namespace mobwright {

// The model's text is UTF-8.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace mobwright
