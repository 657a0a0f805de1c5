#pragma once

#include <QHash>
#include <QMutex>
#include <QThreadPool>
#include <QVariant>

namespace mobwright {

// The user's settings: one store for the whole window, which every part that
// keeps something is given. Read from the file once and then kept, and written on
// a thread of their own, so that saving them, with its sync to disk, never
// holds up the window: not even a read waits for the file while it is being
// written. A value the settings hold already is not written, and values set
// while a write is under way are written together, with one sync.
class Settings
{
public:
    Settings();
    // Waits for the writes not done yet.
    ~Settings();

    // As written last, whether on the disk yet or not.
    QVariant value(const QString &key, const QVariant &fallback = {});
    // Whether key was ever set: an empty list is read back as no value.
    bool contains(const QString &key);
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

// The settings key under group for what is kept of one image: its absolute
// path, encoded so that no character of it is read as part of a key.
QString ImageKey(const QString &group, const QString &imagePath);

} // namespace mobwright
