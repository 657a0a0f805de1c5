#pragma once

#include <QHash>
#include <QSettings>
#include <QThreadPool>

namespace mobwright {

// The user's settings, read on the window's thread and written, in order, on
// a thread of their own, so that saving them, with its sync to disk, never
// holds up the window. A value the settings hold already is not written.
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
    QSettings settings_;
    QHash<QString, QVariant> written_; // since this started
    QThreadPool writer_;
};

} // namespace mobwright
