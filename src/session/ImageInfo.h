#pragma once

#include "InternalHeader.h"

#include "TableGeometry.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <cstdint>
#include <string>
#include <variant>

namespace mobwright {

class ImageSession;
class RomFile;

// What the command line and Image Information tell of an image: its internal header, where it
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
// The same of the image session has open, as the file holds it now.
std::variant<ImageFacts, QString> FactsOfOpen(const ImageSession &session);
// The same of the file rom has open, read a block at a time.
std::variant<ImageFacts, QString> FactsOfFile(RomFile &rom);

// Each fact's name and words: "Title", "MOBWRIGHT TEST IMAGE".
QList<QPair<QString, QString>> ImageInfoLines(const ImageFacts &facts);
// Those lines as "Title: …", one a line.
QString ImageInfoText(const ImageFacts &facts);
QByteArray ImageInfoJson(const ImageFacts &facts);
// One line: the stored and computed checksums and whether they match.
QString ChecksumText(const ImageFacts &facts);

} // namespace mobwright
