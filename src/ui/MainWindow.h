#pragma once

#include "ActionKinds.h"
#include "EnemyRecord.h"
#include "FieldControls.h"
#include "ListLabels.h"
#include "RecordCursor.h"
#include "RecordStore.h"
#include "RomFile.h"
#include "UnappliedQuestion.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QTabBar;
class QUndoStack;

namespace mobwright {

class EditMarks;
class FindEnemy;
class ListModels;
class RecentImages;
class RomError;

// The editor's one window, "Main": a File menu, a tab strip and three
// pages of controls over the enemy record chosen in the pickers.
class Main : public QMainWindow
{
    Q_OBJECT

public:
    // Gives the file chosen to open, or an empty name when cancelled.
    using OpenDialog = std::function<QString(QWidget *parent)>;
    // Tells the user of a failure or a refusal.
    using MessageSink = std::function<void(const QString &message)>;

    explicit Main(QWidget *parent = nullptr);
    ~Main() override;

    void setOpenDialog(OpenDialog dialog) { openDialog_ = std::move(dialog); }
    void setMessageSink(MessageSink sink) { messageSink_ = std::move(sink); }
    void setFileOpener(RomFile::Opener opener) { fileOpener_ = std::move(opener); }
    void setUnappliedQuestion(UnappliedQuestion question) { question_ = std::move(question); }
    // Whether "Apply Changes" waits until the record is on the disk.
    void setSyncAfterApply(bool sync) { syncAfterApply_ = sync; }

    // Opens an image as "Load ROM" does once a file is chosen.
    void LoadImage(const QString &path);
    // The same for a file name as the system gives it, whatever bytes it holds.
    void LoadImageFile(const std::string &fileName);
    bool isRomLoaded() const { return RomLoaded; }
    // Takes the user's label files from folder, telling once of any not used.
    void useLabelFolder(const QString &folder);

    // Selects the enemy in the pickers exactly as picking it would.
    void goToEnemy(int index);
    // Takes records that were written already into the undo history as one
    // step, and shows them.
    void recordWritten(std::vector<RecordWrite> writes, const QString &what);

signals:
    // After every apply, undo, redo and written change.
    void recordsChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void mnuLoad_Click();
    void mnuClose_Click();
    void TabStrip1_Click();
    void cmbEnemy_Click(int index);
    void cmbAct1_Click() { ActionSlotChanged(0); }
    void cmbAct2_Click() { ActionSlotChanged(1); }
    void cmbAct3_Click() { ActionSlotChanged(2); }
    void cmbAct4_Click() { ActionSlotChanged(3); }
    void cmdApply_Click(int index);

    void FillEnemyLists(const std::vector<std::string> &labels);
    bool LoadEnemyRecord();
    void ShowEnemyRecord(const EnemyRecord &record);
    bool ApplyEnemyRecord();
    void ReportFailedApply(int index, const RomError &error);
    void RelabelEnemy(int index);
    void FillArgumentList(int slot, int code);
    void ActionSlotChanged(int slot);

    void buildMenu();
    void buildEditMenu();
    void buildHelpMenu();
    void buildStatusBar();
    void openImage(const QString &path);
    void closeImage();
    void openRecent(const QString &path);
    // Asks what becomes of unapplied edits; false when the user cancels
    // or the apply they asked for failed.
    bool settleUnappliedEdits();
    void showImageState();
    void stepPage(int step);
    void stepHistory(bool undoing);
    void showWritten(const std::vector<RecordWrite> &changes);
    void mnuLabelFolder_Click();
    // Shows the long lists' labels for the open image, or the given entries'.
    void showListLabels();
    void showListLabels(const std::vector<ListEntry> &entries);
    void relabelArgumentLists();
    void buildPages();
    void selectEnemy(int index);
    void showPageOf(QWidget *control);
    void report(const QString &message);

    QComboBox *actionBox(int slot) const { return controls_.comboBox(ActionField(slot)); }
    QComboBox *argumentBox(int slot) const { return controls_.comboBox(ArgumentField(slot)); }

    RomFile rom_;
    RecordCursor cursor_;
    bool RomLoaded = false;
    ActionKindTable ActionKinds;
    int ShownEnemy = 0;
    bool ReloadPending = false;
    // The record as last read; values its controls cannot show come from here.
    EnemyRecord shownRecord_;
    bool fillingPickers_ = false;
    bool showingRecord_ = false;

    ListModels *lists_;
    ListLabels listLabels_;
    FieldControls controls_;
    QTabBar *TabStrip1 = nullptr;
    std::array<QGroupBox *, 3> frames_{};
    std::array<QComboBox *, 3> cmbEnemy{};

    EditMarks *marks_;
    QUndoStack *history_;
    FindEnemy *find_ = nullptr;
    RecentImages *recent_ = nullptr;
    QLabel *firstLook_ = nullptr;
    QLabel *imageStatus_ = nullptr;
    // Edit menu entries that only an open image gives something to do.
    std::vector<QAction *> imageActions_;

    OpenDialog openDialog_;
    UnappliedQuestion question_ = AskAboutUnappliedEdits;
    MessageSink messageSink_;
    RomFile::Opener fileOpener_ = OpenLockedFile;
    bool syncAfterApply_ = true;
};

} // namespace mobwright
