#pragma once

#include <QString>
#include <QStringList>

namespace mobwright {

class ImageSession;

// The user's own label files: the per-user data folder's "labels".
QString LabelFolder();

// Takes each valid label file in folder as its list's base labels; returns,
// for each file that is not used, which file, which line and why.
QStringList ReadLabelFolder(const QString &folder, ImageSession &session);

} // namespace mobwright
