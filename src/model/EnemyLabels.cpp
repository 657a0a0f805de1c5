#include "EnemyLabels.h"

#include "ASCIIControl.h"
#include "EnemyRecord.h"

namespace mobwright {

std::string EnemyNumber(int index)
{
    return ASCIIControl::ZeroPad(std::to_string(index + 1), 3);
}

std::string EnemyLabel(int index, std::string_view name)
{
    return EnemyNumber(index) + ": " + std::string(name);
}

std::string EnemyLabel(int index, const EnemyRecord &record)
{
    return EnemyLabel(index, ASCIIControl::DecodeGameString(record.bytes(Field::Name)));
}

} // namespace mobwright
