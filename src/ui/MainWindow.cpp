#include "MainWindow.h"

#include "AboutBox.h"
#include "ApplyStep.h"
#include "EditMarks.h"
#include "EditorPages.h"
#include "FindEnemy.h"
#include "RecentImages.h"
#include "EnemyLabels.h"
#include "LabelFolder.h"
#include "ListModels.h"
#include "QtText.h"
#include "RecordStore.h"
#include "RomError.h"
#include "icon.xpm"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStringListModel>
#include <QTabBar>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

namespace mobwright {
namespace {

constexpr std::array Pages{Page::Stats, Page::Actions, Page::GfxSound};

const QString AppName = QStringLiteral("Mobwright");

QString ShortcutText(QKeySequence::StandardKey key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

// The one local file a drag carries, or an empty name.
QString DroppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

QFrame *HorizontalRule(const char *name)
{
    auto *line = new QFrame;
    line->setObjectName(QString::fromLatin1(name));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

Main::Main(QWidget *parent)
    : QMainWindow(parent)
    , cursor_(rom_, [this] { return cmbEnemy[0]->currentIndex(); })
    , lists_(new ListModels(this))
    , controls_(*lists_)
    , marks_(new EditMarks(controls_, this))
    , history_(new QUndoStack(this)) // goes before the menu entries that name its steps
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(AppName);
    setWindowIcon(QPixmap(icon_xpm));
    setAcceptDrops(true);
    buildMenu();
    buildPages();
    buildEditMenu();
    buildTableMenus();
    buildHelpMenu();
    buildStatusBar();
    openDialog_ = [this](QWidget *parent) {
        return QFileDialog::getOpenFileName(
            parent, QStringLiteral("Open ROM"), recent_->lastFolder(),
            QStringLiteral("Snes Rom Files (*.smc *.sfc);;All Files (*)"));
    };
    messageSink_ = [this](const QString &message) { QMessageBox::warning(this, AppName, message); };
    connect(marks_, &EditMarks::editedChanged, this, &QWidget::setWindowModified);
    Form_Load();
    showImageState();
}

Main::~Main() = default;

void Main::buildMenu()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *load = file->addAction(QStringLiteral("Load ROM"), this, &Main::mnuLoad_Click);
    load->setObjectName(QStringLiteral("mnuLoad"));
    load->setShortcut(QKeySequence::Open);
    QAction *close = file->addAction(QStringLiteral("Close ROM"), this, &Main::mnuClose_Click);
    close->setObjectName(QStringLiteral("mnuClose"));
    close->setShortcut(QKeySequence::Close);
    file->addSeparator();
    QMenu *recent = file->addMenu(QStringLiteral("Recent"));
    recent->setObjectName(QStringLiteral("mnuRecent"));
    recent_ = new RecentImages(recent, this);
    connect(recent_, &RecentImages::chosen, this, &Main::openRecent);
    file->addSeparator();
    QAction *quit = file->addAction(QStringLiteral("Quit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("mnuQuit"));
    quit->setShortcut(QKeySequence::Quit);
}

void Main::buildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    QAction *undo = edit->addAction(QString(), this, [this] { stepHistory(true); });
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = edit->addAction(QString(), this, [this] { stepHistory(false); });
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcut(QKeySequence::Redo);
    // The entries say which step they take: "Undo Apply to 094: Rust Beetle".
    const auto name = [](QAction *action, const QString &verb, bool can, const QString &step) {
        action->setEnabled(can);
        action->setText(can ? QStringLiteral("%1 %2").arg(verb, step)
                            : QStringLiteral("%1 Apply").arg(verb));
    };
    // The stack clears itself when it is destroyed, after the window is gone
    // but before the menu: so the renaming holds no window and lives with the menu.
    const auto nameBoth = [history = history_, undo, redo, name] {
        name(undo, QStringLiteral("Undo"), history->canUndo(), history->undoText());
        name(redo, QStringLiteral("Redo"), history->canRedo(), history->redoText());
    };
    connect(history_, &QUndoStack::indexChanged, edit, nameBoth);
    connect(history_, &QUndoStack::cleanChanged, edit, nameBoth);
    nameBoth();
    edit->addSeparator();
    QAction *apply =
        edit->addAction(QStringLiteral("Apply Changes"), this, [this] { ApplyEnemyRecord(); });
    apply->setObjectName(QStringLiteral("mnuApply"));
    apply->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    edit->addSeparator();
    find_ = new FindEnemy(lists_->enemies(), this);
    addToolBar(Qt::TopToolBarArea, find_);
    connect(find_, &FindEnemy::enemyChosen, this, &Main::goToEnemy);
    QAction *find = edit->addAction(QStringLiteral("Find Enemy…"), this, [this] {
        if (RomLoaded)
            find_->start();
    });
    find->setObjectName(QStringLiteral("mnuFind"));
    find->setShortcut(QKeySequence::Find);
    // Alt with Page Up/Down: the lists and text boxes use neither.
    QAction *previous = edit->addAction(QStringLiteral("Previous Enemy"), this,
                                        [this] { goToEnemy(ShownEnemy - 1); });
    previous->setObjectName(QStringLiteral("mnuPreviousEnemy"));
    previous->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageUp));
    QAction *next =
        edit->addAction(QStringLiteral("Next Enemy"), this, [this] { goToEnemy(ShownEnemy + 1); });
    next->setObjectName(QStringLiteral("mnuNextEnemy"));
    next->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageDown));
    imageActions_ = {apply, find, previous, next};

    auto *nextPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextPage, &QShortcut::activated, this, [this] { stepPage(1); });
    auto *previousPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(previousPage, &QShortcut::activated, this, [this] { stepPage(-1); });
}

