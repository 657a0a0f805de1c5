#pragma once

#include "LabelForms.h"
#include "Refusal.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace mobwright {

class ImageSession;

// The user's own label files: the per-user data folder's "labels".
QString LabelFolder();

// A label file larger than this is no list of labels, and is not read.
inline constexpr qint64 MAX_LABEL_FILE_SIZE = 1024 * 1024;

// Where a list's label file lies in folder.
QString LabelFilePath(const QString &folder, LongList list);

// The labels of a list's file in folder, or which file is not used and why.
// Only regular files are read, and none is waited for: a FIFO, a device or
// a folder in a label file's place, or a file over MAX_LABEL_FILE_SIZE, is
// refused without being read.
Checked<std::vector<std::string>> ReadLabelList(const QString &folder, LongList list);

// Takes each valid label file in folder as its list's base labels; returns,
// for each file that is not used, which file and why.
QStringList ReadLabelFolder(const QString &folder, ImageSession &session);

} // namespace mobwright
