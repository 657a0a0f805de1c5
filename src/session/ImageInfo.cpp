#include "ImageInfo.h"

#include "HeaderSearch.h"
#include "HeaderText.h"
#include "HexText.h"
#include "ImageSession.h"
#include "RomChecksum.h"
#include "RomFile.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

namespace mobwright {
namespace {

// This file's texts, as translators see them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ImageInfo)
};

// The image is summed a block at a time: a copy of all of it would add as
// much to the editor's memory.
constexpr std::uint64_t SUMMED_BLOCK_SIZE = 256 * 1024;

QString Hex(std::uint64_t value, int digits)
{
    return QString::fromStdString("0x" + ZeroPadded(HexDigits(value), digits));
}

QString Words(const std::string &text)
{
    return QString::fromStdString(text);
}

// A code and what it means: "HiROM, FastROM (3.58 MHz) (0x31)".
QString Coded(const std::string &meaning, std::uint8_t code)
{
    return QStringLiteral("%1 (%2)").arg(Words(meaning), Hex(code, 2));
}

// Where the header lies in the cartridge, and in the file when a copier header moves it.
QString PlaceText(const ImageFacts &facts)
{
    const QString place = QStringLiteral("%1 %2").arg(
        Words(std::string(HeaderPlaceName(facts.header.place))), Hex(facts.header.offset(), 4));
    if (!facts.copierHeader)
        return place;
    return Text::tr("%1 (%2 in the file)")
        .arg(place, Hex(facts.header.offset() + COPIER_HEADER_SIZE, 4));
}

QString RomSizeLine(const ImageFacts &facts)
{
    return Text::tr("%1 declared, %2 in the file")
        .arg(Coded(RomSizeText(facts.header.romSize), facts.header.romSize),
             Words(SizeText(facts.cartridgeSize())));
}

} // namespace

std::uint64_t ImageFacts::cartridgeSize() const
{
    return fileSize - (copierHeader ? COPIER_HEADER_SIZE : 0);
}

bool ImageFacts::checksumMatches() const
{
    return header.checksum == computedChecksum && header.complement == (computedChecksum ^ 0xFFFF);
}

std::variant<ImageFacts, QString> ReadImageFacts(const std::string &path)
{
    RomFile rom = RomFile::open(path, OpenReadOnlyFile);
    return FactsOfFile(rom);
}

std::variant<ImageFacts, QString> FactsOfOpen(const ImageSession &session)
{
    RomFile rom = session.rom().reopened(session.rom().path());
    return FactsOfFile(rom);
}

std::variant<ImageFacts, QString> FactsOfFile(RomFile &rom)
{
    const std::uint32_t start = rom.hasCopierHeader() ? COPIER_HEADER_SIZE : 0;
    const std::uint64_t size = rom.openedSize() - start;
    std::vector<InternalHeader> candidates;
    for (const HeaderPlace place : HEADER_PLACES) {
        if (HeaderOffset(place) + HEADER_AND_VECTORS_SIZE > size)
            continue;
        std::array<std::uint8_t, HEADER_AND_VECTORS_SIZE> bytes;
        rom.read(start + HeaderOffset(place), bytes);
        candidates.push_back(ParseInternalHeader(bytes, place));
    }
    const HeaderSearch search = ChooseInternalHeader(candidates, size);
    if (!search.found)
        return Text::tr("Cannot tell the internal header of \"%1\": %2")
            .arg(QString::fromStdString(rom.path()), Words(search.whyNotFound()));
    ChecksumSum sum(size);
    std::vector<std::uint8_t> block(std::min<std::uint64_t>(size, SUMMED_BLOCK_SIZE));
    for (std::uint64_t at = 0; at < size; at += block.size()) {
        const auto part = std::span(block).first(std::min<std::uint64_t>(block.size(), size - at));
        rom.read(static_cast<std::uint32_t>(start + at), part);
        sum.add(at, part);
    }
    return ImageFacts{*search.found, rom.openedSize(), rom.hasCopierHeader(),
                      sum.checksum(*search.found)};
}

QList<QPair<QString, QString>> ImageInfoLines(const ImageFacts &facts)
{
    const InternalHeader &header = facts.header;
    return {
        {Text::tr("Title"), Words(TitleText(header.title))},
        {Text::tr("Header"), PlaceText(facts)},
        {Text::tr("Map mode"), Coded(MapModeText(header.mapMode), header.mapMode)},
        {Text::tr("Cartridge type"),
         Coded(CartridgeTypeText(header.cartridgeType), header.cartridgeType)},
        {Text::tr("ROM size"), RomSizeLine(facts)},
        {Text::tr("RAM size"), Coded(RamSizeText(header.ramSize), header.ramSize)},
        {Text::tr("Region"), Coded(RegionText(header.region), header.region)},
        {Text::tr("Maker"), Hex(header.maker, 2)},
        {Text::tr("Version"), QStringLiteral("1.%1").arg(header.version)},
        {Text::tr("Copier header"),
         facts.copierHeader ? Text::tr("%1 bytes").arg(COPIER_HEADER_SIZE) : Text::tr("none")},
        {Text::tr("Checksum"), ChecksumText(facts)},
    };
}

QString ImageInfoText(const ImageFacts &facts)
{
    QString text;
    for (const auto &[name, value] : ImageInfoLines(facts))
        text += name + QStringLiteral(": ") + value + u'\n';
    text.chop(1);
    return text;
}

QByteArray ImageInfoJson(const ImageFacts &facts)
{
    const InternalHeader &header = facts.header;
    const auto declared = header.declaredRomBytes();
    const QJsonObject object{
        {"title", Words(TitleText(header.title))},
        {"headerPlace", Words(std::string(HeaderPlaceName(header.place)))},
        {"headerOffset", qint64(header.offset())},
        {"mapMode", header.mapMode},
        {"mapModeText", Words(MapModeText(header.mapMode))},
        {"cartridgeType", header.cartridgeType},
        {"cartridgeTypeText", Words(CartridgeTypeText(header.cartridgeType))},
        {"romSizeCode", header.romSize},
        {"declaredRomSize", declared ? QJsonValue(qint64(*declared)) : QJsonValue()},
        {"fileSize", qint64(facts.fileSize)},
        {"ramSizeCode", header.ramSize},
        {"ramSizeText", Words(RamSizeText(header.ramSize))},
        {"region", header.region},
        {"regionText", Words(RegionText(header.region))},
        {"maker", header.maker},
        {"version", header.version},
        {"copierHeader", facts.copierHeader},
        {"checksumStored", header.checksum},
        {"complementStored", header.complement},
        {"checksumComputed", facts.computedChecksum},
        {"checksumMatches", facts.checksumMatches()},
    };
    return QJsonDocument(object).toJson();
}

QString ChecksumText(const ImageFacts &facts)
{
    const QString stored = Text::tr("stored %1 (complement %2), computed %3")
                               .arg(Hex(facts.header.checksum, 4), Hex(facts.header.complement, 4),
                                    Hex(facts.computedChecksum, 4));
    return stored +
           (facts.checksumMatches() ? Text::tr(": matches") : Text::tr(": does not match"));
}

} // namespace mobwright
