#include "Settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QUrl>

namespace mobwright {
namespace {

// Named in full, so that they do not hang on the application's names.
QSettings File()
{
    return QSettings(QStringLiteral("Mobwright"), QStringLiteral("Mobwright"));
}

} // namespace

QString ImageKey(const QString &group, const QString &imagePath)
{
    return group + u'/' +
           QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(imagePath).absoluteFilePath()));
}

Settings::Settings()
{
    writer_.setMaxThreadCount(1); // one after the other, as they were asked for
}

Settings::~Settings()
{
    writer_.waitForDone();
}

QVariant Settings::value(const QString &key, const QVariant &fallback)
{
    if (!std::exchange(read_, true)) {
        const QSettings file = File();
        for (const QString &each : file.allKeys())
            kept_.insert(each, file.value(each));
    }
    const auto kept = kept_.constFind(key);
    return kept != kept_.cend() ? *kept : fallback;
}

bool Settings::contains(const QString &key)
{
    value(key);
    return kept_.contains(key);
}

void Settings::setValue(const QString &key, const QVariant &value)
{
    QVariant kept = this->value(key); // read from the file as text
    if (kept.convert(value.metaType()) && kept == value)
        return;
    kept_.insert(key, value);
    const QMutexLocker locked(&mutex_);
    unwritten_.insert(key, value);
    if (!std::exchange(writeAsked_, true))
        writer_.start([this] { writeUnwritten(); });
}

// On the writer's thread: the file is written and synced once the settings
// object goes.
void Settings::writeUnwritten()
{
    QHash<QString, QVariant> values;
    {
        const QMutexLocker locked(&mutex_);
        values.swap(unwritten_);
        writeAsked_ = false;
    }
    QSettings file = File();
    for (auto value = values.cbegin(); value != values.cend(); ++value)
        file.setValue(value.key(), value.value());
}

} // namespace mobwright