void Main::buildStatusBar()
{
    imageStatus_ = new QLabel;
    imageStatus_->setObjectName(QStringLiteral("lblImage"));
    statusBar()->addPermanentWidget(imageStatus_);
}

void Main::buildHelpMenu()
{
    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *folder =
        help->addAction(QStringLiteral("Open Label Folder"), this, &Main::mnuLabelFolder_Click);
    folder->setObjectName(QStringLiteral("mnuLabelFolder"));
    help->addSeparator();
    QAction *about = help->addAction(QStringLiteral("About Mobwright"), this,
                                     [this] { ShowAboutMobwright(this); });
    about->setObjectName(QStringLiteral("mnuAbout"));
    QAction *aboutQt = help->addAction(QStringLiteral("About Qt"), qApp, &QApplication::aboutQt);
    aboutQt->setObjectName(QStringLiteral("mnuAboutQt"));
}

void Main::mnuLabelFolder_Click()
{
    const QString folder = LabelFolder();
    if (!QDir().mkpath(folder)) {
        report(QStringLiteral("The label folder %1 cannot be created.").arg(folder));
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

void Main::useLabelFolder(const QString &folder)
{
    const QStringList problems = ReadLabelFolder(folder, listLabels_);
    showListLabels();
    if (!problems.isEmpty())
        report(problems.join(QStringLiteral("\n\n")));
}

void Main::showListLabels()
{
    lists_->relabel(listLabels_);
    relabelArgumentLists();
}

void Main::showListLabels(const std::vector<ListEntry> &entries)
{
    if (entries.empty())
        return;
    lists_->relabel(listLabels_, entries);
    relabelArgumentLists();
}

void Main::relabelArgumentLists()
{
    // The argument lists shown keep their selection.
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot) {
        if (const auto kind = ActionKinds.kindOf(actionBox(slot)->currentIndex()))
            SetChangedEntries(static_cast<QStringListModel *>(argumentBox(slot)->model()),
                              lists_->arguments(*kind));
    }
}

void Main::buildPages()
{
    auto *central = new QWidget;
    auto *column = new QVBoxLayout(central);
    column->addWidget(HorizontalRule("Line1"));
    column->addWidget(HorizontalRule("Line2"));

    TabStrip1 = new QTabBar;
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    for (const char *caption : TabCaptions)
        TabStrip1->addTab(QString::fromLatin1(caption));
    connect(TabStrip1, &QTabBar::currentChanged, this, &Main::TabStrip1_Click);
    column->addWidget(TabStrip1);

    QHash<QString, QWidget *> controls;
    for (const FieldLayout &layout : EnemyLayout)
        controls.insert(ToQString(layout.control), controls_.control(layout.field));
    for (const Page page : Pages) {
        const int k = EnemyPickerIndex(page);
        QComboBox *picker = MakeComboBox(IndexedName("cmbEnemy", k), 30);
        picker->setModel(lists_->enemies());
        cmbEnemy[static_cast<std::size_t>(k)] = picker;
        controls.insert(picker->objectName(), picker);
        connect(picker, &QComboBox::currentIndexChanged, this, [this, k] { cmbEnemy_Click(k); });
    }
    // The frames lie at one place, the size of the largest, one shown at a time.
    auto *stack = new QGridLayout;
    for (const Page page : Pages) {
        QGroupBox *frame =
            BuildPage(page, [&controls](const QString &name) { return controls.value(name); });
        const int index = ApplyButtonIndex(page);
        auto *apply = frame->findChild<QPushButton *>(IndexedName("cmdApply", index));
        connect(apply, &QPushButton::clicked, this, [this, index] { cmdApply_Click(index); });
        frames_[static_cast<std::size_t>(page)] = frame;
        QSizePolicy policy = frame->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        frame->setSizePolicy(policy);
        stack->addWidget(frame, 0, 0);
    }
    firstLook_ = new QLabel(
        QStringLiteral("To open an image, choose File › Load ROM (%1), or drop a file here.")
            .arg(ShortcutText(QKeySequence::Open)));
    firstLook_->setObjectName(QStringLiteral("lblFirstLook"));
    firstLook_->setAlignment(Qt::AlignCenter);
    firstLook_->setWordWrap(true);
    stack->addWidget(firstLook_, 0, 0);
    column->addLayout(stack, 1);

    const QList<QLabel *> labels = central->findChildren<QLabel *>();
    for (const FieldLayout &layout : EnemyLayout) {
        QWidget *control = controls_.control(layout.field);
        QWidget *label = control; // the check box names itself
        for (auto *named : labels) {
            if (named->buddy() == control)
                label = named;
        }
        marks_->setLabel(layout.field, label);
    }
    AlignColumns(frames_);

    const std::array handlers{&Main::cmbAct1_Click, &Main::cmbAct2_Click, &Main::cmbAct3_Click,
                              &Main::cmbAct4_Click};
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot)
        connect(actionBox(slot), &QComboBox::currentIndexChanged, this,
                handlers[static_cast<std::size_t>(slot)]);

    // The PSI labels, never shown.
    auto *storePsi = MakeComboBox(QStringLiteral("cmbStorePSI"), 20);
    storePsi->setModel(lists_->psiLabels());
    storePsi->setParent(central);
    storePsi->hide();

    setCentralWidget(central);
}

