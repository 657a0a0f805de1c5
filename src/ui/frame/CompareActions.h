#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;

namespace mobwright {

class DifferencesView;
class ImageSession;
class Prompter;
class MainWindow;
class RecentImages;

// The window's comparing with a baseline image. It puts its entries into
// the window's menus: File › Compare With…, Recent Baselines, Stop
// Comparing and Export Patch…; Edit › Revert to Baseline and Revert All to
// Baseline; View › Differences; and names the baseline in the status bar.
class CompareActions : public QObject
{
    Q_OBJECT

public:
    explicit CompareActions(MainWindow &window);

    // "Compare With…" once a file is chosen.
    void compareWith(const QString &path);
    DifferencesView &differences();

private:
    void buildFileEntries(QMenu *file);
    void buildEditEntries(QMenu *edit);
    void chooseBaseline();
    void revert(bool all);
    void exportPatch();
    void showState();

    MainWindow &window_;
    ImageSession &session_;
    Prompter &prompter_;
    RecentImages *recent_ = nullptr;
    DifferencesView *differences_ = nullptr;
    QLabel *status_ = nullptr;
    std::vector<QAction *> imageActions_;    // what needs an open image
    std::vector<QAction *> baselineActions_; // what needs a baseline too
};

} // namespace mobwright
