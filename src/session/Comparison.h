#pragma once

#include "RecordDifferences.h"

#include <QString>

#include <vector>

namespace mobwright {

class ImageSession;
class RomFile;

// The files the session has open, the image and its baseline, which no
// output may replace.
std::vector<const RomFile *> OpenImages(const ImageSession &session);

// The enemies as the views show them, with their pending edits, against the
// session's baseline. Without a baseline nothing differs.

// The baseline's record of an enemy, or null.
const EnemyRecord *BaselineRecord(const ImageSession &session, int index);
bool DiffersFromBaseline(const ImageSession &session, int index);
// Every field and unnamed byte that differs, by enemy and offset.
std::vector<RecordDifference> DifferencesFromBaseline(const ImageSession &session);

// Makes the baseline's records, every byte of them, the pending records of
// enemies, as one step of the history named what. Enemies that are as in
// the baseline already are left as they are.
void RevertToBaseline(ImageSession &session, const std::vector<int> &enemies, const QString &what);

} // namespace mobwright
