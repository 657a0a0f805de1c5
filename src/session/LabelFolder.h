#pragma once

#include <QString>
#include <QStringList>

namespace mobwright {

class ImageSession;

// The user's own label files: the per-user data folder's "labels".
QString LabelFolder();

// A label file larger than this is no list of labels, and is not read.
inline constexpr qint64 MAX_LABEL_FILE_SIZE = 1024 * 1024;

// Takes each valid label file in folder as its list's base labels; returns,
// for each file that is not used, which file and why. Only regular files are
// read, and none is waited for: a FIFO, a device or a folder in a label
// file's place, or a file over MAX_LABEL_FILE_SIZE, is told of and skipped.
QStringList ReadLabelFolder(const QString &folder, ImageSession &session);

} // namespace mobwright
