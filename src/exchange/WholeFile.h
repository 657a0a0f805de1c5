#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace mobwright {

// Writes bytes as the file at path, replaced whole or not at all: a file
// there already stays as it was if anything fails. Returns why it could not
// be written.
std::optional<QString> SaveWholeFile(const QString &path, const QByteArray &bytes);

} // namespace mobwright
