#pragma once

#include "OutputFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace mobwright {

// Where a journal's bytes live. Each failure throws JournalError, saying why.
class JournalStorage
{
public:
    virtual ~JournalStorage() = default;

    // Every byte of the journal, or nothing where there is none yet.
    virtual std::optional<QByteArray> read() = 0;
    // Writes bytes from offset at, cutting off what lay past it first (a
    // torn tail); then syncs them to the disk when asked.
    virtual void append(qint64 at, const QByteArray &bytes, bool sync) = 0;
    // Replaces the whole journal by bytes at once, synced: anything that
    // stops it part way leaves the journal that was there.
    virtual void replace(const QByteArray &bytes) = 0;
};

// A journal file, written only through the output guard: a regular file of
// its own (no link, FIFO or device, never an image) that only the user may
// read and write. A journal taken over from another file (that of an image
// since moved) removes that file once it is written in its own place.
class JournalFile final : public JournalStorage
{
public:
    explicit JournalFile(QString path, QString supersedes = {});

    const QString &path() const { return path_; }

    std::optional<QByteArray> read() override;
    void append(qint64 at, const QByteArray &bytes, bool sync) override;
    void replace(const QByteArray &bytes) override;

private:
    QString path_;
    QString supersedes_;
    AppendedOutput output_;
};

} // namespace mobwright
