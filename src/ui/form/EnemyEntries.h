#pragma once

#include "TableGeometry.h"

#include <QIcon>
#include <QStringListModel>

#include <bitset>

namespace mobwright {

class ImageSession;

// The enemy pickers' entries, "005: Rust Beetle". An enemy with edits not
// written yet is in bold in the list. While the image is compared with a
// baseline, each enemy whose record as shown differs from the baseline's
// carries a dot, in the list and in the closed picker.
class EnemyEntries : public QStringListModel
{
    Q_OBJECT

public:
    explicit EnemyEntries(const ImageSession &session, QObject *parent = nullptr);

    QVariant data(const QModelIndex &index, int role) const override;

private:
    void compare(const QList<int> &indexes);
    void markEdited(const QList<int> &indexes);
    void compareAll();

    const ImageSession &session_;
    std::bitset<ENEMY_COUNT> differs_;
    bool comparing_ = false;
    QIcon mark_;
    QIcon blank_; // keeps the names of the other entries in line
};

} // namespace mobwright
