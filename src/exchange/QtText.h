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