void Main::Form_Load()
{
    for (QGroupBox *frame : frames_)
        frame->hide();
    TabStrip1->hide();
}

void Main::closeEvent(QCloseEvent *event)
{
    if (!settleUnappliedEdits()) {
        event->ignore();
        return;
    }
    Form_Unload();
    event->accept();
}

void Main::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Main::dropEvent(QDropEvent *event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openImage(path);
}

void Main::Form_Unload()
{
    if (RomLoaded)
        rom_.Close();
}

void Main::mnuLoad_Click()
{
    if (!settleUnappliedEdits())
        return;
    const QString fileName = openDialog_(this);
    if (fileName.isEmpty())
        return;
    LoadImage(fileName);
}

void Main::LoadImage(const QString &path)
{
    LoadImageFile(QFile::encodeName(path).toStdString());
}

void Main::LoadImageFile(const std::string &fileName)
{
    // Everything shown from the new image is read before the loaded one is
    // released, so a failure leaves the image before it loaded and shown. The
    // image that is open already is read again through its own handle, since
    // its lock would refuse a second one.
    RomFile next;
    std::vector<std::string> labels;
    EnemyRecord first;
    try {
        next =
            rom_.holds(fileName) ? rom_.Reopened(fileName) : RomFile::Open(fileName, fileOpener_);
        labels = ReadEnemyLabels(next);
        first = ReadRecordAt(next, 0);
        listLabels_.readImage(next);
    } catch (const RomError &error) {
        report(ToQString(error.what()));
        return;
    }
    rom_ = std::move(next); // releases the image opened before, if it was another
    RomLoaded = true;
    recent_->add(QFile::decodeName(fileName.c_str()));
    history_->clear();

    TabStrip1->setCurrentIndex(0);
    TabStrip1->show();
    TabStrip1_Click();
    FillEnemyLists(labels);
    showListLabels();
    ShowEnemyRecord(first);
    showImageState();
}

