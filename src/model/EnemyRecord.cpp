#include "EnemyRecord.h"

#include <algorithm>

namespace mobwright {

EnemyRecord EnemyRecord::fromBytes(std::span<const std::uint8_t, ENEMY_RECORD_SIZE> bytes)
{
    EnemyRecord record;
    std::copy(bytes.begin(), bytes.end(), record.bytes_.begin());
    return record;
}

std::uint32_t EnemyRecord::value(Field field) const
{
    std::uint32_t result = 0;
    const auto fieldBytes = bytes(field);
    for (std::size_t i = fieldBytes.size(); i-- > 0;)
        result = (result << 8) | fieldBytes[i];
    return result;
}

void EnemyRecord::setValue(Field field, std::uint32_t value)
{
    for (std::uint8_t &b : bytes(field)) {
        b = static_cast<std::uint8_t>(value & 0xFF);
        value >>= 8;
    }
}

std::span<const std::uint8_t> EnemyRecord::bytes(Field field) const
{
    return const_cast<EnemyRecord *>(this)->bytes(field);
}

std::span<std::uint8_t> EnemyRecord::bytes(Field field)
{
    const FieldLayout &layout = LayoutOf(field);
    return bytes(layout.offset, layout.width);
}

std::span<const std::uint8_t> EnemyRecord::bytes(int offset, int width) const
{
    return const_cast<EnemyRecord *>(this)->bytes(offset, width);
}

std::span<std::uint8_t> EnemyRecord::bytes(int offset, int width)
{
    return std::span(bytes_).subspan(static_cast<std::size_t>(offset),
                                     static_cast<std::size_t>(width));
}

} // namespace mobwright
