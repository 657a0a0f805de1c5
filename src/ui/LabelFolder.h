#pragma once

#include <QString>
#include <QStringList>

namespace mobwright {

class ListLabels;

// The user's own label files: the per-user data folder's "labels".
QString LabelFolder();

// Takes each valid label file in folder as its list's base; returns, for
// each file that is not used, which file, which line and why.
QStringList ReadLabelFolder(const QString &folder, ListLabels &labels);

} // namespace mobwright
