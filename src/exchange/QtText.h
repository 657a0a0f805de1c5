#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace mobwright {

// The model's text is UTF-8.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// How long valid UTF-8 text is as a QString, without converting it: one
// unit a character, two for those beyond the Basic Multilingual Plane.
inline int Utf16Length(std::string_view text)
{
    int length = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        length += (byte & 0xC0) != 0x80; // not a continuation byte
        length += byte >= 0xF0;          // a four-byte sequence
    }
    return length;
}

// The one conversion of text the user gives (typed into the form or a cell,
// pasted, filtered with, imported) for the model, so that what one refuses
// all refuse. A lone half of a surrogate pair (an emoji cut in two) becomes
// U+FFFD, which no field accepts, rather than the "?" that a plain
// conversion would put in its place.
inline std::string ToModelText(const QString &text)
{
    if (text.isValidUtf16())
        return text.toStdString();
    QString mended;
    mended.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pairs =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (pairs) {
            mended.append(c).append(text.at(++i));
        } else {
            mended.append(c.isSurrogate() ? QChar(QChar::ReplacementCharacter) : c);
        }
    }
    return mended.toStdString();
}

} // namespace mobwright
