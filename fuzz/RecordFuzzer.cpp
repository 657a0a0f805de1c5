// A record of any bytes, with every control set to what it shows of it, is
// not edited: what the window shows of a record is taken back as the very
// same bytes. Input: the record's 94 bytes, repeated to fill them.

#include "EnemyForm.h"
#include "FuzzCheck.h"
#include "PendingEdits.h"

#include <array>

using namespace mobwright;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::array<std::uint8_t, ENEMY_RECORD_SIZE> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = data[i % size];
    const EnemyRecord record = EnemyRecord::fromBytes(bytes);
    const FormValues form = FormFromRecord(record);
    PendingRecord pending{record, record, {}};
    for (const FieldLayout &layout : EnemyLayout)
        pending = WithControlValue(pending, layout.field, form[static_cast<std::size_t>(layout.field)]);
    fuzz::Require(pending.empty(), "a record shown and taken back unchanged has no edit");
    return 0;
}
