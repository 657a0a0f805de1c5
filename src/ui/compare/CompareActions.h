#pragma once

#include "WindowParts.h"

#include <QObject>
#include <QString>

#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace mobwright {

class DifferencesView;
class RecentImages;

// The window's comparing with a baseline image: its entries in the window's
// menus, File › Compare With…, Compare With Original, Recent Baselines, Stop
// Comparing and Export Patch…; Edit › Revert to Baseline and Revert All to Baseline; View ›
// Differences; and the baseline's name in the status bar.
class CompareActions : public QObject
{
    Q_OBJECT

public:
    explicit CompareActions(const WindowParts &parts);

    // Compare With…, Compare With Original, Recent Baselines and Stop Comparing.
    void addFileEntries(QMenu *file);
    void addPatchEntry(QMenu *file);
    void addEditEntries(QMenu *edit);
    void addViewEntries(QMenu *view);

    // "Compare With…" once a file is chosen.
    void compareWith(const QString &path);
    DifferencesView &differences();

private:
    void chooseBaseline();
    void compareWithOriginal();
    // Tells how many enemies differ from the baseline just chosen.
    void tellDiffering();
    void revert(bool all);
    void exportPatch();
    void showState();

    WindowParts parts_;
    ImageSession &session_;
    QAction *compare_;
    QAction *compareOriginal_;
    QMenu *recentMenu_;
    RecentImages *recent_;
    QAction *stop_;
    QAction *patch_;
    QAction *revertShown_;
    QAction *revertAll_;
    QAction *differencesEntry_;
    DifferencesView *differences_ = nullptr;
    QLabel *status_ = nullptr;
    std::vector<QAction *> imageActions_;    // what needs an open image
    std::vector<QAction *> baselineActions_; // what needs a baseline too
};

} // namespace mobwright
