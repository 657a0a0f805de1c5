#include "UserSettings.h"

namespace mobwright {
namespace {

// Named in full, so that they do not hang on the application's names.
const QString Organization = QStringLiteral("Mobwright");
const QString Application = QStringLiteral("Mobwright");

} // namespace

UserSettings::UserSettings()
    : settings_(Organization, Application)
{
    writer_.setMaxThreadCount(1); // one after the other, as they were asked for
}

UserSettings::~UserSettings()
{
    writer_.waitForDone();
}

QVariant UserSettings::value(const QString &key, const QVariant &fallback)
{
    const auto written = written_.constFind(key);
    return written != written_.cend() ? *written : settings_.value(key, fallback);
}

void UserSettings::setValue(const QString &key, const QVariant &value)
{
    QVariant kept = this->value(key); // read from the file as text
    if (kept.convert(value.metaType()) && kept == value)
        return;
    written_.insert(key, value);
    // Settings objects of one file share it, thread-safely; this one is
    // written and synced when it goes, on the writer's thread.
    writer_.start([key, value] { QSettings(Organization, Application).setValue(key, value); });
}

} // namespace mobwright
