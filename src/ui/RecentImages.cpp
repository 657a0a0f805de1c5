#include "RecentImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace mobwright {
RecentImages::RecentImages(QMenu *menu, QObject *parent)
    : RecentImages(menu, QStringLiteral("recentImages"), QStringLiteral("mnuRecent"), 8, parent)
{
}

RecentImages::RecentImages(QMenu *menu, const QString &key, const QString &entryName, int limit,
                           QObject *parent)
    : QObject(parent)
    // Named in full, so that it does not hang on the application's names.
    , settings_(QStringLiteral("Mobwright"), QStringLiteral("Mobwright"))
    , menu_(menu)
    , key_(key)
    , entryName_(entryName)
    , limit_(limit)
{
    fillMenu();
}

void RecentImages::setKey(const QString &key)
{
    key_ = key;
    fillMenu();
}

QStringList RecentImages::paths() const
{
    return key_.isEmpty() ? QStringList() : settings_.value(key_).toStringList();
}

void RecentImages::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = this->paths();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    store(paths.mid(0, limit_));
}

void RecentImages::remove(const QString &path)
{
    QStringList paths = this->paths();
    paths.removeAll(path);
    store(paths);
}

QString RecentImages::lastFolder() const
{
    const QStringList paths = this->paths();
    return paths.isEmpty() ? QCoreApplication::applicationDirPath()
                           : QFileInfo(paths.first()).absolutePath();
}

void RecentImages::store(const QStringList &paths)
{
    if (!key_.isEmpty())
        settings_.setValue(key_, paths);
    fillMenu();
}

void RecentImages::fillMenu()
{
    menu_->clear();
    const QStringList paths = this->paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString &path = paths[i];
        // The number gives each entry an accelerator key.
        QAction *entry = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"))));
        entry->setObjectName(QStringLiteral("%1(%2)").arg(entryName_).arg(i));
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!paths.isEmpty());
}

} // namespace mobwright
