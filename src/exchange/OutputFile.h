#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace mobwright {

class RomFile;

// Why an export or a diff was not written.
struct OutputFailure
{
    // True when the output asked for is refused; false when it failed.
    bool refused;
    QString message;
};

// Writes bytes into the file at path through a temporary beside it that
// replaces the file once whole, so a failure leaves any file there as it
// was. Refuses a path that leads to one of images, by whatever name or
// link, and an existing file that is no regular file: a device, a FIFO or a
// folder would not survive being replaced.
std::optional<OutputFailure> SaveOutput(const QString &path, const QByteArray &bytes,
                                        const std::vector<const RomFile *> &images);

// Writes bytes to out, standard output, and makes sure they went out;
// refuses when out leads to one of images.
std::optional<OutputFailure> WriteOutput(QIODevice &out, const QByteArray &bytes,
                                         const std::vector<const RomFile *> &images);

} // namespace mobwright
