#pragma once

#include "Settings.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QMenu;

namespace mobwright {

// The images opened last, newest first, kept in the user's settings and
// offered by a "Recent" menu.
class RecentImages : public QObject
{
    Q_OBJECT

public:
    RecentImages(QMenu *menu, std::shared_ptr<Settings> settings, QObject *parent = nullptr);
    // Kept under key, at most limit; the menu entries are named entryName(0), entryName(1)…
    RecentImages(QMenu *menu, std::shared_ptr<Settings> settings, const QString &key,
                 const QString &entryName, int limit, QObject *parent = nullptr);
    // Keeps and offers the images under another key; none for an empty key.
    void setKey(const QString &key);

    QStringList paths() const { return paths_; }
    // Puts path first; the oldest beyond the limit drops off.
    void add(const QString &path);
    void remove(const QString &path);
    // Where the open dialog starts: the folder of the image opened last.
    QString lastFolder() const;

signals:
    void chosen(const QString &path);

private:
    void store(const QStringList &paths);
    void fillMenu();

    std::shared_ptr<Settings> settings_;
    QStringList paths_; // as the settings hold them, or will once written
    QMenu *menu_;
    QString key_;
    QString entryName_;
    int limit_;
};

} // namespace mobwright