// Drops and recent images open as "Load ROM" does once a file is chosen.
void Main::openImage(const QString &path)
{
    if (settleUnappliedEdits())
        LoadImage(path);
}

void Main::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        recent_->remove(path);
        report(QStringLiteral("\"%1\" no longer exists; it is taken off the recent images.")
                   .arg(QDir::toNativeSeparators(path)));
        return;
    }
    openImage(path);
}

void Main::mnuClose_Click()
{
    if (settleUnappliedEdits())
        closeImage();
}

void Main::closeImage()
{
    rom_.Close();
    RomLoaded = false;
    listLabels_.forgetImage();
    showListLabels();
    for (QGroupBox *frame : frames_)
        frame->hide();
    TabStrip1->hide();
    marks_->stop();
    find_->hide();
    history_->clear();
    showImageState();
}

void Main::recordWritten(std::vector<RecordWrite> writes, const QString &what)
{
    showWritten(writes);
    history_->push(new ApplyStep(std::move(writes), what,
                                 [this](const auto &changes) { showWritten(changes); }));
}

// The file is written, checked, before the history moves; a file that no
// longer holds what the step left in it is refused and nothing is written.
void Main::stepHistory(bool undoing)
{
    const int stepIndex = undoing ? history_->index() - 1 : history_->index();
    const auto *step = static_cast<const ApplyStep *>(history_->command(stepIndex));
    if (!RomLoaded || !step || !settleUnappliedEdits())
        return;
    const QString what = QStringLiteral("%1 %2").arg(undoing ? "Undo" : "Redo", step->text());
    const std::vector<RecordWrite> changes = step->changes(undoing);
    try {
        ReplaceRecords(rom_, changes);
    } catch (const RomError &error) {
        report(QStringLiteral("%1 failed.\n\n%2").arg(what, ToQString(error.what())));
        return;
    }
    // A step of one record shows that record.
    if (changes.size() == 1)
        goToEnemy(changes.front().index);
    if (undoing)
        history_->undo();
    else
        history_->redo();
    statusBar()->showMessage(QStringLiteral("%1: written and synced").arg(what));
}

void Main::showWritten(const std::vector<RecordWrite> &changes)
{
    for (const RecordWrite &change : changes) {
        RelabelEnemy(change.index);
        showListLabels(listLabels_.recordStored(change.index, change.after));
        if (change.index == ShownEnemy)
            ShowEnemyRecord(change.after);
    }
    emit recordsChanged();
}

void Main::showImageState()
{
    tableImageChanged();
    firstLook_->setVisible(!RomLoaded);
    for (QAction *action : imageActions_)
        action->setEnabled(RomLoaded);
    if (!RomLoaded) {
        setWindowTitle(AppName);
        imageStatus_->clear();
        statusBar()->clearMessage();
        return;
    }
    const QString path = QString::fromStdString(rom_.path());
    setWindowTitle(QStringLiteral("%1[*] — %2").arg(QFileInfo(path).fileName(), AppName));
    imageStatus_->setText(QStringLiteral("%1 — %2").arg(QDir::toNativeSeparators(path),
                                                        rom_.hasCopierHeader()
                                                            ? QStringLiteral("with copier header")
                                                            : QStringLiteral("no copier header")));
}

void Main::TabStrip1_Click()
{
    const QString caption = TabStrip1->tabText(TabStrip1->currentIndex());
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        if (caption == QLatin1String(TabCaptions[i])) {
            for (std::size_t k = 0; k < frames_.size(); ++k)
                frames_[k]->setVisible(k == i);
            cmbEnemy[static_cast<std::size_t>(EnemyPickerIndex(Pages[i]))]->setFocus();
        }
    }
}

