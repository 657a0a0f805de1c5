#include "ImageDiff.h"

#include "EnemyLabels.h"
#include "RecordDifferences.h"
#include "TableColumns.h"

namespace mobwright {
namespace {

QString ColumnNameOf(const RecordDifference &difference)
{
    return ColumnOf(difference.cell).name;
}

} // namespace

TextTable DifferenceTable(const std::vector<EnemyRecord> &baseline,
                          const std::vector<EnemyRecord> &current)
{
    return DifferenceTable(RecordDifferences(baseline, current), current);
}

TextTable DifferenceTable(const std::vector<RecordDifference> &differences,
                          const std::vector<EnemyRecord> &current)
{
    TextTable table;
    table.header = {QStringLiteral("Enemy"), QStringLiteral("Field"), QStringLiteral("Baseline"),
                    QStringLiteral("Current")};
    for (const RecordDifference &difference : differences) {
        const auto enemy = static_cast<std::size_t>(difference.enemy);
        table.addRow({QString::fromStdString(EnemyLabel(difference.enemy, current[enemy])),
                      ColumnNameOf(difference), QString::fromStdString(difference.baseline),
                      QString::fromStdString(difference.current)},
                     static_cast<int>(table.rows.size()) + 2);
    }
    return table;
}

} // namespace mobwright
