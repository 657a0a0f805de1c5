#pragma once

#include <QHash>
#include <QMutex>
#include <QThreadPool>
#include <QVariant>

namespace mobwright {

// The user's settings, read from the file once and then kept, and written on
// a thread of their own, so that saving them, with its sync to disk, never
// holds up the window: not even a read waits for the file while it is being
// written. A value the settings hold already is not written, and values set
// while a write is under way are written together, with one sync.
class UserSettings
{
public:
    UserSettings();
    // Waits for the writes not done yet.
    ~UserSettings();

    // As written last, whether on the disk yet or not.
    QVariant value(const QString &key, const QVariant &fallback = {});
    void setValue(const QString &key, const QVariant &value);

private:
    void writeUnwritten();

    QHash<QString, QVariant> kept_;
    bool read_ = false;
    QMutex mutex_; // guards the two below, shared with the writer's thread
    QHash<QString, QVariant> unwritten_;
    bool writeAsked_ = false;
    QThreadPool writer_;
};

} // namespace mobwright
