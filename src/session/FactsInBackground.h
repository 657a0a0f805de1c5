#pragma once

#include "ImageInfo.h"

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>

#include <optional>
#include <string>

namespace mobwright {

// Reads an image's facts on a worker thread, so that neither opening an
// image nor a write waits for its whole file to be read and summed. A read
// starts once no other has been asked for a moment, so that a burst of
// writes is summed once and the worker keeps off the user's next steps.
// Asked again while reading, it reads once more when done and tells only
// that. A read left running when it goes has only its own copies to finish with.
class FactsInBackground : public QObject
{
    Q_OBJECT

public:
    using Facts = std::optional<ImageFacts>;

    explicit FactsInBackground(QObject *parent = nullptr);

    // The file at path as it is now: the facts, or none where it cannot be
    // read or its header cannot be trusted.
    void read(const std::string &path);
    // What is being read is told no more.
    void forget();
    bool isReading() const { return reading_ != nullptr; }

signals:
    void factsRead(const FactsInBackground::Facts &facts);

private:
    void startNext();
    void finished(QFutureWatcher<Facts> *watcher);

    QTimer settling_;
    // Each read has a watcher of its own, so that one let go can never be
    // taken for the one running now.
    QFutureWatcher<Facts> *reading_ = nullptr;
    std::optional<std::string> next_;
};

} // namespace mobwright
