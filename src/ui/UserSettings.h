#pragma once

#include <QHash>
#include <QThreadPool>
#include <QVariant>

namespace mobwright {

// The user's settings, read from the file once and then kept, and written,
// in order, on a thread of their own, so that saving them, with its sync to
// disk, never holds up the window: not even a read waits for the file while
// it is being written. A value the settings hold already is not written.
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
    QHash<QString, QVariant> kept_;
    bool read_ = false;
    QThreadPool writer_;
};

} // namespace mobwright
