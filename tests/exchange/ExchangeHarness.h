#pragma once

#include "CommandLine.h"
#include "TestImage.h"

#include <QBuffer>
#include <QFile>

namespace mobwright::test {

// A command run through the program's own entry function.
struct CommandRun
{
    int status;
    QString out;
    QString err;
};

// Runs with input as standard input and the user's labels in labelFolder, if any.
inline CommandRun RunCommand(QStringList arguments, QByteArray input = {},
                             const QString &labelFolder = {})
{
    QBuffer in(&input);
    QBuffer out;
    QBuffer err;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    arguments.prepend(QStringLiteral("mobwright"));
    const int status = RunCommandLine(arguments, {in, out, err, labelFolder});
    return {status, QString::fromUtf8(out.data()), QString::fromUtf8(err.data())};
}

inline QString PathOf(const TestImage &image)
{
    return QString::fromStdString(image.path());
}

inline QString WriteFile(const TestImage &beside, const QString &suffix, const QByteArray &bytes)
{
    const QString path = PathOf(beside) + suffix;
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace mobwright::test
