#pragma once

#include "DialogPrompter.h"

#include <QStringList>

#include <functional>

namespace mobwright::bench {

// The window's questions answered without a dialog: "Load ROM" goes through
// files in turn, edits left unwritten are dropped, writes are taken as shown,
// and a warning stops the benchmark unless a row expects one.
class BenchPrompter : public DialogPrompter
{
public:
    explicit BenchPrompter(QStringList files)
        : files_(std::move(files))
    {
    }

    std::function<void(const QString &)> onWarning = [](const QString &message) {
        qFatal("%s", qPrintable(message));
    };

    QString imageToOpen(QWidget *, const QString &) override
    {
        return files_[next_++ % files_.size()];
    }
    UnappliedAnswer unappliedEdits(QWidget *, const QString &) override
    {
        return UnappliedAnswer::Discard;
    }
    bool confirmChanges(QWidget *, const QString &, const QString &,
                        const std::vector<CellChange> &) override
    {
        return true;
    }
    std::optional<std::vector<bool>> confirmApply(QWidget *, const QString &, const QString &,
                                                  const std::vector<CellChange> &,
                                                  const std::vector<bool> &rows) override
    {
        return std::vector<bool>(rows.size());
    }
    void warn(QWidget *, const QString &message) override { onWarning(message); }

private:
    QStringList files_;
    qsizetype next_ = 0;
};

} // namespace mobwright::bench
