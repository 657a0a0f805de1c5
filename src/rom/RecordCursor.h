#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace mobwright {

class RomFile;

// The position within the selected enemy record of the next byte a record
// pass transfers. The record is not fixed: every transfer asks the selection
// source afresh which record is selected.
class RecordCursor
{
public:
    using SelectionSource = std::function<int()>;

    RecordCursor(RomFile &rom, SelectionSource selectedRecord);

    std::int16_t position() const { return position_; }
    void setPosition(std::int16_t position) { position_ = position; }
    void advance(int count) { position_ = static_cast<std::int16_t>(position_ + count); }

    // Each transfers one byte at the cursor, then advances it; a transfer
    // that fails throws RomError and leaves the cursor where it was.
    std::uint8_t ReadRecordByte();
    void WriteRecordByte(std::uint8_t value);

    // The same for consecutive bytes in one call, as a run of single-byte
    // transfers would: they must all lie within the record.
    void ReadRecordBytes(std::span<std::uint8_t> bytes);
    void WriteRecordBytes(std::span<const std::uint8_t> bytes);

    // File offset of a record offset within the selected record.
    std::uint32_t fileOffset(int recordOffset) const;

    RomFile &rom() const { return rom_; }

private:
    // File offset of the cursor, checking that count bytes from it fit the record.
    std::uint32_t fileOffsetOfRun(std::size_t count) const;

    RomFile &rom_;
    SelectionSource selectedRecord_;
    std::int16_t position_ = 0;
};

} // namespace mobwright
