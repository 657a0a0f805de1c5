#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace mobwright {

class RomFile;

struct SaveQuestion
{
    QString title;
    QString suggested; // the name offered first
    QString filters;   // "CSV Files (*.csv);;JSON Files (*.json)"
    // The images open, which the file chosen must not be.
    std::vector<const RomFile *> images;
};

// Asks where to save in the desktop's save dialog. A name without an
// extension takes the chosen filter's. A name the output guard refuses is
// told why, and the dialog comes back with it, until one is taken; gives
// that name, or an empty one when the dialog is cancelled. filter, if
// given, receives the filter chosen.
QString AskWhereToSave(QWidget *parent, const SaveQuestion &question,
                       const std::function<void(const QString &)> &tell, QString *filter = nullptr);

} // namespace mobwright
