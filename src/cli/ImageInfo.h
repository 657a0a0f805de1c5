#pragma once

#include "InternalHeader.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <variant>

namespace mobwright {

// What `info` and `checksum` tell of an image: its internal header, where it
// was found, the file around it and the checksum its bytes sum to.
struct ImageFacts
{
    InternalHeader header;
    std::uint64_t fileSize = 0;
    bool copierHeader = false;
    std::uint16_t computedChecksum = 0;

    std::uint64_t cartridgeSize() const;
    // Both stored words agree with the computed checksum.
    bool checksumMatches() const;
};

// The facts of the image at path, opened read-only, or why its header cannot
// be trusted, naming the places tried. Throws RomError for an unreadable file.
std::variant<ImageFacts, QString> ReadImageFacts(const std::string &path);

QString ImageInfoText(const ImageFacts &facts);
QByteArray ImageInfoJson(const ImageFacts &facts);
// One line: the stored and computed checksums and whether they match.
QString ChecksumText(const ImageFacts &facts);

} // namespace mobwright
