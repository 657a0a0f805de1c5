#pragma once

#include "EnemyRecord.h"
#include "FieldText.h"
#include "ListLabels.h"
#include "ListValueText.h"
#include "TableColumns.h"

#include <QStringList>

#include <optional>
#include <vector>

namespace mobwright {

// The whole enemy table as the image holds it, with the picker labels that
// also name the arguments of enemy calls.
struct EnemyTable
{
    std::vector<EnemyRecord> records;
    QStringList labels;
    // The long lists' labels as the window shows them; the built-in ones if null.
    const ListLabels *longLabels = nullptr;

    explicit EnemyTable(std::vector<EnemyRecord> all = {});
};

// The names the table's lists go by: its long lists' labels, and its
// enemies' labels for the arguments that call them.
EntryNaming NamingOf(const EnemyTable &table);

// A cell as export writes it: stored values in unsigned decimal, text
// addresses in six hex digits, the name as text.
QString CellText(const Column &column, int index, const EnemyTable &table);

// A list field's entry for enemy index's stored value, or "" when its list has none.
QString ListLabel(Field field, int index, const EnemyTable &table);

// The name of the entry a list field's value picks, without the number its
// label carries ("Invisible" for outside picture 440); "" for none.
QString EntryName(Field field, int index, const EnemyTable &table);

// A cell as the enemy table shows it: a list's value as its list numbers
// it, with its entry's name, "440 – Invisible", "5B – Boss"; other cells as
// export writes them.
QString DisplayText(const Column &column, int index, const EnemyTable &table);

// What a list or flag cell of enemy index offers: each entry's name and the
// value it stores.
std::vector<std::pair<QString, int>> ListChoices(Field field, int index, const EnemyTable &table);

// Stores a cell's text into record, or says why the column refuses it. List
// fields take a stored value in decimal (or after 0x) that fits their
// bytes, or an entry's label or name as naming has them; UnlistedFields
// tells, once the whole row is in, which values no entry names, since the
// actions decide what the argument lists hold. The name is StoreName's.
std::optional<Refusal> StoreCell(const Column &column, const QString &text, EnemyRecord &record,
                                 const EntryNaming &naming = {});

// Stores the name from a row's "Name" and "Name bytes" cells, each null when
// the row does not give it. Bytes that are given win, and the name must then
// be empty or read as they do; otherwise the name's text is encoded and
// followed by zeros. All 25 bytes are set either way. A refusal names its column.
std::optional<Refusal> StoreName(const QString *text, const QString *hex, EnemyRecord &record);

// Each list or flag field of record that changed from before to a value its
// control cannot show.
std::vector<Field> UnlistedFields(const EnemyRecord &before, const EnemyRecord &record);

} // namespace mobwright
