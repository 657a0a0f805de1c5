#include "MainWindow.h"

#include "AboutBox.h"
#include "DialogPrompter.h"
#include "CompareActions.h"
#include "EditActions.h"
#include "EnemyEditor.h"
#include "TableActions.h"
#include "ViewActions.h"
#include "FileFormats.h"
#include "FindEnemy.h"
#include "HeaderActions.h"
#include "JournalActions.h"
#include "LabelFolderActions.h"
#include "ListModels.h"
#include "QtText.h"
#include "RecentImages.h"
#include "Settings.h"
#include "RomError.h"
#include "WindowKeys.h"
#include "WindowMemory.h"
#include "icon.xpm"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>

namespace mobwright {
namespace {

const QString AppName = QStringLiteral("Mobwright");

// The one local file a drag carries, or an empty name.
QString DroppedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<Prompter> prompter, QWidget *parent)
    : QMainWindow(parent)
    , prompter_(prompter ? std::move(prompter) : std::make_unique<DialogPrompter>())
    , settings_(std::make_shared<Settings>())
    // The window's first child: it goes after the views of it, which are
    // hidden before any child is deleted.
    , session_(*new ImageSession(this))
    , lists_(new ListModels(session_, this))
    , editor_(new EnemyEditor(session_, *lists_))
    , compare_(new CompareActions({*this, session_, *prompter_, *this, settings_}))
    , table_(new TableActions({*this, session_, *prompter_, *this, settings_}))
    , labels_(new LabelFolderActions({*this, session_, *prompter_, *this, settings_}))
    , edits_(new EditActions({*this, session_, *prompter_, *this, settings_}))
    , views_(new ViewActions({*this, session_, *prompter_, *this, settings_}, *editor_, *table_))
    , header_(new HeaderActions({*this, session_, *prompter_, *this, settings_}))
    , journal_(new JournalActions({*this, session_, *prompter_, *this, settings_}))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(AppName);
    setWindowIcon(QPixmap(icon_xpm));
    setAcceptDrops(true);
    setCentralWidget(editor_);
    buildFileMenu();
    buildEditMenu();
    buildViewMenu();
    buildHelpMenu();
    new WindowMemory(*this, session_, *editor_, settings_);
    imageStatus_ = new QLabel;
    imageStatus_->setObjectName(QStringLiteral("lblImage"));
    statusBar()->addPermanentWidget(imageStatus_);

    connect(editor_, &EnemyEditor::applyRequested, edits_, &EditActions::applyShownEnemy);
    connect(editor_, &EnemyEditor::nameEntryRequested, this, &MainWindow::nameEntry);
    connect(table_, &TableActions::applyAllRequested, edits_, [this] { edits_->applyAll(true); });
    connect(table_, &TableActions::undoRequested, edits_, [this] { edits_->stepHistory(true); });
    connect(table_, &TableActions::redoRequested, edits_, [this] { edits_->stepHistory(false); });
    connect(table_, &TableActions::nameEntryRequested, this, &MainWindow::nameEntry);
    connect(table_, &TableActions::writeFailed, edits_, &EditActions::tellOutcome);
    connect(header_, &HeaderActions::wrote, edits_, &EditActions::tellOutcome);
    connect(editor_, &EnemyEditor::helpShown, statusBar(), [this](const QString &help) {
        statusBar()->showMessage(help);
    });
    connect(&session_, &ImageSession::opened, this, &MainWindow::showImageState);
    connect(&session_, &ImageSession::closed, this, &MainWindow::showImageState);
    connect(&session_, &ImageSession::pendingChanged, this,
            [this] { setWindowModified(!session_.pending().empty()); });
    // A step of one enemy shows that enemy.
    connect(&session_, &ImageSession::steppedOver, this, [this](const QList<int> &enemies) {
        if (enemies.size() == 1)
            showEnemy(enemies.front());
    });
    showImageState();
}

// A view in a window of its own is hidden while the session it shows lives.
MainWindow::~MainWindow()
{
    table_->closeTable();
    views_->closeViews();
}

