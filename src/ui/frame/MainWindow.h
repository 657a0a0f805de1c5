#pragma once

#include "EnemyNavigator.h"
#include "ImageSession.h"
#include "Prompter.h"

#include <QMainWindow>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;

namespace mobwright {

class CompareActions;
class EditActions;
class EnemyEditor;
class LabelFolderActions;
class TableActions;
class ViewActions;
class FindEnemy;
class HeaderActions;
class JournalActions;
class ListModels;
class RecentImages;
class Settings;

// The editor's one window, "Main": the menus (with the entries of the
// comparison's and the table's parts), dialogs and status bar around the
// record editor, all working through one image session.
class MainWindow : public QMainWindow, public EnemyNavigator
{
    Q_OBJECT

public:
    // Asks its questions through prompter; the desktop's dialogs when none is given.
    explicit MainWindow(std::unique_ptr<Prompter> prompter = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    ImageSession &session() { return session_; }
    Prompter &prompter() { return *prompter_; }
    // The one store of the user's settings, for every part of the window that keeps something.
    const std::shared_ptr<Settings> &settings() const { return settings_; }
    EnemyEditor &editor() { return *editor_; }

    // Opens an image as "Load ROM" does once a file is chosen.
    void loadImage(const QString &path);
    // The same for a file name as the system gives it, whatever bytes it holds.
    void loadImageFile(const std::string &fileName);
    // Takes the user's label files from folder, and follows them while they
    // change; a file that is not used is told of once.
    void useLabelFolder(const QString &folder);
    // "Name This Entry…": the entry's new name, written to its list's file.
    void nameEntry(ListEntry entry);
    int shownEnemy() const override;
    void showEnemy(int index, std::optional<Field> focus = {}) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildFileMenu();
    void buildEditMenu();
    void buildViewMenu();
    void buildHelpMenu();
    void chooseImage();
    void closeImage();
    void openImage(const QString &path);
    void openRecent(const QString &path);
    FindEnemy *findBar();

    void showImageState();
    void warn(const QString &message);

    std::unique_ptr<Prompter> prompter_;
    std::shared_ptr<Settings> settings_;
    ImageSession &session_;
    ListModels *lists_;
    EnemyEditor *editor_;
    CompareActions *compare_;
    TableActions *table_;
    LabelFolderActions *labels_;
    EditActions *edits_;
    ViewActions *views_;
    HeaderActions *header_;
    JournalActions *journal_;
    FindEnemy *find_ = nullptr;
    RecentImages *recent_ = nullptr;
    QLabel *imageStatus_ = nullptr;
    // Menu entries that only an open image gives something to do.
    std::vector<QAction *> imageActions_;
};

} // namespace mobwright
