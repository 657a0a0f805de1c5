#include "EnemyLabels.h"

#include "EnemyRecord.h"
#include "GameText.h"
#include "HexText.h"

namespace mobwright {

std::string EnemyNumber(int index)
{
    return ZeroPadded(std::to_string(index + 1), 3);
}

std::string EnemyLabel(int index, std::string_view name)
{
    return EnemyNumber(index) + ": " + std::string(name);
}

std::string EnemyLabel(int index, const EnemyRecord &record)
{
    return EnemyLabel(index, GameText::Decode(record.bytes(Field::Name)));
}

} // namespace mobwright
