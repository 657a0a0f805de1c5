#include "FactsInBackground.h"

#include "RomError.h"

#include <QPromise>
#include <QThreadPool>

#include <chrono>
#include <memory>

namespace mobwright {
namespace {

// Long enough to take in a burst of steps, short enough to go unnoticed.
constexpr std::chrono::milliseconds SETTLING_TIME{150};

FactsInBackground::Facts FactsAt(const std::string &path)
{
    try {
        auto read = ReadImageFacts(path);
        if (auto *facts = std::get_if<ImageFacts>(&read))
            return *facts;
    } catch (const RomError &) {
        // A file that is no longer an image is told of by the session.
    }
    return std::nullopt;
}

} // namespace

FactsInBackground::FactsInBackground(QObject *parent)
    : QObject(parent)
{
    settling_.setSingleShot(true);
    settling_.setInterval(SETTLING_TIME);
    connect(&settling_, &QTimer::timeout, this, [this] {
        if (!reading_)
            startNext();
    });
}

void FactsInBackground::read(const std::string &path)
{
    next_ = path;
    settling_.start();
}

void FactsInBackground::forget()
{
    next_.reset();
    settling_.stop();
    reading_ = nullptr;
}

void FactsInBackground::startNext()
{
    auto promise = std::make_shared<QPromise<Facts>>();
    promise->start();
    reading_ = new QFutureWatcher<Facts>(this);
    connect(reading_, &QFutureWatcherBase::finished, this,
            [this, watcher = reading_] { finished(watcher); });
    reading_->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, path = *std::exchange(next_, {})] {
        promise->addResult(FactsAt(path));
        promise->finish();
    });
}

void FactsInBackground::finished(QFutureWatcher<Facts> *watcher)
{
    watcher->deleteLater();
    if (watcher != reading_)
        return; // forgotten
    reading_ = nullptr;
    if (!next_)
        emit factsRead(watcher->result());
    else if (!settling_.isActive())
        startNext();
}

} // namespace mobwright
