#include "FactsInBackground.h"

#include "RomError.h"

#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace mobwright {
namespace {

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
}

void FactsInBackground::read(const std::string &path)
{
    next_ = path;
    if (!reading_)
        startNext();
}

void FactsInBackground::forget()
{
    next_.reset();
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
    if (next_)
        startNext();
    else
        emit factsRead(watcher->result());
}

} // namespace mobwright