void MainWindow::buildFileMenu()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *load = file->addAction(tr("&Load ROM"), this, &MainWindow::chooseImage);
    load->setObjectName(QStringLiteral("mnuLoad"));
    load->setShortcut(QKeySequence::Open);
    QAction *close = file->addAction(tr("&Close ROM"), this, &MainWindow::closeImage);
    close->setObjectName(QStringLiteral("mnuClose"));
    close->setShortcut(QKeySequence::Close);
    file->addSeparator();
    QMenu *recent = file->addMenu(tr("&Recent"));
    recent->setObjectName(QStringLiteral("mnuRecent"));
    recent_ = new RecentImages(recent, settings_, this);
    connect(recent_, &RecentImages::chosen, this, &MainWindow::openRecent);
    file->addSeparator();
    compare_->addFileEntries(file);
    file->addSeparator();
    table_->addFileEntries(file);
    compare_->addPatchEntry(file);
    header_->addFileEntry(file);
    file->addSeparator();
    file->addAction(journal_->toggleEntry());
    file->addSeparator();
    QAction *quit = file->addAction(tr("&Quit"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("mnuQuit"));
    quit->setShortcuts(StandardKeysOr(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
}

void MainWindow::buildEditMenu()
{
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    edits_->addStepEntries(edit);
    edit->addSeparator();
    edits_->addApplyEntries(edit);
    edit->addSeparator();
    header_->addEditEntries(edit);
    edit->addSeparator();
    compare_->addEditEntries(edit);
    edit->addSeparator();
    QAction *find = edit->addAction(tr("&Find Enemy…"), this, [this] {
        if (session_.isOpen())
            findBar()->start();
    });
    find->setObjectName(QStringLiteral("mnuFind"));
    find->setShortcut(QKeySequence::Find);
    // Alt with Page Up/Down: the lists and text boxes use neither.
    QAction *previous = edit->addAction(tr("&Previous Enemy"), this,
                                        [this] { showEnemy(editor_->shownEnemy() - 1); });
    previous->setObjectName(QStringLiteral("mnuPreviousEnemy"));
    previous->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageUp));
    QAction *next =
        edit->addAction(tr("&Next Enemy"), this, [this] { showEnemy(editor_->shownEnemy() + 1); });
    next->setObjectName(QStringLiteral("mnuNextEnemy"));
    next->setShortcut(QKeySequence(Qt::ALT | Qt::Key_PageDown));
    edits_->addRevertEntries(edit);
    imageActions_ = {find, previous, next};
    StepPagesOnKeys(*this, [this](int step) { editor_->stepPage(step); });
}

void MainWindow::buildViewMenu()
{
    QMenu *view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    table_->addViewEntries(view);
    compare_->addViewEntries(view);
    views_->addViewEntries(view);
}

void MainWindow::buildHelpMenu()
{
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->addAction(labels_->openEntry());
    help->addSeparator();
    QAction *about =
        help->addAction(tr("&About Mobwright"), this, [this] { ShowAboutMobwright(this, journal_->journalsText()); });
    about->setObjectName(QStringLiteral("mnuAbout"));
    QAction *aboutQt = help->addAction(tr("About &Qt"), qApp, &QApplication::aboutQt);
    aboutQt->setObjectName(QStringLiteral("mnuAboutQt"));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!edits_->settlePendingEdits()) {
        event->ignore();
        return;
    }
    // The form and its lists go with the window: showing them with no image
    // would be work for nothing.
    for (QObject *goes : {static_cast<QObject *>(editor_), static_cast<QObject *>(lists_)}) {
        session_.disconnect(goes);
        for (const QObject *part : goes->findChildren<QObject *>())
            session_.disconnect(part);
    }
    session_.close();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openImage(path);
}

void MainWindow::chooseImage()
{
    if (!edits_->settlePendingEdits())
        return;
    const QString fileName = prompter_->imageToOpen(this, recent_->lastFolder());
    if (!fileName.isEmpty())
        loadImage(fileName);
}

void MainWindow::loadImage(const QString &path)
{
    loadImageFile(QFile::encodeName(path).toStdString());
}

void MainWindow::loadImageFile(const std::string &fileName)
{
    try {
        session_.open(fileName);
    } catch (const RomError &error) {
        warn(ToQString(error.what()));
        return;
    }
    recent_->add(session_.path());
    journal_->settleUnfinished();
}

// Drops and recent images open as "Load ROM" does once a file is chosen.
void MainWindow::openImage(const QString &path)
{
    if (edits_->settlePendingEdits())
        loadImage(path);
}

void MainWindow::openRecent(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        recent_->remove(path);
        warn(tr("\"%1\" no longer exists; it is taken off the recent images.")
                 .arg(QDir::toNativeSeparators(path)));
        return;
    }
    openImage(path);
}

void MainWindow::closeImage()
{
    if (edits_->settlePendingEdits()) {
        session_.close();
        if (find_)
            find_->hide();
    }
}

// Built on first use: its icons alone would cost the start a theme lookup.
FindEnemy *MainWindow::findBar()
{
    if (!find_) {
        find_ = new FindEnemy(lists_->enemies(), this);
        addToolBar(Qt::TopToolBarArea, find_);
        connect(find_, &FindEnemy::enemyChosen, this, [this](int index) { showEnemy(index); });
    }
    return find_;
}

void MainWindow::useLabelFolder(const QString &folder)
{
    labels_->useLabelFolder(folder);
}

void MainWindow::nameEntry(ListEntry entry)
{
    labels_->nameEntry(entry);
}

int MainWindow::shownEnemy() const
{
    return editor_->shownEnemy();
}

void MainWindow::showEnemy(int index, std::optional<Field> focus)
{
    editor_->showEnemy(index);
    if (focus)
        editor_->focusField(*focus);
}

void MainWindow::showImageState()
{
    const bool open = session_.isOpen();
    for (QAction *action : imageActions_)
        action->setEnabled(open);
    if (!open) {
        setWindowTitle(AppName);
        imageStatus_->clear();
        statusBar()->clearMessage();
        return;
    }
    setWindowTitle(QStringLiteral("%1[*] — %2").arg(QFileInfo(session_.path()).fileName(), AppName));
    imageStatus_->setText(
        QDir::toNativeSeparators(session_.path()) + QStringLiteral(" — ") +
        (session_.rom().hasCopierHeader() ? tr("with copier header") : tr("no copier header")));
}

void MainWindow::warn(const QString &message)
{
    prompter_->warn(this, message);
}

} // namespace mobwright
