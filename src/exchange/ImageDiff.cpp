#include "ImageDiff.h"

#include "BpsPatch.h"
#include "EnemyLabels.h"
#include "ImageForm.h"
#include "IpsPatch.h"
#include "RecordDifferences.h"
#include "TableColumns.h"

#include <algorithm>

namespace mobwright {
namespace {

QString ColumnNameOf(const RecordDifference &difference)
{
    const auto &columns = TableColumns();
    const auto column = std::find_if(columns.begin(), columns.end(), [&](const Column &c) {
        return difference.field ? c.kind == ColumnKind::Field && c.field == *difference.field
                                : c.kind == ColumnKind::Byte && c.offset == difference.offset;
    });
    return column->name;
}

} // namespace

TextTable DifferenceTable(const std::vector<EnemyRecord> &baseline,
                          const std::vector<EnemyRecord> &current)
{
    TextTable table;
    table.header = {QStringLiteral("Enemy"), QStringLiteral("Field"), QStringLiteral("Baseline"),
                    QStringLiteral("Current")};
    for (const RecordDifference &difference : RecordDifferences(baseline, current)) {
        const auto enemy = static_cast<std::size_t>(difference.enemy);
        table.addRow({QString::fromStdString(EnemyLabel(difference.enemy, current[enemy])),
                      ColumnNameOf(difference), QString::fromStdString(difference.baseline),
                      QString::fromStdString(difference.current)},
                     static_cast<int>(table.rows.size()) + 2);
    }
    return table;
}

std::vector<std::uint8_t> DifferencePatch(std::span<const std::uint8_t> baseline,
                                          std::span<const std::uint8_t> image, PatchFormat format,
                                          bool headerless)
{
    std::vector<std::uint8_t> source;
    std::vector<std::uint8_t> target;
    if (headerless) {
        source = InForm(baseline, ImageKind::Headerless);
        target = InForm(image, ImageKind::Headerless);
    } else {
        // A size that is no image's is refused by InForm.
        const ImageKind form = KindOfImageSize(image.size()).value_or(ImageKind::Headerless);
        target = InForm(image, form);
        source = InForm(baseline, form, image);
    }
    return format == PatchFormat::Ips ? MakeIpsPatch(source, target) : MakeBpsPatch(source, target);
}

} // namespace mobwright
