#include "CompareBench.h"

#include "CompareActions.h"
#include "PatchBench.h"
#include "PatchDialog.h"
#include "Stats.h"
#include "TableGeometry.h"

#include <QDir>
#include <QFile>

namespace mobwright::bench {
namespace {

QByteArray Contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

std::span<const std::uint8_t> Span(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// The image without its copier header, with the HP of every tenth enemy
// changed: what a baseline before a few edits looks like.
QString MakeBaseline(const QString &image, const QString &path, char hp)
{
    QByteArray bytes = Contents(image).mid(COPIER_HEADER_SIZE);
    for (int k = 0; k < ENEMY_COUNT; k += 10)
        bytes[EnemyRecordOffset(EnemyTableOffset(ImageKind::Headerless), k) + 33] = hp;
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(bytes);
    return path;
}

} // namespace

void MeasureCompare(int repetitions, const QString &image, const QString &folder,
                    MainWindow &window)
{
    window.loadImage(image);
    const QDir dir(folder);
    const QString baselines[] = {MakeBaseline(image, dir.filePath("base1.sfc"), 1),
                                 MakeBaseline(image, dir.filePath("base2.sfc"), 2)};
    auto *actions = window.findChild<CompareActions *>();
    Print({"\"Compare With\" to the differences marked (3 MiB images)"},
          Measure(repetitions, [&](int i) { actions->compareWith(baselines[i % 2]); }));
    const int reps = std::max(5, repetitions / 4);
    for (const auto &[format, row] :
         {std::pair(u"ips", "\"Export Patch\" IPS, headerless, saved with its sync"),
          std::pair(u"bps", "\"Export Patch\" BPS, headerless, saved with its sync")}) {
        Print({row}, Measure(reps, [&](int) {
                  ExportPatch(window.session(), {&FormatNamed(format), ImageKind::Headerless},
                              dir.filePath("patch"));
              }));
    }
    window.session().close();
    const QByteArray baseline = Contents(baselines[0]), imageBytes = Contents(image);
    MeasurePatchFloors(repetitions, Span(baseline), Span(imageBytes).subspan(COPIER_HEADER_SIZE));
}

} // namespace mobwright::bench
