#include "Comparison.h"

#include "Baseline.h"
#include "ImageSession.h"

namespace mobwright {

std::vector<const RomFile *> OpenImages(const ImageSession &session)
{
    std::vector<const RomFile *> images{&session.rom()};
    if (const Baseline *baseline = session.baseline())
        images.push_back(&baseline->rom());
    return images;
}

const EnemyRecord *BaselineRecord(const ImageSession &session, int index)
{
    const Baseline *baseline = session.baseline();
    return baseline && session.isOpen() ? &baseline->records().at(static_cast<std::size_t>(index))
                                        : nullptr;
}

bool DiffersFromBaseline(const ImageSession &session, int index)
{
    const EnemyRecord *baseline = BaselineRecord(session, index);
    return baseline && !(*baseline == session.shown(index));
}

std::vector<RecordDifference> DifferencesFromBaseline(const ImageSession &session)
{
    if (!BaselineRecord(session, 0))
        return {};
    std::vector<EnemyRecord> shown;
    shown.reserve(ENEMY_COUNT);
    for (int index = 0; index < ENEMY_COUNT; ++index)
        shown.push_back(session.shown(index));
    return RecordDifferences(session.baseline()->records(), shown);
}

void RevertToBaseline(ImageSession &session, const std::vector<int> &enemies, const QString &what)
{
    std::map<int, PendingRecord> reverted;
    for (const int index : enemies) {
        if (const EnemyRecord *baseline = BaselineRecord(session, index))
            reverted.emplace(index,
                             PendingRecord{session.pendingOrStored(index).base, *baseline, {}});
    }
    session.editPending(std::move(reverted), what);
}

} // namespace mobwright
