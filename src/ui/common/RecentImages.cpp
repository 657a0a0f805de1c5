#include "RecentImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace mobwright {
RecentImages::RecentImages(QMenu *menu, std::shared_ptr<Settings> settings, QObject *parent)
    : RecentImages(menu, std::move(settings), QStringLiteral("recentImages"),
                   QStringLiteral("mnuRecent"), 8, parent)
{
}

RecentImages::RecentImages(QMenu *menu, std::shared_ptr<Settings> settings, const QString &key,
                           const QString &entryName, int limit, QObject *parent)
    : QObject(parent)
    , settings_(std::move(settings))
    , menu_(menu)
    , entryName_(entryName)
    , limit_(limit)
{
    setKey(key);
}

void RecentImages::setKey(const QString &key)
{
    key_ = key;
    paths_ = key_.isEmpty() ? QStringList() : settings_->value(key_).toStringList();
    fillMenu();
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

// An image opened again while first in the list changes nothing.
void RecentImages::store(const QStringList &paths)
{
    if (paths == paths_)
        return;
    paths_ = paths;
    if (!key_.isEmpty())
        settings_->setValue(key_, paths);
    fillMenu();
}

void RecentImages::fillMenu()
{
    menu_->clear();
    for (int i = 0; i < paths_.size(); ++i) {
        const QString &path = paths_[i];
        // The number gives each entry an accelerator key.
        QAction *entry = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
            QDir::toNativeSeparators(path).replace(u'&', QStringLiteral("&&"))));
        entry->setObjectName(QStringLiteral("%1(%2)").arg(entryName_).arg(i));
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!paths_.isEmpty());
}

} // namespace mobwright