void Main::stepPage(int step)
{
    if (RomLoaded)
        TabStrip1->setCurrentIndex((TabStrip1->currentIndex() + step + TabStrip1->count()) %
                                   TabStrip1->count());
}

void Main::FillEnemyLists(const std::vector<std::string> &labels)
{
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(labels.size()));
    for (const std::string &label : labels)
        entries.append(ToQString(label));

    // Replacing the entries takes the pickers through "no selection"; no
    // record may be shown until the new entries are in place.
    fillingPickers_ = true;
    lists_->enemies()->setStringList(entries);
    for (QComboBox *picker : cmbEnemy)
        picker->setCurrentIndex(0);
    fillingPickers_ = false;
    ActionKinds.BuildActionKinds();
}

void Main::cmbEnemy_Click(int index)
{
    if (fillingPickers_)
        return;
    const int wanted = cmbEnemy[static_cast<std::size_t>(index)]->currentIndex();
    if (RomLoaded && wanted >= 0 && wanted != ShownEnemy && marks_->any()) {
        // The edits belong to the enemy shown: they are settled before it is left.
        selectEnemy(ShownEnemy);
        if (!settleUnappliedEdits())
            return;
        selectEnemy(wanted);
    }
    // Read afresh for each copy: a nested handling may have moved it back.
    const QComboBox *source = cmbEnemy[static_cast<std::size_t>(index)];
    for (QComboBox *picker : cmbEnemy) {
        if (picker->currentIndex() != source->currentIndex())
            picker->setCurrentIndex(source->currentIndex());
    }
    const int chosen = cmbEnemy[0]->currentIndex();
    if (!RomLoaded || chosen < 0 || !ActionKinds.isBuilt())
        return;
    if (chosen != ShownEnemy || ReloadPending) {
        if (!LoadEnemyRecord()) {
            // The failure is reported once; the controls still show ShownEnemy.
            ReloadPending = false;
            selectEnemy(ShownEnemy);
        }
    }
}

void Main::selectEnemy(int index)
{
    fillingPickers_ = true;
    for (QComboBox *picker : cmbEnemy)
        picker->setCurrentIndex(index);
    fillingPickers_ = false;
}

void Main::goToEnemy(int index)
{
    if (RomLoaded && index >= 0 && index < ENEMY_COUNT)
        cmbEnemy[0]->setCurrentIndex(index);
}

bool Main::settleUnappliedEdits()
{
    if (!RomLoaded || !marks_->any())
        return true;
    switch (question_(this, cmbEnemy[0]->currentText())) {
    case UnappliedAnswer::Apply: return ApplyEnemyRecord();
    case UnappliedAnswer::Discard: return true;
    case UnappliedAnswer::Cancel: break;
    }
    return false;
}

bool Main::LoadEnemyRecord()
{
    try {
        ShowEnemyRecord(ReadEnemyRecord(cursor_));
    } catch (const RomError &error) {
        report(QStringLiteral("Cannot show the enemy: %1").arg(ToQString(error.what())));
        return false;
    }
    return true;
}

void Main::ShowEnemyRecord(const EnemyRecord &record)
{
    shownRecord_ = record;
    const FormValues form = FormFromRecord(record);

    // The argument lists are filled for the actions about to be shown before
    // their stored arguments are selected; the slots' own handling waits.
    showingRecord_ = true;
    marks_->stop();
    for (int slot = 0; slot < ACTION_SLOT_COUNT; ++slot)
        FillArgumentList(slot, form[static_cast<std::size_t>(ActionField(slot))].position);
    controls_.show(form);
    marks_->reset(form);
    showingRecord_ = false;

    ReloadPending = false;
    ShownEnemy = cmbEnemy[0]->currentIndex();
}

void Main::FillArgumentList(int slot, int code)
{
    const std::optional<ActionKind> kind = ActionKinds.kindOf(code);
    QComboBox *arguments = argumentBox(slot);
    arguments->setProperty("Tag", kind ? QString::fromLatin1(KindName(*kind).data()) : QString());
    // Entries that are the same already are not set again.
    auto *entries = static_cast<QStringListModel *>(arguments->model());
    const QStringList wanted = kind ? lists_->arguments(*kind) : QStringList();
    if (entries->stringList() != wanted)
        entries->setStringList(wanted);
    arguments->setCurrentIndex(-1);
}

