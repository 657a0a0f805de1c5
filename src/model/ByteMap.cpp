#include "ByteMap.h"

namespace mobwright {

const std::vector<MappedByte> &ByteMap()
{
    static const std::vector<MappedByte> map = [] {
        std::vector<MappedByte> bytes;
        for (int offset = 0; offset < ENEMY_RECORD_SIZE; ++offset)
            bytes.push_back({UncoveredByte{offset}});
        for (const FieldLayout &layout : EnemyLayout) {
            for (int place = 0; place < layout.width; ++place)
                bytes[std::size_t(layout.offset + place)] = {layout.field, place};
        }
        return bytes;
    }();
    return map;
}

} // namespace mobwright
