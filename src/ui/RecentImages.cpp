#include "RecentImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace mobwright {
namespace {

const QString Key = QStringLiteral("recentImages");

} // namespace

RecentImages::RecentImages(QMenu *menu, QObject *parent)
    : QObject(parent)
    // Named in full, so that it does not hang on the application's names.
    , settings_(QStringLiteral("Mobwright"), QStringLiteral("Mobwright"))
    , menu_(menu)
{
    fillMenu();
}

QStringList RecentImages::paths() const
{
    return settings_.value(Key).toStringList();
}

void RecentImages::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = this->paths();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    store(paths.mid(0, Limit));
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
    settings_.setValue(Key, paths);
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
        entry->setObjectName(QStringLiteral("mnuRecent(%1)").arg(i));
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->setEnabled(!paths.isEmpty());
}

} // namespace mobwright
