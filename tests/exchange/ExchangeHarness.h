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

inline CommandRun RunCommand(QStringList arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    arguments.prepend(QStringLiteral("mobwright"));
    const int status = RunCommandLine(arguments, out, err);
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