void Main::ActionSlotChanged(int slot)
{
    if (showingRecord_)
        return;
    QComboBox *arguments = argumentBox(slot);
    const QString kindBefore = arguments->property("Tag").toString();
    const int positionBefore = arguments->currentIndex();
    FillArgumentList(slot, actionBox(slot)->currentIndex());
    // Another action of the same kind keeps its argument.
    const bool sameKind = arguments->property("Tag").toString() == kindBefore;
    arguments->setCurrentIndex(sameKind ? positionBefore : 0);
}

void Main::cmdApply_Click(int /*index*/)
{
    ApplyEnemyRecord();
}

bool Main::ApplyEnemyRecord()
{
    if (!RomLoaded)
        return false;
    const auto result = RecordFromForm(controls_.read(), shownRecord_);
    if (const auto *refusal = std::get_if<Refusal>(&result)) {
        QWidget *control = controls_.control(*refusal->field);
        showPageOf(control);
        control->setFocus();
        report(ToQString(refusal->message()));
        return false;
    }

    const int index = cmbEnemy[0]->currentIndex();
    RecordWrite write{index, {}, {}};
    try {
        // The bytes the editor does not edit are written as they are now.
        write.before = ReadEnemyRecord(cursor_);
        write.after = write.before.WithFieldsOf(std::get<EnemyRecord>(result));
        rom_.ConfirmUnchanged();
        WriteEnemyRecord(cursor_, write.after);
        if (syncAfterApply_)
            rom_.Sync();
    } catch (const RomError &error) {
        ReportFailedApply(index, error);
        return false;
    }
    RelabelEnemy(index);
    showListLabels(listLabels_.recordStored(index, write.after));
    const QString label = lists_->enemies()->index(index).data().toString();
    history_->push(new ApplyStep({write}, QStringLiteral("Apply to %1").arg(label),
                                 [this](const auto &changes) { showWritten(changes); }));
    // The controls show the record as it now is in the file.
    try {
        ShowEnemyRecord(ReadEnemyRecord(cursor_));
    } catch (const RomError &error) {
        report(
            QStringLiteral("The changes to enemy %1 are on the disk, but showing the record again "
                           "failed.\n\n%2")
                .arg(index + 1)
                .arg(ToQString(error.what())));
    }
    statusBar()->showMessage(
        QStringLiteral("%1 written%2").arg(label, syncAfterApply_ ? " and synced" : ""));
    emit recordsChanged();
    return true;
}

void Main::ReportFailedApply(int index, const RomError &error)
{
    const auto *failedWrite = dynamic_cast<const RomWriteError *>(&error);
    QString outcome = QStringLiteral("Nothing was written.");
    if (failedWrite && failedWrite->written() > 0)
        outcome = QStringLiteral(
                      "Only %1 of its %2 bytes were written, so the record in the file is partly "
                      "changed.")
                      .arg(failedWrite->written())
                      .arg(ENEMY_RECORD_SIZE);
    else if (!failedWrite)
        outcome = QStringLiteral("The record may not be on the disk yet."); // the sync failed
    report(QStringLiteral("The changes to enemy %1 could not be written. %2\n\n%3")
               .arg(index + 1)
               .arg(outcome, ToQString(error.what())));
    RelabelEnemy(index);
}

void Main::RelabelEnemy(int index)
{
    // The picker names the enemy as the file holds it, whatever the apply did.
    std::string name;
    try {
        name = ReadEnemyName(rom_, index);
    } catch (const RomError &) {
        return; // the label stays; the failure has been reported
    }
    QStringListModel *enemies = lists_->enemies();
    const QModelIndex entry = enemies->index(index);
    const QString label = ToQString(EnemyLabel(index, name));
    if (enemies->data(entry).toString() != label)
        enemies->setData(entry, label);
}

void Main::showPageOf(QWidget *control)
{
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        if (frames_[i]->isAncestorOf(control))
            TabStrip1->setCurrentIndex(static_cast<int>(i));
    }
}

void Main::report(const QString &message)
{
    messageSink_(message);
}

} // namespace mobwright
